#pragma once
// A book that does nothing the authoring window asks of it: tests and benchmarks
// derive from it and record only what they look at.
#include "authoring/views/buchsteuerung.h"

#include <QWidget>

namespace testing {

class LeeresBuch : public authoring::Buchsteuerung {
public:
    LeeresBuch() {
        flaeche.resize(660, 441);
        listenfeld->hide();
        fortschrittsfeld->hide();
    }
    void SeitenZeigen(int) override {}
    void ProjektReset() override {}
    void IniAuswerten() override {}
    bool IniDateiLesen(const QString &) override { return true; }
    void Fensterfarbe(const QColor &) override {}
    void ProjekttitelZeigen(const QString &) override {}
    void auffrischen() override {}
    QWidget *Listenfeld() override { return listenfeld; }
    QWidget *Fortschrittsfeld() override { return fortschrittsfeld; }
    QPoint Buchecke() const override { return {}; }
    album::Bilderlistenmodell &Bilderliste() override { return bilderliste; }
    void Hinweis(const QString &) override {}
    void HintergrundZeigen() override {}
    void BildansichtVerbergen() override {}
    void InhaltVerbergen() override {}
    void SeitenzahlenLeeren() override {}
    void AlbumblattZeigen(const QImage &) override {}
    void LabelZeigen(int) override {}
    QWidget *Buchflaeche() override { return &flaeche; }
    void InhaltListenLeeren() override {}
    void TitelVorschau(const projekt::Titelgestaltung &) override {}
    void GriffeVorschau(const QStringList &, const std::array<int, 5> &) override {}
    void TextLinksSchreibbar(bool) override {}
    QStringList TextLinksZeilen() const override { return {}; }
    void HintergrundZeigen(const QString &) override {}

    album::Bilderlistenmodell bilderliste;
    QWidget flaeche;
    QWidget *listenfeld = new QWidget(&flaeche);
    QWidget *fortschrittsfeld = new QWidget(&flaeche);
};

} // namespace testing
