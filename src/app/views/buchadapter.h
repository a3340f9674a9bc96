#pragma once
// The book as the authoring window sees it: its requests carried out by the main window.
#include "authoring/views/buchsteuerung.h"

namespace app {

class TImageForm;

class Buchadapter : public authoring::Buchsteuerung {
public:
    explicit Buchadapter(TImageForm &form) : form_(form) {}

    void SeitenZeigen(int seite) override;
    void ProjektReset() override;
    void IniAuswerten() override;
    void IniDateiLesen(const QString &name) override;
    void Fensterfarbe(const QColor &farbe) override;
    void ProjekttitelZeigen(const QString &titel) override;
    void auffrischen() override;

    // Text import and contents editing.
    QWidget *Buchflaeche() override;
    void InhaltListenLeeren() override;

private:
    TImageForm &form_;
};

} // namespace app
