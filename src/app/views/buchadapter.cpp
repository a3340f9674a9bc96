#include "app/views/buchadapter.h"

#include "album/views/albumblatt.h"
#include "album/views/bildansicht.h"
#include "app/views/timageform.h"
#include "app/views/titelanzeige.h"
#include "book/views/bildflaeche.h"
#include "book/views/buchpanel.h"

#include <QLabel>
#include <QTextEdit>

namespace app {

void Buchadapter::SeitenZeigen(int seite) {
    form_.SeitenZeigen(seite);
}
void Buchadapter::ProjektReset() {
    form_.ProjektReset();
}
void Buchadapter::IniAuswerten() {
    form_.IniAuswerten();
}
void Buchadapter::IniDateiLesen(const QString &name) {
    form_.IniDateiLesen(name);
}
void Buchadapter::auffrischen() {
    form_.auffrischen();
}

void Buchadapter::Fensterfarbe(const QColor &farbe) {
    form_.centralWidget()->setPalette(QPalette(farbe));
}

void Buchadapter::ProjekttitelZeigen(const QString &titel) {
    for (QLabel *l : {form_.LabelProjekttitel1, form_.LabelProjekttitel2}) {
        l->setText(titel);
        l->adjustSize();
    }
}

QWidget *Buchadapter::Listenfeld() {
    return form_.PanelMemoListe;
}
QWidget *Buchadapter::Fortschrittsfeld() {
    return form_.Panel12Fortschritt;
}
QPoint Buchadapter::Buchecke() const {
    return QPoint(z_.BuchLinks, form_.PanelBuch()->y());
}
QStringList Buchadapter::Bilderliste() const {
    return form_.bildansicht()->liste().zeilen();
}
void Buchadapter::ListeLaden() {
    form_.ListeLaden();
}
void Buchadapter::Hinweis(const QString &text) {
    form_.Hinweis(text);
}
void Buchadapter::InhaltVerbergen() {
    form_.PanelBuch()->InhaltVerbergen();
}
void Buchadapter::LabelZeigen(int k) {
    form_.albumblatt()->LabelZeigen(k);
}

void Buchadapter::BilderlisteSetzen(const QStringList &zeilen) {
    form_.bildansicht()->ListeSetzen(zeilen);
    form_.albumblatt()->AufschlagZeigen();
}

void Buchadapter::HintergrundZeigen() {
    form_.bildansicht()->neuZentrieren(); // laid again even when it was hidden
    form_.bildansicht()->HintergrundZeigen(z_.einstellungen.wert("Wallpaper"));
}

void Buchadapter::BildansichtVerbergen() {
    form_.bildansicht()->ImageMain->hide();
}

void Buchadapter::SeitenzahlenLeeren() {
    form_.PanelBuch()->LabelSeitenzahlLinks->clear();
    form_.PanelBuch()->LabelSeitenzahlRechts->clear();
}

void Buchadapter::AlbumblattZeigen(const QImage &aufschlag) {
    QLabel *blatt = form_.PanelBuch()->ImageAlbum;
    blatt->setPixmap(QPixmap::fromImage(aufschlag));
    blatt->resize(aufschlag.size());
    blatt->parentWidget()->repaint(); // with its captions, now: a long task keeps the event loop busy
}

QWidget *Buchadapter::Buchflaeche() {
    return form_.PanelBuch();
}

void Buchadapter::InhaltListenLeeren() {
    form_.PanelBuch()->Inhalt1->clear();
    form_.PanelBuch()->Inhalt2->clear();
}

void Buchadapter::TitelVorschau(const Titelgestaltung &titel) {
    TitelAnzeigen(*form_.LabelProjekttitel1, *form_.LabelProjekttitel2, *form_.PanelBuch(), titel, z_.Schriftgrad,
                  screen_.info().ppi, true);
}

void Buchadapter::GriffeVorschau(const QStringList &texte, const std::array<int, 5> &ziele) {
    form_.PanelBuch()->GriffeBeschriften(texte);
    form_.PanelBuch()->Griffregistersetzen(z_.AktuelleSeite, ziele);
}

void Buchadapter::TextLinksSchreibbar(bool schreibbar) {
    book::SeitenMemo *memo = form_.PanelBuch()->MemoTextLinks;
    if (schreibbar) {
        form_.installEventFilter(&tastensperre_);
        memo->setSchreibbar(true);
        form_.activateWindow();
        memo->schreibfeld()->setFocus();
    } else {
        form_.removeEventFilter(&tastensperre_);
        memo->setSchreibbar(false);
    }
}

QStringList Buchadapter::TextLinksZeilen() const {
    return form_.PanelBuch()->MemoTextLinks->zeilen();
}

void Buchadapter::HintergrundZeigen(const QString &name) {
    form_.bildansicht()->neuZentrieren();
    form_.bildansicht()->HintergrundZeigen(name);
}

} // namespace app
