// Every entry of the key map, done with the keyboard alone, as a reader without a
// mouse does it: each key's effect is checked where the reader would see it.
#include "album/views/albumblatt.h"
#include "album/views/bildansicht.h"
#include "album/views/bildansichtpanels.h"
#include "app/views/buchlenkung.h"
#include "app/views/hinweiszeile.h"
#include "app/views/tastenuebersicht.h"
#include "app/views/timageform.h"
#include "authoring/views/tbearbeitung.h"
#include "bildteile.h"
#include "book/core/seitensatz.h"
#include "book/views/bildflaeche.h"
#include "book/views/buchpanel.h"
#include "buchfixture.h"
#include "buchteile.h"
#include "search/views/suchleiste.h"
#include "search/views/suchsteuerung.h"
#include "search/views/tfundliste.h"
#include "suchteile.h"

#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextDocument>
#include <QtTest>

using testing::sichtbar;

namespace {

// A book with all a key can reach: two register tabs, a picture in the text, a word on
// two spreads, album pictures with marks, a picture text and an enlarged copy, the tour.
struct Tastenbuch {
    Tastenbuch() {
        w.schreiben("names.exe", "x");
        for (const char *bild : {"CBT0", "Book", "CBTend"})
            w.bitmap(QStringLiteral("Help/%1.bmp").arg(QLatin1String(bild)), 20, 20);
        w.bitmap("Help/Album0.bmp", 524, 384, Qt::white);
        w.text("Pagora.ini", {"ShowCBT=0", "Sheet1=Anfang", "Sheet2=Bilder", "Mark1=4", "Mark2=1002"});
        w.text("Pagora/Pages/Pagora.1", {"Anfang        2", "Mitte         5"});
        w.text("Pagora/Pages/Pagora.2", {"Bilder        1"});
        w.text("Pagora/Pages/Pagora.6", {"Hilfe         1"});
        w.text("Pagora/Pages/Pagora.3", {"Turm:Der Turm", "Hafen:Der Hafen", "Ende:Das Ende"});
        w.schreiben("Pagora/Pages/Pagora.5", testing::seitendatei(9, {{3, {{7, "Die Muehle am Bach"}}},
                                                                      {5,
                                                                       {{4, ":B:Turm"},
                                                                        {5, "\xa4"
                                                                            "Der Turm"}}},
                                                                      {8, {{9, "Noch eine M\xfchle"}}}}));
        w.schreiben("Pagora/Pages/Pagora.7", testing::seitendatei(4));
        w.bitmap("Pagora/Slides/Turm.bmp", 200, 100, Qt::darkGreen);
        for (const char *name : {"Turm", "Hafen", "Ende"})
            w.bitmap(QStringLiteral("Pagora/Album/%1.bmp").arg(QLatin1String(name)), 400, 300, Qt::darkCyan);
        w.bitmap("Pagora/Huge/Hafen.bmp", 1600, 1200, Qt::darkBlue);
        w.text("Pagora/Album/Hafen.Txt", {"0100,0100,Der Kran", "0200,0150,Das Lagerhaus"});
        w.text("Pagora/Album/Hafen.dok", {"Der Hafen im Winter"});
        w.bitmap("Pagora/Pages/Pagora002.bmp", 524, 384, Qt::white);
        zustand = std::make_unique<app::Zustand>(w.dateien());
        zustand->programmDatei = w.gespeichert() + "Pagora.exe";
        form = std::make_unique<app::TImageForm>(*zustand, screen, meldungen);
        form->eroeffnungAnhalten();
        form->setFenster([this] { return fundliste.get(); },
                         [this] {
                             if (!bearbeitung)
                                 bearbeitung = std::make_unique<authoring::TBearbeitung>(*zustand, screen, meldungen);
                             return bearbeitung.get();
                         });
        form->setDrucker([this](const app::Druckvorlage &) {
            ++gedruckt;
            return QString();
        });
        for (int i = 0; i < 60; ++i)
            form->TimerAnfangTimer();
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    // A key as the keyboard gives it: to the window that has the keys.
    void taste(int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QWindow *fenster = QGuiApplication::focusWindow();
        QTest::keyClick(fenster ? fenster : form->windowHandle(), Qt::Key(k), m);
    }
    void tippen(const QString &text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    QWidget *fokus() const { return QApplication::focusWidget(); }
    int seite() const { return zustand->AktuelleSeite; }
    // Tab until the focus rests on `ziel`; false when a whole round does not reach it.
    bool tabBis(const QWidget *ziel) {
        for (int i = 0; i < 80 && fokus() != ziel; ++i)
            taste(Qt::Key_Tab);
        return fokus() == ziel;
    }

    testing::Datenwurzel w;
    platform::SimulatedScreen screen{{1024, 768, 96}};
    testing::Meldungsaufzeichnung meldungen;
    std::unique_ptr<app::Zustand> zustand;
    std::unique_ptr<search::TFundliste> fundliste = std::make_unique<search::TFundliste>();
    std::unique_ptr<authoring::TBearbeitung> bearbeitung;
    std::unique_ptr<app::TImageForm> form;
    int gedruckt = 0;
};

} // namespace

class TestTastenweg : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void jedeTasteDerUebersichtWirkt() {
        Tastenbuch b;
        QSet<QString> geprueft;
        const QList<app::Tastenzeile> karte = app::Tastenbelegung();
        auto erledigt = [&](const char *tasten) {
            const QString t = app::Tastenuebersicht::tr(tasten);
            QVERIFY2(
                std::any_of(karte.cbegin(), karte.cend(), [&](const app::Tastenzeile &z) { return z.tasten == t; }),
                qPrintable(t));
            geprueft << t;
        };
        auto teile = testing::teile(b.form->PanelBuch());
        album::Bildansicht &ansicht = *b.form->bildansicht();
        const testing::Bildteile bild(*b.form);

