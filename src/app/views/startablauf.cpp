// The main window's start-up: captions, fonts for the screen, the drive locator, the
// settings and the picture list, the layout for the screen; and a project's reset.
#include "album/views/albumblatt.h"
#include "album/views/bildansicht.h"
#include "app/views/bildmenue.h"
#include "app/views/buchlenkung.h"
#include "app/views/hinweiszeile.h"
#include "app/views/timageform.h"
#include "app/views/titelanzeige.h"
#include "book/core/seitenformat.h"
#include "book/views/buchpanel.h"
#include "platform/bitmapfile.h"
#include "platform/fonts.h"
#include "project/core/exelaufwerk.h"
#include "project/core/projektdateien.h"

#include <QLabel>

namespace app {
namespace {

const char *const kSchriftskalierungFehler = QT_TRANSLATE_NOOP(
    "app::TImageForm",
    "Schriftskalierungen über 150 % und Zwischenwerte zwischen 100, 125 und 150 % werden nicht zuverlässig "
    "unterstützt.");
const char *const kSchriftskalierungHinweis = QT_TRANSLATE_NOOP(
    "app::TImageForm",
    "Wählen Sie im Startmenü von Windows \"Einstellungen / Systemsteuerung / Anzeige / Einstellungen / "
    "Schriftgrad\" einen der Standardwerte, z.B. \"kleine Schriftarten\". Danach wird Windows mit den "
    "veränderten Einstellungen gestartet.");

} // namespace

void TImageForm::SpracheEinrichten() {
    menue_->beschriften(tr("Lesezeichen"), tr("Fundliste"));
    buch_->anleitungBeschriften(tr("Anleitung nicht mehr zeigen"));
}

void TImageForm::FormCreate() {
    const platform::ScreenInfo s = screen_.info();
    SpracheEinrichten();
    bildansicht_->heben(album::Bildansicht::Schicht::Pfeile);

    // Font scaling for large-font screens.
    z_.Schriftgrad = 7;
    const Schriftskalierung skal = SchriftgradFuer(s.ppi);
    if (skal.skalieren) {
        z_.Schriftgrad = skal.Schriftgrad;
        if (skal.warnen) {
            meldungen_.zeigen(Meldungen::Art::Fehler, tr(kSchriftskalierungFehler));
            meldungen_.zeigen(Meldungen::Art::Information, tr(kSchriftskalierungHinweis));
        }
        setFont(platform::screenFont("Arial", z_.Schriftgrad, s.ppi));
        menue_->beschriftungsschrift(platform::screenFont("Arial", z_.Schriftgrad, s.ppi));
    }
    buch_->SchriftenSetzen(z_.Schriftgrad, s.ppi, skal.skalieren);
    // The book is laid out for 800 × 600: on a smaller screen its edges are cut off.
    if (s.width < 800 || s.height < 600)
        meldungen_.zeigen(Meldungen::Art::Information,
                          tr("Das Buch braucht einen Bildschirm von mindestens 800 × 600 Bildpunkten; "
                             "auf diesem Bildschirm (%1 × %2) sind seine Ränder abgeschnitten.")
                              .arg(s.width)
                              .arg(s.height));

    z_.HilfeDateiOffen = false;
    z_.BildIndex = -1;
    z_.Vorgaben = z_.einstellungen;
    z_.Bearbeitungsteil = 1;
    LabelProjekttitel1->show();
    LabelProjekttitel2->show();

    const projekt::Laufwerksergebnis lw = projekt::ExeLaufwerk(z_.dateien, z_.programmDatei);
    if (lw.status == projekt::Laufwerksergebnis::Status::KeineCd) {
        meldungen_.zeigen(Meldungen::Art::Warnung, tr("Legen Sie die CD in ihr Laufwerk!"));
        startAbgebrochen_ = true;
        return;
    }
    if (lw.status == projekt::Laufwerksergebnis::Status::KopierFehler) {
        meldungen_.zeigen(Meldungen::Art::Fehler, tr("Die Datei %1 kann nicht kopiert werden.").arg(lw.fehler));
        startAbgebrochen_ = true;
        return;
    }
    z_.programmOrt = lw.ort;
    z_.ortSetzen(lw.ort);
    z_.LetzteTextseite = 0;
    z_.LetzteHilfeseite = 0;
    QString name = lw.ort.name;
    if (const auto autor = projekt::AutorIniLesen(z_)) name = *autor;
    // Until its settings are read (or where it has none), the project is the folder
    // named after it.
    if (projekt::Einstellungsname n; projekt::EinstellungsnameLesen(name, lw.ort.stamm, &n))
        z_.ortSetzen(projekt::OrtFuer(z_, n.stamm, n.name, {}));
    z_.NurLesen = !projekt::SchreibTest(z_);
    if (!z_.NurLesen && !projekt::DatenwurzelSperren(z_)) {
        z_.NurLesen = true;
        meldungen_.zeigen(
            Meldungen::Art::Information,
            tr("Das Buch ist bereits in einem anderen Pagora-Fenster geöffnet. Es wird hier nur zum Lesen "
               "geöffnet: Lesezeichen, Kommentare und Bildtexte werden nicht gespeichert."));
    }
    IniDateiLesen(name);

    if (!z_.dateien.folderExists(z_.HilfeVerzeichnis))
        meldungen_.zeigen(Meldungen::Art::Warnung,
                          tr("Der Ordner \"Help\" fehlt in %1. Ohne ihn fehlen das Buch, seine Bilder und die Hilfe; "
                             "bitte installieren Sie Pagora neu.")
                              .arg(z_.dateien.native(z_.StammVerzeichnis)));
    if (!z_.dateien.exists(z_.HilfeVerzeichnis + "CBTEnd.bmp")) buch_->anleitungVerbergen();
    layoutFuerBildschirm();
    TimerAnfang.start();
}

void TImageForm::layoutFuerBildschirm() {
    const platform::ScreenInfo s = screen_.info();
    const int W = s.width, H = s.height;
    // The window covers the screen even where no window manager honours full screen.
    if (screen_.isReal())
        setGeometry(0, 0, W, H);
    else
        resize(W, H);
    hinweiszeile_->platzieren((W - hinweiszeile_->width()) / 2, H - 40);
    buch_->move(buch_->x(), (H - buch_->height()) / 2);
    z_.BuchLinks = (W - buch_->width()) / 2 + 2;
    menue_->anordnen(W, H, z_.BuchLinks);
    Panel12Fortschritt->move((W - Panel12Fortschritt->width()) / 2, H - 40);
    bildansicht_->titelPlatzieren(W, H);
}

bool TImageForm::IniDateiLesen(const QString &name) {
    const bool gelesen = projekt::EinstellungsdateiLesen(z_, name);
    // A change of several files that a crash cut short is finished before anything is read.
    if (!z_.NurLesen) projekt::AenderungenVollenden(z_);
    if (gelesen) {
        albumblatt_->leeren();
        buch_->seiteLeeren(true);
        buch_->albumBlattVormerken(z_.StammVerzeichnis + "Help\\Album0.bmp");
    }
    IniAuswerten();
    z_.BuchTitel = z_.einstellungen.wert("Title");
    if (z_.dateien.exists(z_.HilfeSeitenDateiName)) {
        z_.hilfeDatei.close();
        z_.HilfeDateiOffen = z_.hilfeDatei.open(z_.dateien.native(z_.HilfeSeitenDateiName), book::kSeitensatzGroesse);
        z_.HilfeSeitenZahl = int(z_.hilfeDatei.count());
    }
    if (z_.einstellungenZuGross)
        meldungen_.zeigen(Meldungen::Art::Warnung,
                          tr("Die Einstellungsdatei %1 ist größer als 64 MB. Pagora liest ihren Anfang, "
                             "schreibt sie aber nicht zurück: Änderungen an den Einstellungen werden nicht "
                             "gespeichert.")
                              .arg(z_.dateien.native(z_.ort.einstellungsDatei())));
    return gelesen;
}

void TImageForm::IniAuswerten() {
    const projekt::Einstellungen &e = z_.einstellungen;
    const int ppi = screen_.info().ppi;

    TitelAnzeigen(*LabelProjekttitel1, *LabelProjekttitel2, *buch_, projekt::Titelgestaltung::aus(e), z_.Schriftgrad,
                  ppi, false);
    // The register tabs' captions and the bookmarks laid into the book.
    buch_->GriffeBeschriften(
        {e.wert("Sheet1"), e.wert("Sheet2"), e.wert("Sheet3"), e.wert("Sheet4"), e.wert("Sheet5")});
    // On the open book the tabs of the new captions stand at once, not from the next page on.
    if (z_.AktuelleSeite >= 0 && buch_->isVisibleTo(this)) buchlenkung_->Griffregistersetzen(z_.AktuelleSeite);
    buchlenkung_->LesezeichenLesen();
    buch_->anleitungAnkreuzen(e.wert("ShowCBT") != "0");

    bildansicht_->neuZentrieren();
    bildansicht_->Bildzentrieren(e.wert("Wallpaper"));
    const platform::ScreenInfo s = screen_.info();
    // The picture's own size: an unreadable file has none, and gets no message.
    const QString hintergrund = z_.ProjektVerzeichnis + "Album\\" + e.wert("Wallpaper") + ".bmp";
    const auto masse =
        z_.dateien.exists(hintergrund) ? platform::bitmapSize(z_.dateien.native(hintergrund)) : std::nullopt;
    if (masse && masse->width() + 100 < s.width && masse->height() + 100 < s.height) {
        meldungen_.zeigen(
            Meldungen::Art::Information,
            tr("Wir empfehlen eine kleinere Bildschirmauflösung. Das Hintergrundbild ist nur %1x%2 Pixels groß.")
                .arg(masse->width())
                .arg(masse->height()));
    }
    z_.AktuellerBildIndex = 0;
    ListeLaden();
    projekt::SeitenDateienOeffnen(z_);
}

void TImageForm::ProjektReset() {
    buch_->inhaltLeeren();
    buch_->seiteLeeren(true);
    buch_->seiteLeeren(false);
    bilderliste_->leeren();
    for (QLabel *l : {LabelProjekttitel1, LabelProjekttitel2})
        l->setText("Pagora");
    buch_->deckblattTitel("Pagora");
    z_.TextSeitenZahl = 0;
    z_.HilfeSeitenZahl = 0;
}

void TImageForm::ListeLaden() {
    bilderliste_->laden(z_.dateien, z_.ort.datei(projekt::Seitendatei::Bilderliste));
}

} // namespace app
