#include "search/views/suchsteuerung.h"

#include "book/core/buchseite.h"
#include "search/core/falten.h"
#include "search/views/suchleiste.h"

#include <QApplication>

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
        suchleiste_->LabelGesuchterName->setText(tr("Suche"));
        suchleiste_->CheckBox1->setText(tr("schreibungstolerant"));
        suchleiste_->PanelNotFound->setText(tr("Suchbegriff nicht gefunden"));
        suchleiste_->LabelSucheBuch->setText(tr("im Text"));
        suchleiste_->LabelSucheAlbum->setText(tr("im Album"));
        suchleiste_->LabelSucheHilfe->setText(tr("in der Hilfe"));
        suchleiste_->BitBtn4->setText(tr("Abbrechen"));
        // The scope panels are clicked, not their captions: they carry the captions' names.
        for (QLabel *l : {suchleiste_->LabelSucheBuch, suchleiste_->LabelSucheAlbum, suchleiste_->LabelSucheHilfe})
            l->parentWidget()->setAccessibleName(l->text());
        connect(suchleiste_, &Suchleiste::bereichGeklickt, this, &Suchsteuerung::BevelImBuch);
        connect(suchleiste_->BitBtn3, &QPushButton::clicked, this, &Suchsteuerung::BitBtn3Click);
        connect(suchleiste_->BitBtn4, &QPushButton::clicked, suchleiste_, &QWidget::hide);
    }
    return suchleiste_;
}

void Suchsteuerung::SuchenClick() {
    // The open bar only takes the keys again: its search goes on where it stood.
    if (suchleiste_ && suchleiste_->isVisible()) {
        suchleiste_->raise();
        suchleiste_->Edit2->setFocus(Qt::ShortcutFocusReason);
        suchleiste_->Edit2->selectAll();
        return;
    }
    nichtGefundenVerbergen();
    BevelImBuch(Suchbereich);
    PanelSuchen()->show();
    PanelSuchen()->raise();
    PanelSuchen()->Edit2->setFocus();
}

void Suchsteuerung::BevelImBuch(int bereich) {
    Suchbereich = bereich;
    PanelSuchen()->BevelImBuch(bereich);
    nichtGefundenVerbergen();
    if (bereich == 1) textDatei_.seek(0);
    if (bereich == 2) hilfeDatei_.seek(0);
}

void Suchsteuerung::BitBtn3Click() {
    if (PanelSuchen()->Edit2->text().isEmpty()) return;
    Q_EMIT sucheBeginnt();
    Suchbegriff = PanelSuchen()->Edit2->text();
    const bool tolerant = PanelSuchen()->CheckBox1->isChecked();
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
        PanelSuchen()->resize(PanelSuchen()->width(), 86);
        PanelSuchen()->PanelNotFound->show();
        PanelSuchen()->PanelNotFound->raise();
        return;
    }
    nichtGefundenVerbergen();
    // The keys stay in the bar, so Return finds the next hit.
    QWidget *fokus = QApplication::focusWidget();
    if (!fokus || !PanelSuchen()->isAncestorOf(fokus)) fokus = PanelSuchen()->Edit2;
    using book::Buchseite;
    Q_EMIT textGefunden(Buchseite::im(hilfe ? Buchseite::Teil::Hilfe : Buchseite::Teil::Text, int(fund->position)).zahl,
                        fund->zeile, fund->position % 2 == 1);
    PanelSuchen()->raise();
    if (PanelSuchen()->isVisible()) fokus->setFocus(Qt::OtherFocusReason);
}

void Suchsteuerung::nichtGefundenVerbergen() {
    PanelSuchen()->PanelNotFound->hide();
    PanelSuchen()->resize(PanelSuchen()->width(), 58);
}

bool Suchsteuerung::schliessen() {
    if (!suchleiste_ || !suchleiste_->isVisible()) return false;
    suchleiste_->hide();
    return true;
}

} // namespace search