        // The cover: Tab reaches the tour's tick box, Space ticks it.
        b.form->SeitenZeigen(-1);
        QVERIFY(b.tabBis(teile.PanelNoCBT));
        QCOMPARE(b.zustand->einstellungen.wert("ShowCBT"), QString("0"));
        b.taste(Qt::Key_Space); // unticked: the guide starts
        QCOMPARE(b.zustand->einstellungen.wert("ShowCBT"), QString());
        QCOMPARE(b.seite(), -6);
        b.form->SeitenZeigen(-1);
        QVERIFY(b.tabBis(teile.PanelNoCBT));
        b.taste(Qt::Key_Return); // ticked again: the book opens
        QCOMPARE(b.zustand->einstellungen.wert("ShowCBT"), QString("0"));
        QCOMPARE(b.seite(), 0);

        // The key map itself.
        b.taste(Qt::Key_Question, Qt::ShiftModifier);
        auto *uebersicht = b.form->findChild<app::Tastenuebersicht *>();
        QVERIFY(uebersicht && uebersicht->isVisible());
        QCOMPARE(testing::kindNamens<QTableWidget>(*uebersicht, "TabelleTasten")->rowCount(), int(karte.size()));
        b.taste(Qt::Key_Escape);
        QVERIFY(!uebersicht->isVisible());
        b.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(b.form.get()));
        erledigt("?");

