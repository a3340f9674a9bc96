// What new readers met on their way through the book, each through the mouse and the
// keys as a reader uses them: marks beside the picture, bookmarks where none can lie,
// spreads beyond the page file, ribbons of another project, picture texts that cannot
// be saved, the slide show behind the book, closing the window, stale hints and the
// contents turning.
#include "album/views/bildansicht.h"
#include "album/views/bildansichtpanels.h"
#include "app/views/bildmenue.h"
#include "app/views/buchlenkung.h"
#include "app/views/hinweiszeile.h"
#include "app/views/timageform.h"
#include "bildteile.h"
#include "book/views/bildflaeche.h"
#include "book/views/blaetteranimation.h"
#include "book/views/buchpanel.h"
#include "buchfixture.h"
#include "buchteile.h"
#include "maus.h"
#include "menueteile.h"
#include "platform/fonts.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using testing::Buch;
using testing::sichtbar;

namespace {

// The book with picture B0 (400 × 300, a mark at 100,100) shown in the picture view.
struct Bildbuch : Buch {
    explicit Bildbuch(const QStringList &ini = {}) : Buch(ini) {
        w.bitmap("Pagora/Album/B0.bmp", 400, 300, Qt::darkCyan);
        w.text("Pagora/Album/B0.Txt", {"0100,0100,Der Kran"});
        w.text("Pagora/Album/B0.dok", {"Eine Zeile"});
        ganzOeffnen();
        zeigen();
    }
    void bildOeffnen() {
        form->SeitenZeigen(1002);
        testing::mausKlick(testing::teile(b()).ImageAlbum, {20, 20}); // cell 1: line 0
        QVERIFY(!sichtbar(&b()));
    }
    album::Bildansicht &ansicht() const { return *form->bildansicht(); }
    QWidget *flaeche() const { return form->centralWidget(); }
    QPoint bei(int x, int y) const { return testing::Bildteile(*form).ImageMain->pos() + QPoint(x, y); }
    QString hinweis() const { return form->PanelName()->text(); }
    // The image menu strip, shown as the mouse shows it: at the bottom edge.
    app::BildMenue &menue() {
        testing::mausBewegen(flaeche(), {5, screen.info().height - 2});
        return *form->PanelMenu();
    }
    void menueZelle(int zelle) { testing::mausKlick(testing::Menueteile(menue()).ImageMenu, {zelle * 64 + 20, 20}); }
};

} // namespace

