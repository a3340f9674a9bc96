#pragma once
// The book as the authoring window sees it: its requests carried out by the main window.
#include "app/core/zustand.h"
#include "authoring/views/buchsteuerung.h"

namespace app {

class TImageForm;

class Buchadapter : public authoring::Buchsteuerung {
public:
    Buchadapter(TImageForm &form, Zustand &zustand) : form_(form), z_(zustand) {}

    void SeitenZeigen(int seite) override;
    void ProjektReset() override;
    void IniAuswerten() override;
    void IniDateiLesen(const QString &name) override;
    void Fensterfarbe(const QColor &farbe) override;
    void ProjekttitelZeigen(const QString &titel) override;
    void auffrischen() override;

    // Picture list editor and album production.
    QWidget *Listenfeld() override;
    QWidget *Fortschrittsfeld() override;
    QPoint Buchecke() const override;
    QStringList Bilderliste() const override;
    void BilderlisteSetzen(const QStringList &zeilen) override;
    void ListeLaden() override;
    void Hinweis(const QString &text) override;
    void HintergrundZeigen() override;
    void BildansichtVerbergen() override;
    void InhaltVerbergen() override;
    void SeitenzahlenLeeren() override;
    void AlbumblattZeigen(const QImage &aufschlag) override;
    void LabelZeigen(int k) override;
    // Text import and contents editing.
    QWidget *Buchflaeche() override;
    void InhaltListenLeeren() override;

private:
    TImageForm &form_;
    Zustand &z_;
};

} // namespace app
