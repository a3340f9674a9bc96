// The design editors of the authoring window on the real main window: the title with
// its live preview, the register tabs, the copyright page written on the book, and the
// background picture with its preview. Each OK is checked against the whole file.
#include "album/views/bildansicht.h"
#include "app/core/startlogik.h"
#include "app/views/timageform.h"
#include "authoring/views/copyrightpanel.h"
#include "authoring/views/hintergrundpanel.h"
#include "authoring/views/registerpanel.h"
#include "authoring/views/titelpanel.h"
#include "autorenfixture.h"
#include "autorenteile.h"
#include "bildteile.h"
#include "book/views/bildflaeche.h"
#include "book/views/buchpanel.h"
#include "buchteile.h"
#include "fixture.h"
#include "platform/fonts.h"
#include "stillemeldungen.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

using namespace authoring;
using testing::sichtbar;
using Art = platform::Meldungen::Art;

namespace {

using Aufzeichnung = testing::Meldungsaufzeichnung;

struct Programm {
    explicit Programm(const QStringList &ini = {}, platform::ScreenInfo s = {800, 600, 96},
                      bool schreibgeschuetzt = false)
        : screen(s) {
        w.schreiben("names.exe", "x");
        for (const char *bild : {"CBT0", "Book", "Album0"})
            w.bitmap(QStringLiteral("Help/%1.bmp").arg(QLatin1String(bild)), 20, 20);
        w.text("Pagora.ini", QStringList{"ShowCBT=0"} + ini);
        w.text("Pagora/Pages/Pagora.1", {"Anfang        2"});
        w.text("Pagora/Pages/Pagora.2", {"Bilder        1"});
        w.text("Pagora/Pages/Pagora.4", {"Alter Vermerk"});
        w.bitmap("Pagora/Album/Garten.bmp", 800, 600, Qt::darkGreen);
        w.bitmap("Pagora/Album/Klein.bmp", 400, 300, Qt::red);
        w.bitmap("Pagora/Album/alt.neu.bmp", 800, 600, Qt::blue);
        if (schreibgeschuetzt) w.schreibschutz();
        testing::fensterOeffnen(w, screen, meldungen, zustand, form, bearbeitung);
        iniVorher = w.lesen("Pagora.ini");
    }
    book::BuchPanel &buch() const { return *form->PanelBuch(); }
    // The settings file expected after OK: the read table with these values.
    QByteArray einstellungen(const QList<QPair<QString, QString>> &werte) const {
        projekt::Einstellungen e;
        e.setzen("ShowCBT", "0");
        for (const auto &[k, v] : werte)
            e.setzen(k, v);
        return e.schreiben(projekt::Einstellungen());
    }
    template <typename T> T *knopf(QWidget *panel, const QString &name) const {
        T *k = panel->findChild<T *>(name);
        if (k) QTest::mouseClick(k, Qt::LeftButton);
        return k;
    }
    testing::Datenwurzel w;
    platform::SimulatedScreen screen;
    Aufzeichnung meldungen;
    std::unique_ptr<app::Zustand> zustand;
    std::unique_ptr<app::TImageForm> form;
    std::unique_ptr<TBearbeitung> bearbeitung;
    QByteArray iniVorher; // the settings file as the program found it
};

} // namespace

