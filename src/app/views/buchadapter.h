#pragma once
// The book as the authoring window sees it: its requests carried out by the main window.
#include "app/core/zustand.h"
#include "app/views/tastensperre.h"
#include "authoring/views/buchsteuerung.h"
#include "platform/screen.h"

namespace app {

class TImageForm;

class Buchadapter : public authoring::Buchsteuerung {
public:
    Buchadapter(TImageForm &form, Zustand &zustand, const platform::Screen &screen)
        : form_(form), z_(zustand), screen_(screen) {}

    void SeitenZeigen(int seite) override;
    void ProjektReset() override;
    void IniAuswerten() override;
    bool IniDateiLesen(const QString &name) override;
    void Fensterfarbe(const QColor &farbe) override;
    bool GriffTextPasst(const QString &text) const override;
    void ProjekttitelZeigen(const QString &titel) override;
    void auffrischen() override;

    // Picture list editor and album production.
    QWidget *Listenfeld() override;
    QWidget *Fortschrittsfeld() override;
    QPoint Buchecke() const override;
    album::Bilderlistenmodell &Bilderliste() override;
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

    // Design editors.
    void TitelVorschau(const projekt::Titelgestaltung &titel) override;
    void GriffeVorschau(const QStringList &texte, const std::array<int, 5> &ziele) override;
    void TextLinksSchreibbar(bool schreibbar) override;
    QStringList TextLinksZeilen() const override;
    void HintergrundZeigen(const QString &name) override;

private:
    TImageForm &form_;
    Zustand &z_;
    const platform::Screen &screen_;
    Tastensperre tastensperre_;
};

} // namespace app
