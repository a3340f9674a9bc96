// Writes PNGs of the start-up on simulated screens, for people to look at:
// the start-up (title half typed, lid half open, tour screen -6, cover) and the book's
// screens: tour -3, contents, spreads, bookmarks and tabs, album, help, the image menu,
// a printed page and the window presentation.
#include "album/views/albumblatt.h"
#include "album/views/bildansicht.h"
#include "album/views/bildansichtpanels.h"
#include "app/core/ansicht.h"
#include "app/views/bildmenue.h"
#include "app/views/buchlenkung.h"
#include "app/views/glattebilder.h"
#include "app/views/timageform.h"
#include "authoring/views/albumherstellung.h"
#include "authoring/views/bilderlisteneditor.h"
#include "authoring/views/copyrightpanel.h"
#include "authoring/views/demoladen.h"
#include "authoring/views/hintergrundpanel.h"
#include "authoring/views/inhaltsbearbeitung.h"
#include "authoring/views/panel7import.h"
#include "authoring/views/rahmendaten.h"
#include "authoring/views/registerpanel.h"
#include "authoring/views/tbearbeitung.h"
#include "authoring/views/titelpanel.h"
#include "bildteile.h"
#include "book/views/bildflaeche.h"
#include "book/views/blaetteranimation.h"
#include "book/views/buchpanel.h"
#include "book/views/seitenmemo.h"
#include "buchteile.h"
#include "platform/fonts.h"
#include "project/core/exelaufwerk.h"
#include "search/views/suchleiste.h"
#include "search/views/suchsteuerung.h"
#include "search/views/tfundliste.h"
#include "suchteile.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>
#include <cstdio>