        // Turning and the parts.
        b.form->SeitenZeigen(4);
        b.form->setFocus();
        b.taste(Qt::Key_Right);
        QCOMPARE(b.seite(), 6);
        b.taste(Qt::Key_Left);
        QCOMPARE(b.seite(), 4);
        erledigt("Pfeil rechts, Pfeil unten, Bild ab");
        erledigt("Pfeil links, Pfeil oben, Bild auf");
        b.taste(Qt::Key_End);
        QCOMPARE(b.seite(), 10);
        erledigt("Ende");
        b.taste(Qt::Key_Home);
        QCOMPARE(b.seite(), 0);
        erledigt("Pos1");
        b.taste(Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(b.seite(), 1000 + 2 * b.zustand->AlbumAufschlag);
        erledigt("Strg+A");
        b.taste(Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(b.seite(), b.zustand->LetzteTextseite);
        erledigt("Strg+T");
        b.taste(Qt::Key_F1);
        QVERIFY(b.seite() >= 2000);
        erledigt("F1");

        // Register tabs by Alt+number, and by Tab and Return.
        b.form->SeitenZeigen(8);
        b.taste(Qt::Key_2, Qt::AltModifier);
        QCOMPARE(b.seite(), 1002);
        b.taste(Qt::Key_1, Qt::AltModifier);
        QCOMPARE(b.seite(), 4);
        erledigt("Alt+1 bis Alt+5");
        QLabel *griff = sichtbar(teile.LabelGriffR[1]) ? teile.LabelGriffR[1] : teile.LabelGriffL[1];
        QVERIFY(b.tabBis(griff));
        QVERIFY(griff->findChildren<QTextDocument *>().isEmpty()); // its caption stays plain text
        QVERIFY(testing::kindNamens<QLabel>(*b.form->PanelName(), "LabelName")->text().contains("Bilder")); // its hint
        b.taste(Qt::Key_Return);
        QCOMPARE(b.seite(), 1002);

        // Bookmarks: laid by Ctrl+number, opened by Tab and Return, taken out by Delete.
        b.form->SeitenZeigen(6);
        b.taste(Qt::Key_1, Qt::ControlModifier);
        b.form->SeitenZeigen(2);
        QVERIFY(sichtbar(teile.LesezeichenR[0]));
        QVERIFY(b.tabBis(teile.LesezeichenR[0]));
        b.taste(Qt::Key_Return);
        QCOMPARE(b.seite(), 6);
        b.form->SeitenZeigen(2);
        b.taste(Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(b.seite(), 6);
        erledigt("Strg+1 bis Strg+4");
        b.form->SeitenZeigen(2);
        QVERIFY(b.tabBis(teile.LesezeichenR[0]));
        b.taste(Qt::Key_Delete);
        QVERIFY(!sichtbar(teile.LesezeichenR[0]));
        QCOMPARE(b.zustand->einstellungen.wert("Mark6"), QString());
        erledigt("Entf auf einem Lesezeichen");

        // A picture in the text: Tab reaches it, Return opens it; Escape goes back.
        b.form->SeitenZeigen(6);
        QVERIFY(sichtbar(teile.PanelTextBild[0]));
        QVERIFY(b.tabBis(teile.ImageTextBild[0]));
        erledigt("Tab");
        b.taste(Qt::Key_Return);
        QCOMPARE(ansicht.aktuellesBild().toUpper(), QString("TURM"));
        QVERIFY(!sichtbar(b.form->PanelBuch()));
        erledigt("Eingabe, Leertaste");
        b.taste(Qt::Key_Escape);
        QVERIFY(sichtbar(b.form->PanelBuch()));
        QCOMPARE(b.seite(), 6);

        // The album's cells: Tab onto one, the arrows between them, Return opens.
        b.form->SeitenZeigen(1002);
        album::Albumblatt &blatt = *b.form->albumblatt();
        QVERIFY(b.tabBis(blatt.AlbumLabels[0]));
        QCOMPARE(blatt.AlbumLabels[0]->frameShape(), QFrame::Box); // the keys' place is seen
        b.taste(Qt::Key_Right);
        QCOMPARE(b.fokus(), blatt.AlbumLabels[1]);
        QCOMPARE(blatt.AlbumLabels[0]->frameShape(), QFrame::NoFrame);
        b.taste(Qt::Key_Down); // the row below is empty
        QCOMPARE(b.fokus(), blatt.AlbumLabels[1]);
        b.taste(Qt::Key_Left);
        b.taste(Qt::Key_Down);
        QCOMPARE(b.fokus(), blatt.AlbumLabels[2]);
        erledigt("Pfeiltasten im Album");
        b.taste(Qt::Key_Up);
        b.taste(Qt::Key_Right);
        b.taste(Qt::Key_Return);
        QCOMPARE(b.zustand->BildIndex, 1);
        QCOMPARE(ansicht.aktuellesBild().toUpper(), QString("HAFEN"));

        // The picture view: marks chosen, set and deleted, the picture text, the copy.
        b.form->setFocus();
        b.taste(Qt::Key_N);
        QVERIFY(sichtbar(bild.Shape1));
        QCOMPARE(bild.LabelShape->text(), QString("Der Kran"));
        QCOMPARE(bild.Shape1->pos() + QPoint(50, 50), bild.ImageMain->pos() + QPoint(100, 100));
        b.taste(Qt::Key_N);
        QCOMPARE(bild.LabelShape->text(), QString("Das Lagerhaus"));
        b.taste(Qt::Key_N, Qt::ShiftModifier);
        QCOMPARE(bild.LabelShape->text(), QString("Der Kran"));
        erledigt("N, Umschalt+N");
        b.taste(Qt::Key_Delete);
        QCOMPARE(b.meldungen.fragen.size(), 1);
        QCOMPARE(b.w.lesen("Pagora/Album/Hafen.Txt"), QByteArray("0200,0150,Das Lagerhaus\r\n"));
        // The deleted comment waits in the input, with the keys.
        QVERIFY(sichtbar(ansicht.PanelEingabe()));
        QCOMPARE(b.fokus(), testing::kindNamens<QLineEdit>(*ansicht.PanelEingabe(), "Edit1"));
        erledigt("Entf");
        b.taste(Qt::Key_Escape);
        QVERIFY(!sichtbar(ansicht.PanelEingabe()));
        QVERIFY(!sichtbar(b.form->PanelBuch()));
        b.taste(Qt::Key_M);
        QVERIFY(sichtbar(ansicht.PanelEingabe()));
        QCOMPARE(b.fokus(), testing::kindNamens<QLineEdit>(*ansicht.PanelEingabe(), "Edit1"));
        QCOMPARE(ansicht.klickpunkt(), QPoint(200, 150)); // the picture's centre
        b.tippen("Mitte");
        b.taste(Qt::Key_Return);
        QVERIFY(b.w.lesen("Pagora/Album/Hafen.Txt").endsWith("0200,0150,Mitte\r\n"));
        erledigt("M");
        b.taste(Qt::Key_B);
        QVERIFY(sichtbar(ansicht.PanelBildtext()));
        QVERIFY(!testing::kindNamens<QPlainTextEdit>(*ansicht.PanelBildtext(), "MemoBildtext")->isReadOnly());
        erledigt("B");
        ansicht.PanelBildtext()->hide();

        // The enlarge button answers to Space; "+" shows the copy at the chosen mark.
        QVERIFY(sichtbar(bild.SpeedButtonEnlarge));
        bild.SpeedButtonEnlarge->setFocus();
        b.taste(Qt::Key_Space);
        QVERIFY(ansicht.vergroessert());
        b.form->setFocus();
        b.taste(Qt::Key_N);
        b.taste(Qt::Key_Plus);
        QVERIFY(sichtbar(bild.Imagebig));
        QVERIFY(bild.Imagebig->geometry().intersects(bild.Shape1->geometry()));
        b.taste(Qt::Key_Minus);
        QVERIFY(!sichtbar(bild.Imagebig));
        erledigt("+, −");

        // Printing, from the picture and from the book.
        b.form->setFocus();
        b.taste(Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(b.gedruckt, 1);
        b.taste(Qt::Key_Escape);
        QVERIFY(sichtbar(b.form->PanelBuch()));
        erledigt("Esc");
        b.taste(Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(b.gedruckt, 2);
        erledigt("Strg+P");

        // The search: the scopes are choices, Return and F3 find the next hit, and the
        // keys stay in the bar.
        b.form->SeitenZeigen(2);
        b.taste(Qt::Key_F, Qt::ControlModifier);
        search::Suchleiste &leiste = *b.form->suche()->PanelSuchen();
        QVERIFY(leiste.isVisible());
        QCOMPARE(b.fokus(), testing::Suchteile(leiste).Edit2);
        erledigt("Strg+F");
        b.tippen("Muehle");
        QVERIFY(b.tabBis(testing::Suchteile(leiste).PanelImBuch));
        b.taste(Qt::Key_Space);
        QCOMPARE(b.form->suche()->Suchbereich, 1);
        b.taste(Qt::Key_Right);
        QCOMPARE(b.fokus(), testing::Suchteile(leiste).PanelImAlbum);
        QCOMPARE(b.form->suche()->Suchbereich, 0);
        b.taste(Qt::Key_Left);
        QCOMPARE(b.form->suche()->Suchbereich, 1);
        b.taste(Qt::Key_Return);
        QCOMPARE(b.seite(), 4);
        QVERIFY(leiste.isVisible() && leiste.isAncestorOf(b.fokus()));
        b.taste(Qt::Key_F, Qt::ControlModifier); // back to the field, the search goes on
        QCOMPARE(b.fokus(), testing::Suchteile(leiste).Edit2);
        b.taste(Qt::Key_Return);
        QCOMPARE(b.seite(), 8);
        QCOMPARE(b.fokus(), testing::Suchteile(leiste).Edit2);
        b.taste(Qt::Key_F3);
        QVERIFY(testing::Suchteile(leiste).PanelNotFound->isVisible());
        erledigt("F3, Eingabe");
        b.taste(Qt::Key_Escape);
        QVERIFY(!leiste.isVisible());

        // The found list.
        b.taste(Qt::Key_L, Qt::ControlModifier);
        QVERIFY(b.fundliste->isVisible());
        erledigt("Strg+L");
        b.fundliste->hide();
        b.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(b.form.get()));

        // The slide show dialog: the keys in its field, Escape closes, Return starts.
        b.taste(Qt::Key_F5);
        album::BildlaufPanel *dialog = ansicht.PanelBildlauf();
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->isAncestorOf(b.fokus()));
        b.taste(Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QVERIFY(!bild.Timer2->isActive());
        b.taste(Qt::Key_F5);
        b.tippen("3");
        b.taste(Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
        QVERIFY(bild.Timer2->isActive());
        QCOMPARE(bild.Timer2->interval(), 3000);
        b.taste(Qt::Key_Escape);
        QVERIFY(!bild.Timer2->isActive());
        b.taste(Qt::Key_F5);
        QVERIFY(dialog->isVisible());
        b.taste(Qt::Key_Tab); // from the field onto OK
        QCOMPARE(b.fokus(), testing::kindNamens<QPushButton>(*dialog, "BitBtnBildlaufOk"));
        b.taste(Qt::Key_Return);
        QVERIFY(bild.Timer2->isActive());
        b.taste(Qt::Key_Escape);
        erledigt("F5");

        // The view menu.
        b.taste(Qt::Key_F10);
        QVERIFY(b.form->ansichtMenue()->isVisible());
        b.taste(Qt::Key_Escape);
        QVERIFY(!b.form->ansichtMenue()->isVisible());
        erledigt("F10");

        // The authoring window and its background panel.
        b.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(b.form.get()));
        b.taste(Qt::Key_B, Qt::ControlModifier);
        QVERIFY(b.bearbeitung && b.bearbeitung->isVisible());
        erledigt("Strg+B");
        b.bearbeitung->hide();
        b.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(b.form.get()));
        b.taste(Qt::Key_H, Qt::ControlModifier);
        QVERIFY(b.bearbeitung->isVisible());
        QCOMPARE(b.bearbeitung->aktuellesPanel(), authoring::Aufgabe::Hintergrund);
        erledigt("Strg+H");
        b.bearbeitung->hide();
        b.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(b.form.get()));

        // The window presentation, then the exit.
        b.taste(Qt::Key_F11);
        QVERIFY(b.form->fensterstil());
        erledigt("F11");
        b.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(b.form.get()));
        QSignalSpy ende(b.form.get(), &app::TImageForm::programmEnde);
        b.taste(Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(ende.size(), 1);
        erledigt("Strg+Q");

        // Nothing in the key map went untried.
        QStringList offen;
        for (const app::Tastenzeile &z : karte)
            if (!geprueft.contains(z.tasten)) offen << z.tasten;
        QVERIFY2(offen.isEmpty(), qPrintable(offen.join(" | ")));
    }
};

QTEST_MAIN(TestTastenweg)
#include "test_tastenweg.moc"
