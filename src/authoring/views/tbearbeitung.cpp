#include "authoring/views/tbearbeitung.h"

#include "authoring/views/albumfrage.h"
#include "authoring/views/albumherstellung.h"
#include "authoring/views/aufgabenpanel.h"
#include "authoring/views/bilderlisteneditor.h"
#include "authoring/views/copyrightpanel.h"
#include "authoring/views/demoladen.h"
#include "authoring/views/fortschrittsanzeige.h"
#include "authoring/views/hintergrundpanel.h"
#include "authoring/views/inhaltsbearbeitung.h"
#include "authoring/views/panel11inhalt.h"
#include "authoring/views/panel7import.h"
#include "authoring/views/rahmendaten.h"
#include "authoring/views/registerpanel.h"
#include "authoring/views/startpanel.h"
#include "authoring/views/titelpanel.h"
#include "platform/fonts.h"

#include <QKeyEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace authoring {

TBearbeitung::TBearbeitung(projekt::Zustand &zustand, const platform::Screen &screen, platform::Meldungen &meldungen,
                           QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      z_(zustand), screen_(screen), meldungen_(meldungen) {
    setObjectName("Bearbeitung");
    setWindowTitle(tr("Bearbeitung"));
    setAutoFillBackground(true);
    QPalette farbe = palette();
    farbe.setColor(QPalette::Window, QColor(155, 251, 193));
    setPalette(farbe);
    setFont(platform::screenFont("MS Sans Serif", 8, screen_.info().ppi));
    if (screen_.info().ppi > 96)
        setFixedSize(475, 385);
    else
        setFixedSize(381, 309);

    stapel_ = new QStackedWidget(this);
    stapel_->setObjectName("Aufgabenstapel");
    auto *rand = new QVBoxLayout(this);
    rand->setContentsMargins(0, 0, 0, 0);
    rand->addWidget(stapel_);

    auto *start = new Startpanel(*this);
    connect(start, &Startpanel::gewaehlt, this, [this](Startpanel::Eintrag e) { startpanelGewaehlt(int(e)); });
    auto *inhaltsverzeichnis = new Panel11Inhaltsverzeichnis(*this);
    Panel4Rahmendaten = new Rahmendaten(*this);
    Panel6DemoLaden = new DemoLaden(*this);
    Panel7Import = new authoring::Panel7Import(*this);
    inhalt_ = new Inhaltsbearbeitung(*this, this);
    panels_[1] = start;
    panels_[3] = new Albumfrage(*this);
    panels_[4] = Panel4Rahmendaten;
    panels_[6] = Panel6DemoLaden;
    panels_[7] = Panel7Import;
    panels_[11] = inhaltsverzeichnis;
    panels_[12] = inhaltsverzeichnis;
    inhaltspanel_ = inhaltsverzeichnis;
    Panel5Wallpaper = new Hintergrundpanel(*this);
    Panel8Titel = new Titelpanel(*this);
    Panel9Register = new Registerpanel(*this);
    Panel10Copyright = new Copyrightpanel(*this);
    panels_[5] = Panel5Wallpaper;
    panels_[8] = Panel8Titel;
    panels_[9] = Panel9Register;
    panels_[10] = Panel10Copyright;
    for (int i = 1; i <= kPanelAnzahl; ++i)
        if (panels_[size_t(i)] && stapel_->indexOf(panels_[size_t(i)]) < 0) stapel_->addWidget(panels_[size_t(i)]);
    stapel_->setCurrentWidget(start);
    // The album's new contents go onto the book for retouching, as after an import.
    connect(this, &TBearbeitung::albumInhaltHergestellt, this,
            [this](const QStringList &links, const QStringList &rechts) {
                inhalt_->InhaltZurBearbeitung(0, links, rechts);
            });

    Timer1.setInterval(3000);
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &TBearbeitung::Timer1Timer);
    Timer1.start();

    TimerBilderliste.setInterval(1000);
    TimerBilderliste.setSingleShot(true);
    connect(&TimerBilderliste, &QTimer::timeout, this, &TBearbeitung::TimerBilderlisteTimer);
}

TBearbeitung::~TBearbeitung() = default;

Aufgabenpanel *TBearbeitung::panel(int index) const {
    return index >= 1 && index <= kPanelAnzahl ? panels_[size_t(index)] : nullptr;
}

platform::ScreenInfo TBearbeitung::bildschirm() const {
    return screen_.info();
}

void TBearbeitung::startpanelGewaehlt(int eintrag) {
    using E = Startpanel::Eintrag;
    switch (E(eintrag)) {
    case E::Projektwechsel: projektWechseln(); break;
    case E::TextImport: textImportieren(); break;
    case E::NeuesProjekt: neuesProjekt(); break;
    case E::NeueBilder: neueBilderAufnehmen(); break;
    case E::BilderInsAlbum: bilderInsAlbum(); break;
    case E::Titel: titelGestalten(); break;
    case E::Register: registerGestalten(); break;
    case E::Inhaltsverzeichnis: inhaltsverzeichnisWaehlen(); break;
    case E::Copyright: copyrightGestalten(); break;
    }
}

