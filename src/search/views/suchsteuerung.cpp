#include "search/views/suchsteuerung.h"

#include "book/core/buchseite.h"
#include "search/core/falten.h"
#include "search/views/suchleiste.h"

namespace search {

Suchsteuerung::Suchsteuerung(QWidget *flaeche, const platform::Files &dateien, const QString &projektVerzeichnis,
                             platform::RecordFile &textDatei, platform::RecordFile &hilfeDatei,
                             const platform::Screen &screen)
    : QObject(flaeche), flaeche_(flaeche), dateien_(dateien), projektVerzeichnis_(projektVerzeichnis),
      textDatei_(textDatei), hilfeDatei_(hilfeDatei), screen_(screen) {}

Suchleiste *Suchsteuerung::PanelSuchen() {
    if (!suchleiste_) {
        suchleiste_ = new Suchleiste(flaeche_);
        suchleiste_->move((screen_.info().width - suchleiste_->width()) / 2, 8);
        connect(suchleiste_, &Suchleiste::bereichGeklickt, this, &Suchsteuerung::BevelImBuch);
        connect(suchleiste_, &Suchleiste::suchen, this, &Suchsteuerung::BitBtn3Click);
    }
    return suchleiste_;
}

void Suchsteuerung::SuchenClick() {
    // The open bar only takes the keys again: its search goes on where it stood.
    if (suchleiste_ && suchleiste_->isVisible()) {
        suchleiste_->raise();
        suchleiste_->eingabeFokussieren(true);
        return;
    }
    nichtGefundenVerbergen();
    BevelImBuch(Suchbereich);
    PanelSuchen()->show();
    PanelSuchen()->raise();
    PanelSuchen()->eingabeFokussieren(false);
}

void Suchsteuerung::BevelImBuch(int bereich) {
    Suchbereich = bereich;
    PanelSuchen()->BevelImBuch(bereich);
    nichtGefundenVerbergen();
    if (bereich == 1) textDatei_.seek(0);
    if (bereich == 2) hilfeDatei_.seek(0);
}

void Suchsteuerung::BitBtn3Click() {
    if (PanelSuchen()->begriff().isEmpty()) return;
    Q_EMIT sucheBeginnt();
    Suchbegriff = PanelSuchen()->begriff();
    const bool tolerant = PanelSuchen()->tolerant();
    Schreibungstolerant = tolerant;
    const QString begriff = Falten(Suchbegriff, tolerant);
    if (Suchbereich == 0) {
        PanelSuchen()->hide();
        Q_EMIT albumGesucht(BilderDurchsuchen(dateien_, projektVerzeichnis_, begriff, tolerant));
        return;
    }
    const bool hilfe = Suchbereich == 2;
    const auto fund = SeitendateiDurchsuchen(hilfe ? hilfeDatei_ : textDatei_, begriff, tolerant);
    if (!fund) {
        PanelSuchen()->nichtGefundenZeigen(true);
        return;
    }
    nichtGefundenVerbergen();
    // The keys stay in the bar, so Return finds the next hit.
    QWidget *fokus = PanelSuchen()->tastenfeld();
    using book::Buchseite;
    Q_EMIT textGefunden(Buchseite::im(hilfe ? Buchseite::Teil::Hilfe : Buchseite::Teil::Text, int(fund->position)).zahl,
                        fund->zeile, fund->position % 2 == 1);
    PanelSuchen()->raise();
    if (PanelSuchen()->isVisible()) fokus->setFocus(Qt::OtherFocusReason);
}

void Suchsteuerung::nichtGefundenVerbergen() {
    PanelSuchen()->nichtGefundenZeigen(false);
}

bool Suchsteuerung::schliessen() {
    if (!suchleiste_ || !suchleiste_->isVisible()) return false;
    suchleiste_->hide();
    return true;
}

} // namespace search