namespace {

// A task panel of the authoring window by its name.
template <class P> P &panel(const authoring::TBearbeitung &bearbeitung, const char *name) {
    return *bearbeitung.findChild<P *>(QString::fromLatin1(name));
}

class OhneBoxen : public app::Meldungen {
public:
    void zeigen(Art, const QString &text) override { std::printf("Meldung: %s\n", qPrintable(text)); }
    bool okAbbrechen(const QString &) override { return false; }
};

// The mouse as the window system hands it to a control: moved, or pressed with the left
// button, at point p of it.
void maus(QWidget *ziel, QEvent::Type typ, QPoint p) {
    const Qt::MouseButton taste = typ == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent ereignis(typ, QPointF(p), ziel->mapToGlobal(QPointF(p)), taste, taste, Qt::NoModifier);
    QCoreApplication::sendEvent(ziel, &ereignis);
}

bool speichern(QWidget &w, const QString &ordner, const QString &name) {
    QCoreApplication::processEvents();
    const QString pfad = ordner + '/' + name + ".png";
    const bool ok = w.grab().save(pfad);
    std::printf("%s %s\n", ok ? "geschrieben" : "FEHLER", qPrintable(pfad));
    return ok;
}

// The program on a data root and a simulated screen, its opening timer stopped.
struct Programm {
    Programm(const QString &wurzel, platform::ScreenInfo info) : screen(info) {
        zustand.programmDatei = zustand.dateien.stored(wurzel + "/Pagora.exe");
        form = std::make_unique<app::TImageForm>(zustand, screen, boxen);
        if (form->startAbgebrochen()) return;
        bearbeitung = std::make_unique<authoring::TBearbeitung>(zustand, screen, boxen);
        form->setFenster(nullptr, bearbeitung.get());
        form->eroeffnungAnhalten();
        form->show();
    }
    app::Zustand zustand;
    platform::SimulatedScreen screen;
    OhneBoxen boxen;
    std::unique_ptr<app::TImageForm> form;
    std::unique_ptr<authoring::TBearbeitung> bearbeitung;
};

bool aufnehmen(const QString &ordner, platform::ScreenInfo info) {
    Programm programm(QStringLiteral(PAGORA_ROOT), info);
    if (programm.form->startAbgebrochen()) return false;
    app::Zustand &zustand = programm.zustand;
    app::TImageForm &form = *programm.form;
    authoring::TBearbeitung &bearbeitung = *programm.bearbeitung;
    const QString vorsilbe = QStringLiteral("%1x%2-").arg(info.width).arg(info.height);
    bool ok = true;
    const int halb = 20 + 5 * (int(zustand.BuchTitel.size()) / 2) + 1;
    for (int i = 0; i < halb; ++i)
        form.TimerAnfangTimer();
    ok &= speichern(form, ordner, vorsilbe + "1-titel-halb");
    while (testing::kindNamens<QWidget>(form, "PanelDeckel")->isHidden() ||
           testing::kindNamens<QWidget>(form, "PanelDeckel")->width() > 200)
        form.TimerAnfangTimer();
    ok &= speichern(form, ordner, vorsilbe + "2-deckel-halb");
    while (testing::kindNamens<QWidget>(form, "PanelDeckel")->isVisible())
        form.TimerAnfangTimer();
    ok &= speichern(form, ordner, vorsilbe + "3-anleitung-6");
    form.SeitenZeigen(-1);
    ok &= speichern(form, ordner, vorsilbe + "4-umschlag");
    form.SeitenZeigen(-3);
    ok &= speichern(form, ordner, vorsilbe + "5-anleitung-3");
    form.SeitenZeigen(0);
    ok &= speichern(form, ordner, vorsilbe + "6-inhalt");
    form.SeitenZeigen(14); // a heading on one page, a picture on the other
    ok &= speichern(form, ordner, vorsilbe + "7-textseite");
    form.buchlenkung()->LesezeichenSetzen(1);
    form.SeitenZeigen(20);
    ok &= speichern(form, ordner, vorsilbe + "8-lesezeichen-und-register");
    form.SeitenZeigen(1000);
    ok &= speichern(form, ordner, vorsilbe + "9-albuminhalt");
    form.SeitenZeigen(1002);
    ok &= speichern(form, ordner, vorsilbe + "10-album");
    form.SeitenZeigen(2004);
    ok &= speichern(form, ordner, vorsilbe + "11-hilfe");
    form.PanelMenu()->show();
    form.PanelMenu()->raise();
    ok &= speichern(form, ordner, vorsilbe + "12-bildmenue");
    form.SeitenZeigen(12);
    QImage gedruckt;
    form.setDrucker([&gedruckt](const app::Druckvorlage &seite) {
        gedruckt = seite.bild(2); // at twice the layout's size, as a printer sharpens it
        return QString();
    });
    form.Drucken();
    const QString druck = ordner + '/' + vorsilbe + "13-druckseite.png";
    ok &= gedruckt.save(druck);
    std::printf("geschrieben %s\n", qPrintable(druck));
    // The picture view: a picture with a mark hint, the picture text strip, the mark
    // input, the enlarged copy, the slide show dialog and a section-title screen.
    zustand.BildIndex = 17; // the Mahlgang of the demo: marks, a picture text, an enlarged copy
    form.bildansicht()->BildLaden(QString());
    const testing::Bildteile bild(form);
    if (!form.bildansicht()->marken().marken.isEmpty()) {
        const album::Marke &m = form.bildansicht()->marken().marken.first();
        maus(bild.Flaeche, QEvent::MouseMove, bild.ImageMain->pos() + QPoint(m.x, m.y));
    }
    ok &= speichern(form, ordner, vorsilbe + "15-bild-mit-markierung");
    maus(bild.Flaeche, QEvent::MouseMove, QPoint(info.width / 2, 1));
    ok &= speichern(form, ordner, vorsilbe + "16-bildtext");
    maus(bild.Flaeche, QEvent::MouseButtonPress, QPoint(info.width / 2, 1)); // the text for editing
    ok &= speichern(form, ordner, vorsilbe + "17-bildtext-bearbeiten");
    form.bildansicht()->PanelBildtext()->hide();
    maus(bild.Flaeche, QEvent::MouseButtonPress, bild.ImageMain->pos() + QPoint(200, 200));
    testing::kindNamens<QLineEdit>(*form.bildansicht()->PanelEingabe(), "Edit1")
        ->setText(QStringLiteral("Hier rieselt das Mehl heraus"));
    ok &= speichern(form, ordner, vorsilbe + "18-markierung-eingeben");
    form.bildansicht()->PanelEingabe()->hide();
    maus(bild.SpeedButtonEnlarge, QEvent::MouseButtonRelease, QPoint(1, 1));
    maus(bild.Flaeche, QEvent::MouseButtonPress, bild.ImageMain->pos() + QPoint(400, 250));
    ok &= speichern(form, ordner, vorsilbe + "19-vergroesserung");
    bild.Imagebig->hide();
    form.bildansicht()->PanelBildlauf()->show();
    form.bildansicht()->PanelBildlauf()->raise();
    ok &= speichern(form, ordner, vorsilbe + "20-bildlauf");
    form.bildansicht()->PanelBildlauf()->hide();
    zustand.BildIndex = 11; // the section title "In der Mühle"
    form.bildansicht()->BildLaden(QString());
    ok &= speichern(form, ordner, vorsilbe + "21-abschnittstitel");
    // The album with a caption hint, then the search: the bar with its not-found notice,
    // the found list and a framed hit.
    form.SeitenZeigen(1002);
    form.albumblatt()->ImageAlbumMouseMove(130, 20);
    ok &= speichern(form, ordner, vorsilbe + "22-album-hinweis");
    form.suche()->SuchenClick();
    form.suche()->BevelImBuch(1);
    testing::Suchteile(*form.suche()->PanelSuchen()).Edit2->setText(QStringLiteral("Einhorn"));
    form.suche()->BitBtn3Click();
    ok &= speichern(form, ordner, vorsilbe + "23-suche-nicht-gefunden");
    // A hit in the text: the arrow at its line and the word marked wherever it stands.
    form.suche()->BevelImBuch(1);
    testing::Suchteile(*form.suche()->PanelSuchen()).Edit2->setText(QStringLiteral("Muehle"));
    form.suche()->BitBtn3Click();
    ok &= speichern(form, ordner, vorsilbe + "28-fund-markiert");
    search::TFundliste fundliste;
    form.setFenster(&fundliste, &bearbeitung);
    form.suche()->BevelImBuch(0);
    testing::Suchteile(*form.suche()->PanelSuchen()).Edit2->setText(QStringLiteral("Mühle"));
    form.suche()->BitBtn3Click();
    QCoreApplication::processEvents();
    const QString liste = ordner + '/' + vorsilbe + "24-fundliste.png";
    ok &= fundliste.grab().save(liste);
    std::printf("geschrieben %s\n", qPrintable(liste));
    form.Suchbildausgeben(1);
    ok &= speichern(form, ordner, vorsilbe + "25-fund-gerahmt");
    fundliste.hide();
    // The menu strip over the picture: the bookmarks in the holder are covered.
    maus(bild.Flaeche, QEvent::MouseMove, QPoint(info.width / 2, info.height - 5));
    ok &= speichern(form, ordner, vorsilbe + "26-bildmenue-im-bild");
    form.setFenster(nullptr, &bearbeitung);
    maus(bild.Shape1, QEvent::MouseButtonPress, QPoint(1, 1));
    form.SeitenZeigen(12);
    // Back in the book: no strip, arrow or frame of the picture is left over it.
    ok &= speichern(form, ordner, vorsilbe + "27-zurueck-im-buch");
    form.Windowsstil();
    form.Hinweis(QStringLiteral("Die Fensterdarstellung mit Menüleiste"));
    ok &= speichern(form, ordner, vorsilbe + "14-fenster");
    // The authoring window: start, the album question, a new project in both stages,
    // switching projects.
    bearbeitung.Auswahl(authoring::Aufgabe::Start);
    ok &= speichern(bearbeitung, ordner, vorsilbe + "30-bearbeitung-start");
    bearbeitung.Auswahl(authoring::Aufgabe::Albumfrage);
    ok &= speichern(bearbeitung, ordner, vorsilbe + "31-bearbeitung-album-jetzt");
    bearbeitung.neuesProjekt();
    ok &= speichern(bearbeitung, ordner, vorsilbe + "32-neues-projekt-eingabe");
    auto &rahmen = panel<authoring::Rahmendaten>(bearbeitung, "Panel4Rahmendaten");
    testing::kindNamens<QLineEdit>(rahmen, "EditProgrammName")->setText(QStringLiteral("Garten"));
    testing::kindNamens<QLineEdit>(rahmen, "EditProgrammName")->setModified(true);
    testing::kindNamens<QLineEdit>(rahmen, "EditProjektVerzeichnis")->setText(QStringLiteral("Garten"));
    testing::kindNamens<QLineEdit>(rahmen, "EditProjektVerzeichnis")->setModified(true);
    rahmen.BitBtnProjektOKClick();
    ok &= speichern(bearbeitung, ordner, vorsilbe + "33-neues-projekt-bestaetigen");
    bearbeitung.abbrechen();
    bearbeitung.projektWechseln();
    testing::kindNamens<QListWidget>(panel<authoring::DemoLaden>(bearbeitung, "Panel6DemoLaden"), "FileListBox1")
        ->setCurrentRow(0);
    ok &= speichern(bearbeitung, ordner, vorsilbe + "34-projekt-laden");
    bearbeitung.hide();
    return ok;
}

// The help and the programme's own project copied into `kopie`, for screens that write;
// with `demo` also the demo book, which the author file then names.
bool wurzelKopieren(const QTemporaryDir &kopie, bool demo = false) {
    const QString quelle = QStringLiteral(PAGORA_ROOT);
    if (!kopie.isValid()) return false;
    QStringList teile{QStringLiteral("Help"), QStringLiteral("Pagora")};
    if (demo) teile << QStringLiteral("Quarn");
    for (const QString &teil : teile) {
        QDirIterator it(quelle + '/' + teil, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString datei = it.next();
            const QString ziel = kopie.path() + datei.mid(quelle.size());
            QDir().mkpath(QFileInfo(ziel).absolutePath());
            QFile::copy(datei, ziel);
        }
    }
    for (const char *datei : {"names.exe", "Pagora.ini"})
        QFile::copy(quelle + '/' + datei, kopie.path() + '/' + datei);
    if (demo)
        for (const char *datei : {"Quarn.ini", "Autor.ini"})
            QFile::copy(quelle + '/' + datei, kopie.path() + '/' + datei);
    return true;
}

bool speichernMitFenster(QWidget &form, QWidget &fenster, const QString &ordner, const QString &name);

// The design editors with their live previews on the book, on a copy of the data root.
bool gestaltung(const QString &ordner, platform::ScreenInfo info) {
    QTemporaryDir kopie;
    if (!wurzelKopieren(kopie, true)) return false;
    Programm programm(kopie.path(), info);
    if (programm.form->startAbgebrochen()) return false;
    app::TImageForm &form = *programm.form;
    authoring::TBearbeitung &bearbeitung = *programm.bearbeitung;
    const QString vorsilbe = QStringLiteral("%1x%2-").arg(info.width).arg(info.height);
    while (testing::kindNamens<QWidget>(form, "PanelDeckel")->isHidden() ||
           testing::kindNamens<QWidget>(form, "PanelDeckel")->width() > 200)
        form.TimerAnfangTimer();
    while (testing::kindNamens<QWidget>(form, "PanelDeckel")->isVisible())
        form.TimerAnfangTimer();
    bool ok = true;

    bearbeitung.titelGestalten();
    auto &titel = panel<authoring::Titelpanel>(bearbeitung, "Panel8Titel");
    auto *titelFeld = titel.findChild<QLineEdit *>("EditTitel");
    titelFeld->setText(titelFeld->text() + QStringLiteral(" Mühlenbuch"));
    titel.findChild<QLineEdit *>("EditUntertitel")->setText(QStringLiteral("Vom Korn zum Mehl"));
    for (int i = 0; i < 20; ++i)
        titel.findChild<QToolButton *>("ImageTitelDown")->click();
    for (int i = 0; i < 4; ++i)
        titel.findChild<QToolButton *>("ImageBuchtitelSmaller")->click();
    for (int i = 0; i < 10; ++i)
        titel.findChild<QToolButton *>("ImageUntertitelUp")->click();
    ok &= speichernMitFenster(form, bearbeitung, ordner, vorsilbe + "60-titel");
    bearbeitung.hide();

    bearbeitung.registerGestalten();
    auto &register_ = panel<authoring::Registerpanel>(bearbeitung, "Panel9Register");
    register_.EditGriff[3]->setText(QStringLiteral("Karten"));
    register_.PanelGriffB[3]->click();
    register_.EditGriffSeite[3]->setText(QStringLiteral("3"));
    ok &= speichernMitFenster(form, bearbeitung, ordner, vorsilbe + "61-register");
    bearbeitung.hide();

    bearbeitung.copyrightGestalten();
    QTextEdit *feld = testing::teile(form.PanelBuch()).MemoTextLinks->schreibfeld();
    if (feld) {
        feld->setPlainText(QStringLiteral("\n\n\n© 2026 Verlag am Mühlbach\nAlle Rechte vorbehalten\n\n"
                                          "Nachdruck, auch auszugsweise,\nnur mit Genehmigung."));
        feld->moveCursor(QTextCursor::End);
    }
    ok &= speichernMitFenster(form, bearbeitung, ordner, vorsilbe + "62-copyright");
    bearbeitung.abbrechen();

    bearbeitung.Auswahl(authoring::Aufgabe::Hintergrund);
    auto &hintergrund = panel<authoring::Hintergrundpanel>(bearbeitung, "Panel5Wallpaper");
    testing::kindNamens<QListWidget>(hintergrund, "FileListBoxWallpaper")
        ->setCurrentRow(qMin(2, testing::kindNamens<QListWidget>(hintergrund, "FileListBoxWallpaper")->count() - 1));
    ok &= speichernMitFenster(form, bearbeitung, ordner, vorsilbe + "63-hintergrund");
    hintergrund.BitBtnWallpaperClick();
    form.SeitenZeigen(0);
    ok &= speichern(form, ordner, vorsilbe + "64-hintergrund-gewaehlt");

    // The picture list editor, album production and contents editing, and the book
    // after each: nothing of a task may stay over another page.
    bearbeitung.neueBilderAufnehmen();
    bearbeitung.TimerBilderlisteTimer();
    ok &= speichern(form, ordner, vorsilbe + "65-bilderliste");
    if (authoring::Bilderlisteneditor *liste = bearbeitung.listeneditor())
        liste->findChild<QPushButton *>("BitBtnDontSave")->click();
    form.SeitenZeigen(2);
    ok &= speichern(form, ordner, vorsilbe + "66-nach-der-bilderliste");
    bearbeitung.bilderInsAlbum();
    ok &= speichern(form, ordner, vorsilbe + "67-albuminhalt-bearbeiten");
    form.SeitenZeigen(1002);
    ok &= speichern(form, ordner, vorsilbe + "68-album-nach-herstellung");
    form.SeitenZeigen(2);
    ok &= speichern(form, ordner, vorsilbe + "69-text-nach-herstellung");
    bearbeitung.NurInhaltsverzeichnis(1);
    ok &= speichernMitFenster(form, bearbeitung, ordner, vorsilbe + "70-inhalt-bearbeiten");
    bearbeitung.abbrechen();
    form.SeitenZeigen(4);
    ok &= speichern(form, ordner, vorsilbe + "71-text-nach-inhalt");
    return ok;
}

// The book right after a new project was made, on a copy of the data root.
bool neuesProjekt(const QString &ordner, platform::ScreenInfo info) {
    QTemporaryDir kopie;
    if (!wurzelKopieren(kopie)) return false;
    Programm programm(kopie.path(), info);
    if (programm.form->startAbgebrochen()) return false;
    app::TImageForm &form = *programm.form;
    authoring::TBearbeitung &bearbeitung = *programm.bearbeitung;
    while (testing::kindNamens<QWidget>(form, "PanelDeckel")->isHidden() ||
           testing::kindNamens<QWidget>(form, "PanelDeckel")->width() > 200)
        form.TimerAnfangTimer();
    while (testing::kindNamens<QWidget>(form, "PanelDeckel")->isVisible())
        form.TimerAnfangTimer();
    form.SeitenZeigen(0);
    bearbeitung.neuesProjekt();
    auto &p = panel<authoring::Rahmendaten>(bearbeitung, "Panel4Rahmendaten");
    testing::kindNamens<QLineEdit>(p, "EditProgrammName")->setText(QStringLiteral("Garten"));
    testing::kindNamens<QLineEdit>(p, "EditProgrammName")->setModified(true);
    testing::kindNamens<QLineEdit>(p, "EditProjektVerzeichnis")->setText(QStringLiteral("Garten"));
    testing::kindNamens<QLineEdit>(p, "EditProjektVerzeichnis")->setModified(true);
    p.BitBtnProjektOKClick();
    p.BitBtnProjektOKClick();
    bool ok = speichern(form, ordner, QStringLiteral("%1x%2-35-neues-projekt-buch").arg(info.width).arg(info.height));
    // A help page of the new project: page numbers on the paper, on a black surface.
    form.SeitenZeigen(2002);
    ok &= speichern(form, ordner, QStringLiteral("%1x%2-36-neues-projekt-hilfeseite").arg(info.width).arg(info.height));
    return ok;
}

// The main window with the authoring window drawn where it stands on the screen.
bool speichernMitFenster(QWidget &form, QWidget &fenster, const QString &ordner, const QString &name) {
    QCoreApplication::processEvents();
    QPixmap bild = form.grab();
    if (fenster.isVisible()) {
        QPainter maler(&bild);
        maler.drawPixmap(fenster.pos(), fenster.grab());
    }
    const QString pfad = ordner + '/' + name + ".png";
    const bool ok = bild.save(pfad);
    std::printf("%s %s\n", ok ? "geschrieben" : "FEHLER", qPrintable(pfad));
    return ok;
}

// Importing the demo's text in the window, on a copy of the data root: the import panel
// on the text folder, the book right after the import with the contents memo, panel 11,
// panel 12 and the album contents in the memos.
bool textImport(const QString &ordner, platform::ScreenInfo info) {
    QTemporaryDir kopie;
    if (!kopie.isValid() || QProcess::execute("cp", {"-r", QStringLiteral(PAGORA_ROOT "/."), kopie.path()}) != 0)
        return false;
    Programm programm(kopie.path(), info);
    if (programm.form->startAbgebrochen()) return false;
    app::TImageForm &form = *programm.form;
    authoring::TBearbeitung &bearbeitung = *programm.bearbeitung;
    while (testing::kindNamens<QWidget>(form, "PanelDeckel")->isHidden() ||
           testing::kindNamens<QWidget>(form, "PanelDeckel")->width() > 200)
        form.TimerAnfangTimer();
    while (testing::kindNamens<QWidget>(form, "PanelDeckel")->isVisible())
        form.TimerAnfangTimer();
    const QString vorsilbe = QStringLiteral("%1x%2-").arg(info.width).arg(info.height);
    bool ok = true;
    form.SeitenZeigen(0);
    bearbeitung.textImportieren();
    auto &p = panel<authoring::Panel7Import>(bearbeitung, "Panel7Import");
    p.ordnerSetzen(programm.zustand.dateien.stored(kopie.path() + "/Quarn/Texte/"));
    testing::kindNamens<QListWidget>(p, "FileListBox")->setCurrentRow(0);
    ok &= speichern(bearbeitung, ordner, vorsilbe + "40-text-importieren");
    p.BitBtnLadenClick();
    ok &= speichernMitFenster(form, bearbeitung, ordner, vorsilbe + "41-nach-dem-import");
    ok &= speichern(bearbeitung, ordner, vorsilbe + "42-inhaltsverzeichnis");
    bearbeitung.inhaltsbearbeitung().PanelSaveContentsClick();
    // The demo's own text gives the book the build made.
    for (const char *datei : {"/Quarn/Pages/Quarn.5", "/Quarn/Pages/Quarn.1"}) {
        QFile neu(kopie.path() + datei), alt(QStringLiteral(PAGORA_ROOT) + datei);
        const bool gleich =
            neu.open(QIODevice::ReadOnly) && alt.open(QIODevice::ReadOnly) && neu.readAll() == alt.readAll();
        std::printf("%s nach dem Import im Fenster: %s\n", datei, gleich ? "wie gebaut" : "ANDERS ALS GEBAUT");
        ok &= gleich;
    }
    bearbeitung.inhaltsverzeichnisWaehlen();
    ok &= speichern(bearbeitung, ordner, vorsilbe + "43-inhaltsverzeichnis-auswahl");
    bearbeitung.NurInhaltsverzeichnis(0);
    ok &= speichernMitFenster(form, bearbeitung, ordner, vorsilbe + "44-albuminhalt-bearbeiten");
    return ok;
}

// The picture list editor and album production on a copy of the demo: two new bitmaps
// in its album folder and one listed picture gone.
bool bilderliste(const QString &ordner, platform::ScreenInfo info) {
    QTemporaryDir kopie;
    const QString quelle = QStringLiteral(PAGORA_ROOT);
    if (!kopie.isValid()) return false;
    QDirIterator it(quelle, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString datei = it.next();
        const QString ziel = kopie.path() + datei.mid(quelle.size());
        QDir().mkpath(QFileInfo(ziel).absolutePath());
        QFile::copy(datei, ziel);
    }
    const QString album = kopie.path() + "/Quarn/Album/";
    QFile::copy(album + "Windmuel.bmp", album + "Scheune.bmp");
    QFile::copy(album + "Holland.bmp", album + "Hofhund.bmp");
    QFile::rename(album + "Brezel.bmp", kopie.path() + "/Brezel.bmp");
    Programm programm(kopie.path(), info);
    if (programm.form->startAbgebrochen()) return false;
    app::TImageForm &form = *programm.form;
    authoring::TBearbeitung &bearbeitung = *programm.bearbeitung;
    while (testing::kindNamens<QWidget>(form, "PanelDeckel")->isHidden() ||
           testing::kindNamens<QWidget>(form, "PanelDeckel")->width() > 200)
        form.TimerAnfangTimer();
    while (testing::kindNamens<QWidget>(form, "PanelDeckel")->isVisible())
        form.TimerAnfangTimer();
    form.SeitenZeigen(1002);
    const QString vorsilbe = QStringLiteral("%1x%2-").arg(info.width).arg(info.height);
    bool ok = true;
    bearbeitung.neueBilderAufnehmen();
    ok &= speichern(form, ordner, vorsilbe + "50-bilderliste-wird-geschrieben");
    bearbeitung.TimerBilderlisteTimer();
    authoring::Bilderlisteneditor &e = *bearbeitung.listeneditor();
    auto *memo = e.findChild<authoring::ListenMemo *>("MemoListe");
    QTextCursor zeile(memo->document()->findBlockByNumber(3));
    zeile.movePosition(QTextCursor::Right);
    memo->setTextCursor(zeile);
    Q_EMIT memo->geklickt(); // as a click there tells the editor
    auto *neue = e.findChild<QListWidget *>("ListboxNeueBilder");
    neue->setCurrentRow(1);
    Q_EMIT neue->itemClicked(neue->item(1));
    e.findChild<QLineEdit *>("EditBildKommentar")->setText(QStringLiteral("Die Scheune~ am Hof"));
    ok &= speichern(form, ordner, vorsilbe + "51-bilderliste-neue-bilder");
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Pagora"),
                    QString::fromUtf8("\"Brezel\" wurde verschoben oder gelöscht!"), QMessageBox::Ok, &form);
    box.show();
    box.move((info.width - box.width()) / 2, (info.height - box.height()) / 2);
    ok &= speichern(box, ordner, vorsilbe + "52-bilderliste-fehlt");
    box.hide();
    e.findChild<QPushButton *>("BitBtnAlle")->click();
    ok &= speichern(form, ordner, vorsilbe + "53-bilderliste-ohne-neue");
    e.findChild<QPushButton *>("PanelSave")->click();
    ok &= speichern(bearbeitung, ordner, vorsilbe + "54-bearbeitung-album-jetzt");
    QFile::rename(kopie.path() + "/Brezel.bmp", album + "Brezel.bmp"); // found again before the album is made
    bool halb = false;
    QObject::connect(bearbeitung.albumherstellung(), &authoring::Albumherstellung::slotFertig, &form,
                     [&](int, int prozent) {
                         if (halb || prozent < 50) return;
                         halb = true;
                         ok &= speichern(form, ordner, vorsilbe + "55-album-herstellung-halb");
                     });
    bearbeitung.albumherstellung()->setBildabstand(0);
    bearbeitung.bilderInsAlbum();
    ok &= halb;
    ok &= speichern(form, ordner, vorsilbe + "56-albuminhalt-nach-herstellung");
    form.SeitenZeigen(1004);
    ok &= speichern(form, ordner, vorsilbe + "57-album-neue-seite");
    return ok;
}