void TBearbeitung::Auswahl(Aufgabe aufgabe) {
    setWindowTitle(tr("Bearbeitung"));
    const int index = int(aufgabe);
    tag_ = index;
    if (Aufgabenpanel *p = panel(index)) {
        if (index == 6) Panel6DemoLaden->vorbereiten();
        if (index == 7) Panel7Import->vorbereiten();
        if (index == 5) Panel5Wallpaper->vorbereiten();
        if (index == 9) Panel9Register->laden();
        // Another task ends the writing on the copyright page.
        if (index != 10) Panel10Copyright->beenden();
        if (index == 11 || index == 12) inhaltspanel_->auswahlZeigen(index == 12);
        stapel_->setCurrentWidget(p);
    }
    if (!zentriert_) {
        const platform::ScreenInfo s = screen_.info();
        move((s.width - width()) / 2, (s.height - height()) / 2);
        zentriert_ = true;
    }
    show();
    raise();
    activateWindow();
}

void TBearbeitung::projektWechseln() {
    hide();
    if (!schreibbar()) return;
    Auswahl(Aufgabe::Projektwechsel);
}

void TBearbeitung::textImportieren() {
    hide();
    if (!schreibbar()) return;
    Auswahl(Aufgabe::Import);
}

void TBearbeitung::neuesProjekt() {
    if (!schreibbar()) return;
    Panel4Rahmendaten->ImageFundamentalsClick();
}

void TBearbeitung::neueBilderAufnehmen() {
    hide();
    if (!buch_ || !schreibbar()) return;
    buch_->auffrischen();
    fortschritt()->zeigen(tr("Bilderliste wird geschrieben"), QString());
    TimerBilderliste.start();
}

void TBearbeitung::bilderInsAlbum() {
    hide();
    if (!buch_ || !schreibbar()) return;
    buch_->auffrischen();
    albumherstellung()->AlbumBearbeiten();
}

bool TBearbeitung::schreibbar() {
    if (!z_.NurLesen) return true;
    meldungen_.zeigen(platform::Meldungen::Art::Fehler,
                      tr("Die Bearbeitungsfunktionen sind erst ausführbar, wenn das Programm auf einer Festplatte "
                         "installiert wurde."));
    return false;
}

void TBearbeitung::TimerBilderlisteTimer() {
    TimerBilderliste.stop();
    if (Bilderlisteneditor *editor = listeneditor()) editor->Bilderliste();
}

Bilderlisteneditor *TBearbeitung::listeneditor() {
    if (!listeneditor_ && buch_) listeneditor_ = new Bilderlisteneditor(*this, buch_->Listenfeld());
    return listeneditor_;
}

Bilderlisteneditor *TBearbeitung::vorhandenerListeneditor() const {
    return listeneditor_;
}

void TBearbeitung::listeneditorBereit() {
    if (Fortschrittsanzeige *f = fortschritt()) f->verbergen();
    TimerBilderliste.stop();
}

Fortschrittsanzeige *TBearbeitung::fortschritt() {
    if (!fortschritt_ && buch_) fortschritt_ = new Fortschrittsanzeige(buch_->Fortschrittsfeld());
    return fortschritt_;
}

Albumherstellung *TBearbeitung::albumherstellung() {
    if (!albumherstellung_) {
        albumherstellung_ = new Albumherstellung(*this, this);
        connect(albumherstellung_, &Albumherstellung::inhaltHergestellt, this, &TBearbeitung::albumInhaltHergestellt);
    }
    return albumherstellung_;
}

void TBearbeitung::titelGestalten() {
    if (!schreibbar()) return;
    Panel8Titel->oeffnen();
}
void TBearbeitung::registerGestalten() {
    if (!schreibbar()) return;
    Panel9Register->PanelRegisterClick();
}
void TBearbeitung::copyrightGestalten() {
    if (!schreibbar()) return;
    Panel10Copyright->PanelCopyrightClick();
}
void TBearbeitung::inhaltsverzeichnisWaehlen() {
    if (!schreibbar()) return;
    Auswahl(Aufgabe::InhaltWaehlen);
}

void TBearbeitung::hintergrundWaehlen() {
    hide();
    Auswahl(Aufgabe::Hintergrund);
}

void TBearbeitung::abbrechen() {
    Panel10Copyright->beenden();
    inhalt_->verbergen();
    hide();
}

void TBearbeitung::NurInhaltsverzeichnis(int teil) {
    inhalt_->NurInhaltsverzeichnis(teil);
}

void TBearbeitung::seiteGezeigt(int seite) {
    inhalt_->seiteGezeigt(seite);
}

void TBearbeitung::inDieEcke(bool rechts) {
    const platform::ScreenInfo s = screen_.info();
    move(rechts ? s.width - width() : 0, s.height - height());
    zentriert_ = true;
}

void TBearbeitung::Timer1Timer() {
    Panel4Rahmendaten->hinweisLeeren();
    Timer1.stop();
}

void TBearbeitung::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Escape: hide(); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (tag_ == 4 || (tag_ >= 6 && tag_ <= 10)) {
            if (Aufgabenpanel *p = panel(tag_)) p->ok();
        }
        return;
    default: QWidget::keyPressEvent(event);
    }
}

} // namespace authoring