class TestLeserwege : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The grey margin beside or below the picture starts no mark; only the picture does,
    // and its position is stored as it was clicked.
    void aMarkStartsOnlyOnThePicture() {
        Bildbuch buch;
        buch.bildOeffnen();
        album::EingabePanel *eingabe = buch.ansicht().PanelEingabe();
        for (const QPoint daneben : {QPoint(-114, 135), QPoint(405, 135), QPoint(100, 310)}) {
            testing::mausKlick(buch.flaeche(), buch.bei(daneben.x(), daneben.y()));
            QVERIFY2(!sichtbar(eingabe), qPrintable(QStringLiteral("%1,%2").arg(daneben.x()).arg(daneben.y())));
        }
        testing::mausKlick(buch.flaeche(), buch.bei(114, 135));
        QVERIFY(sichtbar(eingabe));
        QTest::keyClicks(testing::kindNamens<QLineEdit>(*eingabe, "Edit1"), "Im Bild");
        testing::mausKlick(testing::kindNamens<QPushButton>(*eingabe, "BitBtn1"), {5, 5});
        QCOMPARE(buch.w.lesen("Pagora/Album/B0.Txt"), QByteArray("0100,0100,Der Kran\r\n0114,0135,Im Bild\r\n"));
    }

    // The mouse lays a bookmark only where the keys do: on a numbered spread of the
    // open book; on the cover and the contents it stays in the box and says why.
    void theMouseLaysNoBookmarkOnTheCoverOrTheContents() {
        Bildbuch buch;
        QLabel *erstes = testing::Menueteile(*buch.form->PanelMenu()).LesezeichenU[0];
        for (const int seite : {-1, 0}) {
            buch.form->SeitenZeigen(seite);
            testing::mausKlick(testing::Menueteile(buch.menue()).LesezeichenU[0], {10, 10});
            QCOMPARE(buch.form->buchlenkung()->lesezeichenSeiten()[0], 0);
            QVERIFY(sichtbar(erstes));
            QCOMPARE(buch.zustand->einstellungen.wert("Mark6"), QString());
            QCOMPARE(buch.hinweis(), QString("Ein Lesezeichen kann nur zwischen die Seiten des Buches gelegt werden."));
        }
        buch.form->SeitenZeigen(4);
        testing::mausKlick(testing::Menueteile(buch.menue()).LesezeichenU[0], {10, 10});
        QCOMPARE(buch.zustand->einstellungen.wert("Mark6"), QString("4"));
        QVERIFY(!sichtbar(erstes));
        QVERIFY(sichtbar(testing::teile(buch.b()).LesezeichenR[0]));
    }

    // A bookmark beyond the end of the page files (a shorter import since) opens empty
    // pages: nothing of the spread shown before stays under the new numbers.
    void pagesBeyondThePageFileAreEmpty() {
        Bildbuch buch({"Mark6=14", "Mark7=2010"});
        const testing::Buchteile t = testing::teile(buch.b());
        buch.form->SeitenZeigen(6); // page 5 holds a picture
        QVERIFY(sichtbar(t.PanelTextBild[0]));
        testing::mausKlick(t.LesezeichenR[0], {10, 10});
        QCOMPARE(buch.zustand->AktuelleSeite, 14);
        QCOMPARE(t.LabelSeitenzahlRechts->text(), QString("- 14 -"));
        QCOMPARE(t.MemoTextLinks->zeilen().join(QString()).trimmed(), QString());
        QCOMPARE(t.MemoTextRechts->zeilen().join(QString()).trimmed(), QString());
        QVERIFY(!sichtbar(t.PanelTextBild[0]));
        buch.form->SeitenZeigen(2002); // the help file now stands after its second page
        testing::mausKlick(t.LesezeichenR[1], {10, 10});
        QCOMPARE(buch.zustand->AktuelleSeite, 2010);
        QCOMPARE(t.MemoTextLinks->zeilen().join(QString()).trimmed(), QString());
        QCOMPARE(t.MemoTextRechts->zeilen().join(QString()).trimmed(), QString());
    }

    // Another project without bookmarks takes the ribbons off the book.
    void switchingProjectsTakesStaleRibbonsAway() {
        Bildbuch buch({"Mark6=4"});
        const testing::Buchteile t = testing::teile(buch.b());
        buch.form->SeitenZeigen(2);
        QVERIFY(sichtbar(t.LesezeichenR[0]));
        buch.w.text("Zwei.ini", {"ShowCBT=0"});
        buch.form->IniDateiLesen("Zwei");
        buch.form->SeitenZeigen(2);
        QVERIFY(!testing::Menueteile(*buch.form->PanelMenu()).LesezeichenU[0]->isHidden()); // back in the box
        QVERIFY(!sichtbar(t.LesezeichenR[0]));
        QVERIFY(!sichtbar(t.LesezeichenL[0]));
    }

    // On a read-only root the picture text is shown, never offered for editing.
    void aReadOnlyRootShowsThePictureTextWithoutAnEditor() {
        Bildbuch buch;
        buch.zustand->NurLesen = true;
        buch.bildOeffnen();
        testing::mausBewegen(buch.flaeche(), {400, 1});
        album::BildtextPanel *text = buch.ansicht().PanelBildtext();
        QVERIFY(sichtbar(text));
        testing::mausKlick(testing::kindNamens<QPlainTextEdit>(*text, "MemoBildtext")->viewport(), {20, 5});
        QVERIFY(!sichtbar(testing::kindNamens<QPushButton>(*text, "BitBtnSichern")));
        QVERIFY(testing::kindNamens<QPlainTextEdit>(*text, "MemoBildtext")->isReadOnly());
    }

    // "Lesen" in the menu strip ends the slide show: its next tick does not take the
    // book away again.
    void returningToTheBookEndsTheSlideShow() {
        Bildbuch buch;
        buch.form->SeitenZeigen(4);
        buch.menueZelle(5); // "Bildlauf"
        album::BildlaufPanel *lauf = buch.ansicht().PanelBildlauf();
        QVERIFY(sichtbar(lauf));
        testing::kindNamens<QSpinBox>(*lauf, "SpinEditBildlauf")->setValue(1);
        testing::mausKlick(testing::kindNamens<QPushButton>(*lauf, "BitBtnBildlaufOk"), {5, 5});
        QVERIFY(testing::Bildteile(*buch.form).Timer2->isActive());
        QVERIFY(!sichtbar(&buch.b()));
        buch.menueZelle(1); // "Lesen"
        QVERIFY(sichtbar(&buch.b()));
        QVERIFY(!testing::Bildteile(*buch.form).Timer2->isActive());
        QTest::qWait(1200);
        QVERIFY(sichtbar(&buch.b()));
    }

    // Closing the main window ends the program while another window is open.
    void closingTheMainWindowEndsTheProgram() {
        Bildbuch buch;
        QWidget fundliste(nullptr, Qt::Window);
        fundliste.show();
        QSignalSpy ende(buch.form.get(), &app::TImageForm::programmEnde);
        buch.form->windowHandle()->close();
        QCOMPARE(ende.count(), 1);
        QVERIFY(!buch.w.gibt("Autor.ini")); // without saving, as before
    }

    // A hint belongs to what is under the mouse or what just happened.
    void hintsDoNotOutliveTheirCause() {
        Bildbuch buch({"Mark6=4"});
        const testing::Buchteile t = testing::teile(buch.b());
        // The bookmark holder after a menu cell.
        buch.form->SeitenZeigen(4);
        app::BildMenue &menue = buch.menue();
        testing::mausBewegen(testing::Menueteile(menue).ImageMenu, {64 + 20, 20});
        QCOMPARE(buch.hinweis(), QString("Im Text weiterlesen"));
        testing::mausBewegen(testing::Menueteile(menue).LesezeichenU[1], {10, 10});
        QCOMPARE(buch.hinweis(), QString("Lesezeichen 2 zwischen die aufgeschlagenen Seiten legen"));
        // The contents' invitation on the album spread its entry opened.
        buch.form->SeitenZeigen(1000);
        QListWidget *inhalt = t.Inhalt1();
        testing::mausBewegen(inhalt->viewport(), inhalt->visualItemRect(inhalt->item(0)).center());
        QCOMPARE(buch.hinweis(), QString("Klicken Sie auf das Kapitel Ihrer Wahl!"));
        testing::mausKlick(inhalt->viewport(), inhalt->visualItemRect(inhalt->item(0)).center());
        QCOMPARE(buch.zustand->AktuelleSeite, 1002);
        QCOMPARE(buch.hinweis(), QString());
        // A bookmark's description once it is taken out.
        buch.form->SeitenZeigen(2);
        testing::mausBewegen(t.LesezeichenR[0], {10, 10});
        QCOMPARE(buch.hinweis(), QString("Text, Seite 3-4"));
        testing::mausKlick(t.LesezeichenR[0], {10, 10}, Qt::RightButton);
        QCOMPARE(buch.hinweis(), QString());
        // Ctrl+2 on the contents says why nothing happened.
        buch.form->SeitenZeigen(0);
        buch.taste(Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(buch.hinweis(), QString("Ein Lesezeichen kann nur zwischen die Seiten des Buches gelegt werden."));
        // A mark's comment once Escape has led back to the book.
        buch.bildOeffnen();
        testing::mausBewegen(buch.flaeche(), buch.bei(100, 100));
        QCOMPARE(buch.hinweis(), QString("Der Kran"));
        buch.taste(Qt::Key_Escape);
        QVERIFY(sichtbar(&buch.b()));
        QCOMPARE(buch.hinweis(), QString());
    }

    // Paging through the contents turns like every other spread.
    void contentsSpreadsTurnVisibly() {
        Bildbuch buch;
        QStringList eintraege;
        for (int i = 1; i <= 120; ++i)
            eintraege << QStringLiteral("Kapitel %1        %2").arg(i).arg(i / 15 + 1);
        buch.w.text("Pagora/Pages/Pagora.1", eintraege);
        buch.zustand->ansicht.blaetternZeigen = true;
        buch.form->SeitenZeigen(0);
        const book::Blaetteranimation *blatt = buch.form->buchlenkung()->blaetteranimation();
        buch.taste(Qt::Key_Right);
        QCOMPARE(buch.zustand->AktuelleSeite, 0);
        QCOMPARE(buch.zustand->inhaltsstand[1].Aktuell, 2);
        QVERIFY(blatt->laeuft());
        buch.taste(Qt::Key_Escape); // completes it
        buch.taste(Qt::Key_Left);
        QCOMPARE(buch.zustand->inhaltsstand[1].Aktuell, 1);
        QVERIFY(blatt->laeuft());
    }
};

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    platform::registerBundledFonts();
    TestLeserwege t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_leserwege.moc"
