#include "app/views/buchadapter.h"

#include "album/views/albumblatt.h"
#include "album/views/bildansicht.h"
#include "app/views/timageform.h"
#include "app/views/titelanzeige.h"
#include "book/views/bildflaeche.h"
#include "book/views/bildlader.h"
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
bool Buchadapter::IniDateiLesen(const QString &name) {
    return form_.IniDateiLesen(name);
}
void Buchadapter::auffrischen() {
    form_.auffrischen();
}

void Buchadapter::Fensterfarbe(const QColor &farbe) {
    book::Grundfarbe(form_.centralWidget(), farbe);
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
album::Bilderlistenmodell &Buchadapter::Bilderliste() {
    return form_.bilderliste();
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

void Buchadapter::HintergrundZeigen() {
    form_.bildansicht()->neuZentrieren(); // laid again even when it was hidden
    form_.bildansicht()->HintergrundZeigen(z_.einstellungen.wert("Wallpaper"));
}

void Buchadapter::BildansichtVerbergen() {
    form_.bildansicht()->BildVerbergen();
}

void Buchadapter::SeitenzahlenLeeren() {
    form_.PanelBuch()->seitenzahlenLeeren();
}

void Buchadapter::AlbumblattZeigen(const QImage &aufschlag) {
    form_.PanelBuch()->albumBlattSetzen(aufschlag, true);
}

QWidget *Buchadapter::Buchflaeche() {
    return form_.PanelBuch();
}

void Buchadapter::InhaltListenLeeren() {
    form_.PanelBuch()->inhaltLeeren();
}

void Buchadapter::TitelVorschau(const projekt::Titelgestaltung &titel) {
    TitelAnzeigen(*form_.LabelProjekttitel1, *form_.LabelProjekttitel2, *form_.PanelBuch(), titel, z_.Schriftgrad,
                  screen_.info().ppi, true);
}

void Buchadapter::GriffeVorschau(const QStringList &texte, const std::array<int, 5> &ziele) {
    form_.PanelBuch()->GriffeBeschriften(texte);
    form_.PanelBuch()->Griffregistersetzen(z_.AktuelleSeite, ziele);
}

bool Buchadapter::GriffTextPasst(const QString &text) const {
    return form_.PanelBuch()->griffTextPasst(text);
}

void Buchadapter::TextLinksSchreibbar(bool schreibbar) {
    if (schreibbar) {
        form_.installEventFilter(&tastensperre_);
        form_.activateWindow();
    } else {
        form_.removeEventFilter(&tastensperre_);
    }
    form_.PanelBuch()->linkeSeiteSchreibbar(schreibbar);
}

QStringList Buchadapter::TextLinksZeilen() const {
    return form_.PanelBuch()->seitenZeilen(true);
}

void Buchadapter::HintergrundZeigen(const QString &name) {
    form_.bildansicht()->neuZentrieren();
    form_.bildansicht()->HintergrundZeigen(name);
}

} // namespace app