// The book as "Passend" draws it on a large screen: the same logical layout at the
// screen's factor, with a turn caught in the middle.
bool skaliert(QApplication &anwendung, const QString &ordner, int breite, int hoehe) {
    const double f = app::PassenderFaktor(breite, hoehe);
    platform::setDrawingFactor(f);
    app::GlatteBilderSetzen(anwendung);
    Programm programm(QStringLiteral(PAGORA_ROOT), {int(breite / f), int(hoehe / f), 96});
    if (programm.form->startAbgebrochen()) return false;
    app::TImageForm &form = *programm.form;
    programm.zustand.ansicht.blaetternZeigen = true;
    while (testing::kindNamens<QWidget>(form, "PanelDeckel")->isHidden())
        form.TimerAnfangTimer();
    while (testing::kindNamens<QWidget>(form, "PanelDeckel")->isVisible())
        form.TimerAnfangTimer();
    const QString vorsilbe = QStringLiteral("%1x%2-passend-").arg(breite).arg(hoehe);
    bool ok = true;
    form.SeitenZeigen(12);
    form.buchlenkung()->BlaetternBeenden();
    form.SeitenZeigen(14);
    form.buchlenkung()->blaetteranimation()->anhalten(0.35);
    ok &= speichern(form, ordner, vorsilbe + "blaettern-mitte");
    form.buchlenkung()->BlaetternBeenden();
    ok &= speichern(form, ordner, vorsilbe + "textseite");
    form.suche()->SuchenClick();
    form.suche()->BevelImBuch(1);
    testing::Suchteile(*form.suche()->PanelSuchen()).Edit2->setText(QStringLiteral("Muehle"));
    form.suche()->BitBtn3Click();
    form.buchlenkung()->BlaetternBeenden();
    ok &= speichern(form, ordner, vorsilbe + "fund-markiert");
    form.suche()->schliessen();
    form.SeitenZeigen(1002);
    form.buchlenkung()->BlaetternBeenden();
    ok &= speichern(form, ordner, vorsilbe + "album");
    programm.zustand.BildIndex = 17;
    form.bildansicht()->BildLaden(QString());
    ok &= speichern(form, ordner, vorsilbe + "bild");
    return ok;
}

} // namespace

int main(int argc, char **argv) {
    platform::useOwnFontConfiguration();
    QApplication anwendung(argc, argv);
    platform::registerBundledFonts();
    const QString ordner = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(ordner);
    bool ok = true;
    for (const platform::ScreenInfo info : {platform::ScreenInfo{800, 600, 96}, platform::ScreenInfo{1920, 1080, 96}})
        ok &= aufnehmen(ordner, info) && neuesProjekt(ordner, info) && textImport(ordner, info) &&
              bilderliste(ordner, info) && gestaltung(ordner, info);
    // Last, as the drawing factor holds for every window made after it.
    for (const QSize bildschirm : {QSize(1920, 1080), QSize(3840, 2160)})
        ok &= skaliert(anwendung, ordner, bildschirm.width(), bildschirm.height());
    return ok ? 0 : 1;
}