class TestGestaltung : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Typing shows on the screen title, its shadow and the book title letter by letter;
    // OK writes the settings file with the title's keys and hides the window.
    void theTitleShowsWhileTypingAndOkStoresIt() {
        Programm p;
        Titelpanel &t = testing::panel<Titelpanel>(*p.bearbeitung, "Panel8Titel");
        const testing::Titelteile teile(t);
        testing::starten(*p.bearbeitung, "PanelProjektTitel");
        QCOMPARE(p.zustand->AktuelleSeite, -1);
        QCOMPARE(p.bearbeitung->pos(), QPoint(0, 600 - p.bearbeitung->height()));
        QCOMPARE(testing::vorderesPanel(*p.bearbeitung), &t);
        QCOMPARE(teile.EditTitel->selectedText(), QString("Pagora"));
        QCOMPARE(teile.LabelTitelLeft->text(), QString("64"));
        QCOMPARE(teile.PanelTitelSize->text(), QString("36"));
        teile.EditTitel->clear();
        for (const QString &bis : QStringList{"M", "Mü", "Müh"}) {
            // A letter beyond ASCII, typed as a keyboard sends it.
            QTest::sendKeyEvent(QTest::Click, teile.EditTitel, Qt::Key_unknown, QString(bis.back()), Qt::NoModifier);
            for (QLabel *l : {testing::kindNamens<QLabel>(*p.form, "LabelProjekttitel1"),
                              testing::kindNamens<QLabel>(*p.form, "LabelProjekttitel2"),
                              testing::teile(p.buch()).LabelProjekttitel3})
                QCOMPARE(l->text(), bis);
        }
        QTest::keyClicks(teile.EditUntertitel, "Ein Tal");
        QCOMPARE(testing::teile(p.buch()).LabelProjektUnterTitel->text(), QString("Ein Tal"));
        for (int i = 0; i < 3; ++i)
            p.knopf<QToolButton>(&t, "ImageTitelLeft");
        p.knopf<QToolButton>(&t, "ImageUntertitelDown");
        p.knopf<QToolButton>(&t, "ImageBuchtitelBigger");
        QCOMPARE(teile.LabelTitelLeft->text(), QString("61"));
        QCOMPARE(testing::kindNamens<QLabel>(*p.form, "LabelProjekttitel1")->x(), 61);
        QCOMPARE(testing::kindNamens<QLabel>(*p.form, "LabelProjekttitel2")->x(), 66); // the shadow moves on its own
        QCOMPARE(testing::teile(p.buch()).LabelProjektUnterTitel->y(), 225);
        QCOMPARE(testing::teile(p.buch()).LabelProjekttitel3->font().pixelSize(),
                 platform::screenFont("Arial", 25, 96, true).pixelSize());
        QCOMPARE(p.w.lesen("Pagora.ini"), p.iniVorher); // nothing stored before OK
        QTest::keyClick(teile.EditTitel, Qt::Key_Return);
        QVERIFY(!p.bearbeitung->isVisible());
        QCOMPARE(p.w.lesen("Pagora.ini"), p.einstellungen({{"Title", "Müh"},
                                                           {"Title.Left", "61"},
                                                           {"Title2", "Ein Tal"},
                                                           {"Title2.Top", "225"},
                                                           {"Title1.FontSize", "25"}}));
    }

    // Closing without OK keeps the file; opening again starts from what is stored and
    // puts the stored look back on the book.
    void closingWithoutOkKeepsTheFile() {
        Programm p({"Title=Alt"});
        Titelpanel &t = testing::panel<Titelpanel>(*p.bearbeitung, "Panel8Titel");
        const testing::Titelteile teile(t);
        testing::starten(*p.bearbeitung, "PanelProjektTitel");
        QTest::keyClicks(teile.EditTitel, "Neu");
        p.knopf<QToolButton>(&t, "ImageSchattenDown");
        QTest::keyClick(p.bearbeitung.get(), Qt::Key_Escape);
        QVERIFY(!p.bearbeitung->isVisible());
        QCOMPARE(p.w.lesen("Pagora.ini"), p.iniVorher);
        QCOMPARE(p.zustand->einstellungen.wert("Title"), QString("Alt"));
        testing::starten(*p.bearbeitung, "PanelProjektTitel");
        QCOMPARE(teile.EditTitel->text(), QString("Alt"));
        QCOMPARE(testing::kindNamens<QLabel>(*p.form, "LabelProjekttitel1")->text(), QString("Alt"));
        QCOMPARE(testing::kindNamens<QLabel>(*p.form, "LabelProjekttitel2")->y(), 10);
    }

    // Positions stay on the screen (the book for the cover's elements), sizes within
    // their bounds; a large-font screen stores the sizes as the settings hold them.
    void stepsAreHeldToTheScreen_data() {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<int>("ppi");
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<QString>("schluessel");
        QTest::addColumn<QString>("wert");
        QTest::newRow("left edge") << "Title.Left=1" << 96 << "ImageTitelLeft"
                                   << "Title.Left"
                                   << "0";
        QTest::newRow("right edge") << "Shadow.Left=798" << 96 << "ImageSchattenRight"
                                    << "Shadow.Left"
                                    << "799";
        QTest::newRow("stored beyond the screen") << "Title.Top=5000" << 96 << "ImageTitelDown"
                                                  << "Title.Top"
                                                  << "599";
        QTest::newRow("foot of the book") << "Title1.Top=439" << 96 << "ImageBuchTitelDown"
                                          << "Title1.Top"
                                          << "440";
        QTest::newRow("smallest size") << "Title2.FontSize=5" << 96 << "ImageUntertitelSmaller"
                                       << "Title2.FontSize"
                                       << "4";
        QTest::newRow("large fonts") << "Title.FontSize=36" << 120 << "ImageTitelBigger"
                                     << "Title.FontSize"
                                     << "39";
    }
    void stepsAreHeldToTheScreen() {
        QFETCH(QString, ini);
        QFETCH(int, ppi);
        QFETCH(QString, knopf);
        QFETCH(QString, schluessel);
        QFETCH(QString, wert);
        Programm p({ini}, {800, 600, ppi});
        Titelpanel &t = testing::panel<Titelpanel>(*p.bearbeitung, "Panel8Titel");
        const testing::Titelteile teile(t);
        testing::starten(*p.bearbeitung, "PanelProjektTitel");
        for (int i = 0; i < 3; ++i)
            QVERIFY(p.knopf<QToolButton>(&t, knopf));
        QTest::mouseClick(teile.BitBtnTitelOk, Qt::LeftButton);
        QCOMPARE(p.zustand->einstellungen.wert(schluessel), wert);
        QCOMPARE(p.w.lesen("Pagora.ini"), p.einstellungen({{schluessel, wert}}));
        if (ppi != 96) {
            const int grad = app::SchriftgradFuer(ppi).Schriftgrad;
            QCOMPARE(testing::kindNamens<QLabel>(*p.form, "LabelProjekttitel1")->font().pixelSize(),
                     platform::screenFont("Arial", app::SkalierteGroesse(39, grad), ppi, true).pixelSize());
        }
    }

    // The register: defaults in the rows, captions on the tabs while typing, a cleared
    // choice drops its tab, Enter stores all rows.
    void theRegisterTabs() {
        Programm p;
        Registerpanel &r = testing::panel<Registerpanel>(*p.bearbeitung, "Panel9Register");
        testing::starten(*p.bearbeitung, "PanelRegister");
        QCOMPARE(p.zustand->AktuelleSeite, 1000);
        QCOMPARE(p.bearbeitung->pos(), QPoint(800 - p.bearbeitung->width(), 600 - p.bearbeitung->height()));
        QCOMPARE(r.EditGriff[1]->text(), QString("Bilder"));
        QCOMPARE(r.teil(1), Buchteil::Bilder);
        QCOMPARE(r.teil(3), Buchteil::Text);
        QCOMPARE(r.EditGriffSeite[3]->text(), QString("0"));
        QTest::keyClicks(r.EditGriff[3], "Karten");
        QCOMPARE(testing::teile(p.buch()).LabelGriffL[3]->text(), QString("Karten"));
        QCOMPARE(testing::teile(p.buch()).LabelGriffR[3]->text(), QString("Karten"));
        QVERIFY(sichtbar(testing::teile(p.buch()).GriffL[3])); // page 0 lies behind the album's contents
        QTest::mouseClick(r.PanelGriffB[3], Qt::LeftButton);
        r.EditGriffSeite[3]->setText("12");
        QVERIFY(sichtbar(testing::teile(p.buch()).GriffR[3])); // 1012 lies ahead
        QCOMPARE(r.PanelGriffB[3]->styleSheet().contains(Registerpanel::kGewaehlt.name()), true);
        QCOMPARE(r.PanelGriffT[3]->styleSheet().contains(Registerpanel::kFrei.name()), true);
        QTest::mouseClick(r.PanelGriffH[2], Qt::LeftButton); // the chosen part again: none
        QCOMPARE(r.teil(2), Buchteil::Keiner);
        QVERIFY(!sichtbar(testing::teile(p.buch()).GriffL[2]) && !sichtbar(testing::teile(p.buch()).GriffR[2]));
        QTest::keyClick(r.EditGriff[0], Qt::Key_Return);
        QVERIFY(!p.bearbeitung->isVisible());
        QCOMPARE(p.w.lesen("Pagora.ini"), p.einstellungen({{"Sheet3", ""}, {"Sheet4", "Karten"}, {"Mark4", "1012"}}));
    }

    // Writing on the book: the arrows move the caret and turn no page, OK writes the
    // lines byte for byte and the arrows turn pages again.
    void theCopyrightPageIsWrittenOnTheBook() {
        Programm p;
        Copyrightpanel &c = testing::panel<Copyrightpanel>(*p.bearbeitung, "Panel10Copyright");
        testing::starten(*p.bearbeitung, "PanelCopyright");
        QCOMPARE(p.zustand->AktuelleSeite, 0);
        QVERIFY(c.CopyrightBearbeitung());
        QTextEdit *feld = testing::teile(p.buch()).MemoTextLinks->schreibfeld();
        QVERIFY(feld && sichtbar(feld));
        QCOMPARE(feld->toPlainText(), QString("Alter Vermerk"));
        feld->selectAll();
        QTest::keyClicks(feld, "Alle Rechte");
        QTest::keyClick(feld, Qt::Key_Return);
        QTest::keyClicks(feld, "bei mir");
        QTest::keyClick(feld, Qt::Key_Left);
        QTest::keyClick(feld, Qt::Key_Up);
        QTest::keyClick(feld, Qt::Key_Home);
        QTest::keyClicks(feld, "X");
        QTest::keyClick(p.form.get(), Qt::Key_Right);
        QTest::keyClick(p.form.get(), Qt::Key_Escape);
        QCOMPARE(p.zustand->AktuelleSeite, 0);
        QTest::keyClick(p.bearbeitung.get(), Qt::Key_Return);
        QVERIFY(!c.CopyrightBearbeitung());
        QVERIFY(!p.bearbeitung->isVisible());
        QCOMPARE(p.w.lesen("Pagora/Pages/Pagora.4"), QByteArray("XAlle Rechte\r\nbei mir\r\n"));
        QVERIFY(!testing::teile(p.buch()).MemoTextLinks->schreibbar());
        QCOMPARE(testing::teile(p.buch()).MemoTextLinks->zeilen(), QStringList({"XAlle Rechte", "bei mir"}));
        QTest::keyClick(p.form.get(), Qt::Key_Right);
        QVERIFY(p.zustand->AktuelleSeite != 0);
    }

    // Cancel keeps the file; a text longer than the page is cut only when the author
    // agrees, and is cut visibly on the page.
    void theCopyrightPageKeepsItsFileUnlessSaved_data() {
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<bool>("abbrechen");
        QTest::addColumn<bool>("antwort");
        QTest::addColumn<int>("gespeichert"); // lines in the file; -1: unchanged
        QTest::newRow("cancel") << 3 << true << true << -1;
        QTest::newRow("a full page") << 29 << false << true << 29;
        QTest::newRow("too long, agreed") << 31 << false << true << 29;
        QTest::newRow("too long, refused") << 31 << false << false << -1;
    }
    void theCopyrightPageKeepsItsFileUnlessSaved() {
        QFETCH(int, zeilen);
        QFETCH(bool, abbrechen);
        QFETCH(bool, antwort);
        QFETCH(int, gespeichert);
        Programm p;
        p.meldungen.antwort = antwort;
        Copyrightpanel &c = testing::panel<Copyrightpanel>(*p.bearbeitung, "Panel10Copyright");
        const QByteArray vorher = p.w.lesen("Pagora/Pages/Pagora.4");
        testing::starten(*p.bearbeitung, "PanelCopyright");
        QStringList text;
        for (int i = 1; i <= zeilen; ++i)
            text << QStringLiteral("Zeile %1").arg(i);
        testing::teile(p.buch()).MemoTextLinks->schreibfeld()->setPlainText(text.join('\n'));
        if (abbrechen)
            QTest::mouseClick(testing::kindNamens<QPushButton>(c, "BitBtn6"), Qt::LeftButton);
        else
            QTest::mouseClick(testing::kindNamens<QPushButton>(c, "PanelSave"), Qt::LeftButton);
        QCOMPARE(p.meldungen.fragen.size(), zeilen > 29 ? 1 : 0);
        if (gespeichert < 0) {
            QCOMPARE(p.w.lesen("Pagora/Pages/Pagora.4"), vorher);
            QCOMPARE(c.CopyrightBearbeitung(), !abbrechen);
            return;
        }
        QCOMPARE(p.w.lesen("Pagora/Pages/Pagora.4"), platform::joinLines(text.mid(0, gespeichert)));
        QCOMPARE(testing::teile(p.buch()).MemoTextLinks->zeilen().size(), gespeichert);
    }

    // The background: nothing chosen changes nothing; click and arrow keys preview; OK
    // stores the name, shows the picture and writes the file, except on a read-only root.
    void theBackgroundPicture_data() {
        QTest::addColumn<bool>("schreibgeschuetzt");
        QTest::newRow("writable") << false;
        QTest::newRow("read-only") << true;
    }
    void theBackgroundPicture() {
        QFETCH(bool, schreibgeschuetzt);
        Programm p({}, {800, 600, 96}, schreibgeschuetzt);
        QCOMPARE(p.zustand->NurLesen, schreibgeschuetzt);
        Hintergrundpanel &h = testing::panel<Hintergrundpanel>(*p.bearbeitung, "Panel5Wallpaper");
        p.form->ImageMenuMouseDown(6 * 64 + 45, 10); // the image menu's background cell
        QVERIFY(p.bearbeitung->isVisible());
        QCOMPARE(testing::vorderesPanel(*p.bearbeitung), &h);
        QCOMPARE(testing::kindNamens<QListWidget>(h, "FileListBoxWallpaper")->count(), 3);
        QCOMPARE(testing::kindNamens<QLineEdit>(h, "EditHintergrundbild")->text(), QString("*.bmp"));
        const QImage leer = h.vorschau();
        QCOMPARE(leer.pixel(12, 10), qRgb(192, 192, 192));
        QTest::mouseClick(testing::kindNamens<QPushButton>(h, "BitBtnWallpaper"), Qt::LeftButton);
        QVERIFY(p.bearbeitung->isVisible());
        QCOMPARE(p.zustand->einstellungen.wert("Wallpaper"), QString());

        QListWidget *liste = testing::kindNamens<QListWidget>(h, "FileListBoxWallpaper");
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(liste->item(1)).center());
        QCOMPARE(testing::kindNamens<QLineEdit>(h, "EditHintergrundbild")->text(), QString("Garten.bmp"));
        QCOMPARE(h.vorschau().pixel(91, 69), QColor(Qt::darkGreen).rgb());
        QTest::keyClick(liste, Qt::Key_Down);
        QCOMPARE(testing::kindNamens<QLineEdit>(h, "EditHintergrundbild")->text(), QString("Klein.bmp"));
        QCOMPARE(h.vorschau().pixel(51, 39), QColor(Qt::red).rgb());
        QCOMPARE(h.vorschau().pixel(52, 40), qRgb(192, 192, 192));
        QTest::keyClick(liste, Qt::Key_Up);
        QTest::keyClick(liste, Qt::Key_Up);
        QCOMPARE(testing::kindNamens<QLineEdit>(h, "EditHintergrundbild")->text(), QString("alt.neu.bmp"));
        QTest::mouseClick(testing::kindNamens<QPushButton>(h, "BitBtnWallpaper"), Qt::LeftButton);
        QVERIFY(!p.bearbeitung->isVisible());
        QCOMPARE(p.zustand->einstellungen.wert("Wallpaper"), QString("alt.neu"));
        QVERIFY(sichtbar(testing::Bildteile(*p.form).ImageMain));
        QCOMPARE(testing::Bildteile(*p.form).ImageMain->size(), QSize(800, 600)); // no title picture in this root
        QVERIFY(p.meldungen.boxen.isEmpty());
        QCOMPARE(p.w.lesen("Pagora.ini"),
                 schreibgeschuetzt ? p.iniVorher : p.einstellungen({{"Wallpaper", "alt.neu"}}));
    }

    // A settings file that cannot be replaced is reported and stays whole.
    void aFailedWriteIsReported() {
        Programm p;
        p.zustand->einstellungsQuelle.clear(); // the file on disk is no longer the table's own
        testing::starten(*p.bearbeitung, "PanelRegister");
        QTest::mouseClick(testing::kindNamens<QPushButton>(
                              testing::panel<Registerpanel>(*p.bearbeitung, "Panel9Register"), "BitBtnRegisterOk"),
                          Qt::LeftButton);
        QCOMPARE(p.meldungen.boxen.size(), 1);
        QCOMPARE(p.meldungen.boxen.first().first, Art::Fehler);
        QCOMPARE(p.w.lesen("Pagora.ini"), p.iniVorher);
    }
};

QTEST_MAIN(TestGestaltung)
#include "test_gestaltung.moc"
