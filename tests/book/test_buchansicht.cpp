// The book on a fixture data root and a simulated screen: spreads and their page
// numbers, titles, album and help spreads, contents, register tabs, bookmarks,
// pictures in the text, printing, the keys and what a screen reader finds.
#include "album/views/albumblatt.h"
#include "album/views/bildansicht.h"
#include "app/views/bildmenue.h"
#include "app/views/buchlenkung.h"
#include "app/views/druckausgabe.h"
#include "app/views/hinweiszeile.h"
#include "app/views/timageform.h"
#include "bildteile.h"
#include "book/core/seitensatz.h"
#include "book/views/bildflaeche.h"
#include "book/views/buchpanel.h"
#include "buchfixture.h"
#include "buchteile.h"
#include "fixture.h"
#include "maus.h"
#include "menueteile.h"
#include "pdfwerkzeuge.h"
#include "platform/fonts.h"
#include "search/views/suchleiste.h"
#include "search/views/suchsteuerung.h"
#include "stillemeldungen.h"
#include "suchteile.h"
#include "zugang.h"

#include <QAccessible>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

using namespace app;
using testing::sichtbar;

using testing::Buch;
using testing::seitendatei;

class TestBuchansicht : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void anOddPageShowsItsSpread() {
        Buch buch;
        buch.form->SeitenZeigen(5);
        QCOMPARE(buch.zustand->AktuelleSeite, 6);
        QCOMPARE(testing::teile(buch.b()).LabelSeitenzahlLinks->text(), QString("- 5 -"));
        QCOMPARE(testing::teile(buch.b()).LabelSeitenzahlRechts->text(), QString("- 6 -"));
        QCOMPARE(testing::teile(buch.b()).MemoTextLinks->zeilen().value(0), QString("Seite 5"));
        QCOMPARE(testing::teile(buch.b()).MemoTextRechts->zeilen().value(0), QString("Seite 6"));
        QCOMPARE(buch.zustand->LetzteTextseite, 6);
    }

    void aThreeLineHeadingGivesA39PixelTitleAtItsFirstRow() {
        Buch buch;
        buch.form->SeitenZeigen(3);
        QVERIFY(sichtbar(testing::teile(buch.b()).PanelLinks));
        QCOMPARE(testing::teile(buch.b()).TitelLinks->text(), QString("Eine lange Ueberschrift"));
        QCOMPARE(testing::teile(buch.b()).TitelLinks->height(), 39);
        QCOMPARE(testing::teile(buch.b()).PanelLinks->y(), 13 * 4 + 15);
        QVERIFY(!sichtbar(testing::teile(buch.b()).PanelRechts));
        buch.form->SeitenZeigen(7);
        QVERIFY(!sichtbar(testing::teile(buch.b()).PanelLinks));
    }

    void picturesInTheTextAndTheirCaptions() {
        Buch buch;
        buch.form->SeitenZeigen(5);
        QWidget *platz = testing::teile(buch.b()).PanelTextBild[0];
        QVERIFY(sichtbar(platz));
        QCOMPARE(platz->geometry(), QRect(53, 3 * 13 + 32, 236, 100 + 24));
        QCOMPARE(testing::teile(buch.b()).ImageTextBild[0]->x(), 18);
        // Caption lines join as the memo holds them, trailing blanks gone.
        QCOMPARE(testing::teile(buch.b()).Unterschrift[0]->text(), QString("Der Turm amMarkt"));
        QCOMPARE(testing::teile(buch.b()).Unterschrift[0]->y(), 100);
        QCOMPARE(testing::teile(buch.b()).Unterschrift[0]->font().pixelSize(), 7); // pixels, not points
        QCOMPARE(buch.b().textbildName(1), QString("Turm"));
        QVERIFY(!sichtbar(testing::teile(buch.b()).PanelTextBild[1]));
        QVERIFY(testing::teile(buch.b()).MemoTextLinks->zeilen().value(4).isEmpty());
        buch.form->SeitenZeigen(7);
        QVERIFY(!sichtbar(platz));
    }

    void clickingAPictureOpensItInThePictureView() {
        Buch buch;
        buch.w.bitmap("Pagora/Album/Turm.bmp", 640, 480, Qt::darkGreen);
        buch.w.text("Pagora/Pages/Pagora.3", {"B0:Eins", "Turm:Der Turm", "", "B3:Vier"});
        buch.form->ListeLaden();
        buch.form->SeitenZeigen(5);
        buch.form->buchlenkung()->ImageTextBildClick(1);
        QCOMPARE(buch.zustand->BildIndex, 1);
        QVERIFY(!sichtbar(&buch.b()));
        QVERIFY(sichtbar(testing::Bildteile(*buch.form).ImageMain));
        QCOMPARE(testing::Bildteile(*buch.form).ImageMain->size(), QSize(640, 480));
        QCOMPARE(testing::Bildteile(*buch.form).ImageMain->pos(), QPoint((1024 - 640) / 2, (768 - 480) / 2));
        QCOMPARE(testing::Bildteile(*buch.form).ImageMain->teil().size(), QSize(640, 480));
        // With the book hidden the arrow keys step through the list, skipping the empty line.
        QTest::keyClick(buch.form.get(), Qt::Key_Right);
        QCOMPARE(buch.zustand->BildIndex, 3);
        QCOMPARE(buch.zustand->AktuelleSeite, 6);
    }

    void aPictureIsDrawnFromItsFileAsItIsStored() {
        // Every pixel its own colour, so that a band drawn at the wrong row shows.
        testing::Datenwurzel w;
        QImage muster(300, 200, QImage::Format_RGB32);
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 300; ++x)
                muster.setPixel(x, y, qRgb(x % 256, y, (x / 256) * 100 + (x + y) % 50));
        QVERIFY(muster.save(w.nativ("muster.bmp"), "BMP"));
        const QRect teil(20, 10, 250, 170);
        book::Bildflaeche flaeche;
        flaeche.setBild(platform::BitmapSource::open(w.nativ("muster.bmp")), teil);
        QCOMPARE(flaeche.size(), QSize(300, 200));
        QImage bild(300, 200, QImage::Format_RGB32);
        bild.fill(Qt::black);
        const auto ohneHintergrund = QWidget::RenderFlags(QWidget::DrawChildren);
        flaeche.render(&bild, QPoint(), QRegion(), ohneHintergrund);
        QCOMPARE(bild.copy(teil), muster.copy(teil));
        QCOMPARE(bild.pixel(19, 100), qRgb(0, 0, 0)); // outside the part nothing is drawn
        QCOMPARE(bild.pixel(100, 180), qRgb(0, 0, 0));
        // Drawn scaled, the part is held decoded and smoothed, still in its place.
        QImage doppelt(600, 400, QImage::Format_RGB32);
        doppelt.fill(Qt::black);
        QPainter maler(&doppelt);
        maler.scale(2, 2);
        flaeche.render(&maler, QPoint(), QRegion(), ohneHintergrund);
        maler.end();
        QVERIFY(qAbs(QColor(doppelt.pixel(2 * 150, 2 * 100)).green() - 100) <= 1);
        QCOMPARE(doppelt.pixel(2 * 10, 2 * 100), qRgb(0, 0, 0));
        // And once more unscaled, now from memory.
        bild.fill(Qt::black);
        flaeche.render(&bild, QPoint(), QRegion(), ohneHintergrund);
        QCOMPARE(bild.copy(teil), muster.copy(teil));
    }

    void aBackgroundLargerThanTheScreenKeepsOnlyWhatCanBeSeen() {
        Buch buch({"Wallpaper=Gross"});
        buch.w.bitmap("Pagora/Album/Gross.bmp", 1600, 1000, Qt::darkRed);
        buch.zustand->einstellungen.setzen("Wallpaper", "Gross");
        buch.form->IniAuswerten();
        QCOMPARE(testing::Bildteile(*buch.form).ImageMain->size(), QSize(1600, 1000));
        QCOMPARE(testing::Bildteile(*buch.form).ImageMain->pos(), QPoint((1024 - 1600) / 2, (768 - 1000) / 2));
        // The screen's 1024 columns and its 768 rows, with the 33 more rows the window
        // presentation shows below (one more above and below for rounding).
        QCOMPARE(testing::Bildteile(*buch.form).ImageMain->teil().size(), QSize(1024, 768 + 35));
        auto bildschirm = [&] {
            QImage bild(1024, 768, QImage::Format_RGB32);
            bild.fill(Qt::black);
            const QPoint ort = testing::Bildteile(*buch.form).ImageMain->pos();
            testing::Bildteile(*buch.form).ImageMain->render(&bild, QPoint(), QRegion(-ort.x(), -ort.y(), 1024, 768));
            return bild;
        };
        for (const QPoint punkt : {QPoint(0, 0), QPoint(512, 384), QPoint(1023, 767)})
            QCOMPARE(QColor(bildschirm().pixel(punkt)), QColor(Qt::darkRed));
        buch.form->Windowsstil();
        QCOMPARE(testing::Bildteile(*buch.form).ImageMain->y(), (768 - 66 - 1000) / 2);
        for (const QPoint punkt : {QPoint(0, 0), QPoint(1023, 767)})
            QCOMPARE(QColor(bildschirm().pixel(punkt)), QColor(Qt::darkRed));
    }

    void albumAndHelpSpreads() {
        Buch buch;
        buch.form->SeitenZeigen(4); // text in the memos, then straight to the album
        buch.form->SeitenZeigen(1004);
        QVERIFY(!sichtbar(testing::teile(buch.b()).MemoTextLinks) &&
                !sichtbar(testing::teile(buch.b()).MemoTextRechts));
        QCOMPARE(buch.zustand->AlbumAufschlag, 2);
        QVERIFY(sichtbar(testing::teile(buch.b()).PanelAlbum));
        QCOMPARE(QColor(testing::teile(buch.b()).ImageAlbum->pixmap().toImage().pixel(5, 5)), QColor(Qt::blue));
        QCOMPARE(buch.form->albumblatt()->AlbumLabels[0]->text(), QString("Bild 16"));
        QCOMPARE(buch.form->albumblatt()->AlbumLabels[15]->text(), QString("Bild 31"));
        QCOMPARE(testing::teile(buch.b()).LabelSeitenzahlRechts->text(), QString("- 4 -"));
        buch.form->SeitenZeigen(2002);
        QCOMPARE(buch.zustand->AktuelleSeite, 2002);
        QCOMPARE(testing::teile(buch.b()).MemoTextLinks->zeilen().value(0), QString("Seite 1"));
        QCOMPARE(testing::teile(buch.b()).MemoTextRechts->zeilen().value(0), QString("Seite 2"));
        QCOMPARE(testing::teile(buch.b()).LabelSeitenzahlLinks->text(), QString("- 1 -"));
        QCOMPARE(buch.zustand->LetzteHilfeseite, 2002);
        QVERIFY(!sichtbar(testing::teile(buch.b()).PanelAlbum));
    }

    void withoutTheCoverTheTourOpensTheContents() {
        Buch buch;
        QFile::remove(buch.w.nativ("Help/CBT0.bmp"));
        buch.form->SeitenZeigen(-4);
        QCOMPARE(buch.zustand->AktuelleSeite, 0);
        QVERIFY(sichtbar(testing::teile(buch.b()).Inhalt1()));
    }

    void theSearchArrowShowsOnce() {
        Buch buch;
        buch.form->buchlenkung()->PfeilHinweis = 1;
        buch.form->SeitenZeigen(4);
        QVERIFY(sichtbar(testing::teile(buch.b()).ImageLeftArrow));
        buch.form->SeitenZeigen(6);
        QVERIFY(!sichtbar(testing::teile(buch.b()).ImageLeftArrow));
        QVERIFY(!sichtbar(testing::teile(buch.b()).ImageRightArrow));
    }

    void contentsSpreadsAndTheirEntries() {
        Buch buch;
        buch.form->SeitenZeigen(0);
        QVERIFY(sichtbar(testing::teile(buch.b()).Inhalt1()));
        QVERIFY(!sichtbar(testing::teile(buch.b()).Inhalt2()));
        QCOMPARE(testing::teile(buch.b()).PanelInhalt->text(), QString("Inhalt (Texte)"));
        QCOMPARE(testing::teile(buch.b()).Inhalt1()->count(), 2);
        QCOMPARE(testing::teile(buch.b()).Inhalt1()->geometry(), QRect(358, 72, 241, 329));
        buch.form->buchlenkung()->InhaltClick(testing::teile(buch.b()).Inhalt1(), 1);
        QCOMPARE(buch.zustand->AktuelleSeite, 6);
        buch.form->SeitenZeigen(1000);
        QCOMPARE(testing::teile(buch.b()).PanelInhalt->text(), QString("Inhalt (Bilder)"));
        buch.form->buchlenkung()->InhaltClick(testing::teile(buch.b()).Inhalt1(), 0);
        QCOMPARE(buch.zustand->AktuelleSeite, 1002);
        // Without the album contents file the album contents are refused.
        QFile::remove(buch.w.nativ("Pagora/Pages/Pagora.2"));
        buch.form->SeitenZeigen(1000);
        QCOMPARE(buch.zustand->AktuelleSeite, 1002);
    }

    void theSecondContentsSpreadCoversTheCopyrightPage() {
        Buch buch;
        QStringList eintraege;
        for (int i = 1; i <= 40; ++i)
            eintraege << QStringLiteral("Eintrag %1        %2").arg(i).arg(2 * i);
        buch.w.text("Pagora/Pages/Pagora.1", eintraege);
        buch.w.text("Pagora/Pages/Pagora.4", {"Alle Rechte vorbehalten"});
        buch.form->SeitenZeigen(0);
        QVERIFY(sichtbar(testing::teile(buch.b()).MemoTextLinks));
        QTest::mouseClick(testing::teile(buch.b()).PanelRechtsPfeil, Qt::LeftButton);
        QCOMPARE(buch.zustand->AktuelleSeite, 0);
        QVERIFY(sichtbar(testing::teile(buch.b()).Inhalt2()));
        QVERIFY(!sichtbar(testing::teile(buch.b()).MemoTextLinks));
        QTest::mouseClick(testing::teile(buch.b()).PanelLinksPfeil, Qt::LeftButton);
        QVERIFY(sichtbar(testing::teile(buch.b()).MemoTextLinks));
    }

    // Bookmarks are laid into the book only: in the picture view the cover takes the
    // click. The found list is offered only once a search has filled it.
    void thePictureViewCoversTheBookmarks() {
        Buch buch;
        buch.form->show();
        BildMenue *m = buch.form->PanelMenu();
        const testing::Menueteile mt(*m);
        QVERIFY(!sichtbar(mt.ImageFundliste) && !sichtbar(mt.LabelFundliste));
        QCOMPARE(mt.ImageFundliste->accessibleName(), QString("Fundliste"));
        const int unten = buch.screen.info().height - 5;
        buch.form->SeitenZeigen(12);
        buch.b().hide();                          // a picture is shown
        QVERIFY(mt.ImageMenu->pixmap().isNull()); // laid on when the strip is first shown
        testing::mausBewegen(buch.form->centralWidget(), {5, unten});
        QVERIFY(sichtbar(m));
        QCOMPARE(mt.ImageMenu->pixmap().size(), QSize(BildMenue::kBildBreite, BildMenue::kHoehe));
        QVERIFY(!mt.LesezeichenU[3]->pixmap().isNull());
        QVERIFY(sichtbar(mt.LesezeichenAbdeckung));
        testing::mausKlick(mt.LesezeichenU[0], {19, 20});
        QVERIFY(buch.zustand->einstellungen.wert("Mark6").isEmpty());
        buch.b().show();
        testing::mausBewegen(buch.form->centralWidget(), {5, 300});
        testing::mausBewegen(buch.form->centralWidget(), {5, unten});
        QVERIFY(!sichtbar(mt.LesezeichenAbdeckung));
        testing::mausKlick(mt.LesezeichenU[0], {19, 20});
        QCOMPARE(buch.zustand->einstellungen.wert("Mark6"), QString("12"));
        // Every cell of the menu picture says what it does.
        testing::mausBewegen(buch.form->centralWidget(), {5, 300});
        testing::mausBewegen(buch.form->centralWidget(), {5, unten});
        const struct {
            QPoint wo;
            const char *hinweis;
        } zellen[] = {{{70, 20}, "Im Text weiterlesen"},
                      {{400, 20}, "Drucken"},
                      {{430, 10}, "Hintergrundbild wählen"},
                      {{430, 50}, "Im Fenster zeigen"},
                      {{500, 20}, "Beenden"}};
        for (const auto &z : zellen) {
            testing::mausBewegen(mt.ImageMenu, z.wo);
            QCOMPARE(testing::kindNamens<QLabel>(*buch.form->PanelName(), "LabelName")->text(),
                     QString::fromUtf8(z.hinweis));
            QVERIFY(sichtbar(buch.form->PanelName()));
        }
    }

    void aKeyboardAloneTurnsOpensEntriesAndLeaves() {
        Buch buch;
        buch.form->show();
        buch.form->SeitenZeigen(0);
        testing::teile(buch.b()).Inhalt1()->setFocus();
        testing::teile(buch.b()).Inhalt1()->setCurrentRow(1);
        QTest::keyClick(testing::teile(buch.b()).Inhalt1(), Qt::Key_Return);
        QCOMPARE(buch.zustand->AktuelleSeite, 6);
        QTest::keyClick(buch.form.get(), Qt::Key_Right);
        QCOMPARE(buch.zustand->AktuelleSeite, 8);
        QSignalSpy ende(buch.form.get(), &TImageForm::programmEnde);
        QTest::keyClick(buch.form.get(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(ende.count(), 1);
    }

    // The key map, pressed on the window: 9 text pages, 40 pictures, 4 help pages.
    void theKeyMap_data() {
        QTest::addColumn<int>("von");
        QTest::addColumn<int>("taste");
        QTest::addColumn<int>("nach");
        QTest::newRow("Page Down turns forward") << 4 << int(Qt::Key_PageDown) << 6;
        QTest::newRow("Page Up turns back") << 6 << int(Qt::Key_PageUp) << 4;
        QTest::newRow("Home: the text's contents") << 6 << int(Qt::Key_Home) << 0;
        QTest::newRow("End: the text's last spread") << 4 << int(Qt::Key_End) << 10;
        QTest::newRow("Home: the album's contents") << 1004 << int(Qt::Key_Home) << 1000;
        QTest::newRow("End: the album's last spread") << 1002 << int(Qt::Key_End) << 1006;
        QTest::newRow("Home: the help's contents") << 2004 << int(Qt::Key_Home) << 2000;
        QTest::newRow("End: the help's last spread") << 2002 << int(Qt::Key_End) << 2004;
        QTest::newRow("End on the cover does nothing") << -1 << int(Qt::Key_End) << -1;
        QTest::newRow("F1: the help's contents at first") << 4 << int(Qt::Key_F1) << 2000;
    }
    void theKeyMap() {
        QFETCH(int, von);
        QFETCH(int, taste);
        QFETCH(int, nach);
        Buch buch;
        buch.zeigen();
        buch.form->SeitenZeigen(von);
        buch.taste(Qt::Key(taste));
        QCOMPARE(buch.zustand->AktuelleSeite, nach);
        QVERIFY(sichtbar(&buch.b()));
    }

    // F1 goes back to the help page last read; Ctrl+1..4 lay a bookmark that is in the
    // box and open the page of one that is laid; while the search field has the focus
    // the keys are the field's, and Escape closes the bar.
    void helpBookmarksAndTheSearchFieldByKey() {
        Buch buch;
        buch.zeigen();
        buch.form->SeitenZeigen(2004);
        buch.form->SeitenZeigen(6);
        buch.taste(Qt::Key_F1);
        QCOMPARE(buch.zustand->AktuelleSeite, 2004);
        buch.form->SeitenZeigen(12);
        buch.taste(Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(buch.zustand->einstellungen.wert("Mark6"), QString("12"));
        QVERIFY(sichtbar(testing::teile(buch.b()).LesezeichenR[0]));
        QVERIFY(!testing::Menueteile(*buch.form->PanelMenu()).LesezeichenU[0]->isVisibleTo(buch.form->PanelMenu()));
        QCOMPARE(testing::kindNamens<QLabel>(*buch.form->PanelName(), "LabelName")->text(),
                 QString("Text, Seite 11-12"));
        buch.taste(Qt::Key_Home);
        QCOMPARE(buch.zustand->AktuelleSeite, 0);
        buch.taste(Qt::Key_2, Qt::ControlModifier); // the contents spread keeps no bookmark
        QVERIFY(buch.zustand->einstellungen.wert("Mark7").isEmpty());
        QVERIFY(testing::Menueteile(*buch.form->PanelMenu()).LesezeichenU[1]->isVisibleTo(buch.form->PanelMenu()));
        buch.taste(Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(buch.zustand->AktuelleSeite, 12);

        buch.taste(Qt::Key_F, Qt::ControlModifier);
        QLineEdit *feld = testing::Suchteile(*buch.form->suche()->PanelSuchen()).Edit2;
        QVERIFY(sichtbar(feld));
        QCOMPARE(QApplication::focusWidget(), feld);
        for (const Qt::Key k :
             {Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_F1})
            buch.taste(k);
        buch.taste(Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(buch.zustand->AktuelleSeite, 12);
        QVERIFY(buch.zustand->einstellungen.wert("Mark7").isEmpty());
        buch.taste(Qt::Key_T);
        QCOMPARE(feld->text(), QString("t"));
        buch.taste(Qt::Key_Escape);
        QVERIFY(!sichtbar(buch.form->suche()->PanelSuchen()));
        QCOMPARE(buch.zustand->AktuelleSeite, 12);
        buch.taste(Qt::Key_PageDown);
        QCOMPARE(buch.zustand->AktuelleSeite, 14);
    }

    // Every control says what it is; the two pages read as text, each character where
    // the page draws it, and the text follows the page.
    void controlsHaveNamesAndThePagesReadAsText() {
        Buch buch;
        buch.zeigen();
        buch.form->SeitenZeigen(-1);
        QCOMPARE(testing::ohneNamen(buch.form.get()), QStringList());
        buch.form->SeitenZeigen(0);
        QCOMPARE(testing::ohneNamen(buch.form.get()), QStringList());
        buch.form->SeitenZeigen(1002);
        QCOMPARE(testing::ohneNamen(buch.form.get()), QStringList());
        buch.form->SeitenZeigen(5); // with the tower in the text
        buch.form->buchlenkung()->LesezeichenSetzen(1);
        QTest::keyClick(buch.form.get(), Qt::Key_F, Qt::ControlModifier);
        testing::mausBewegen(buch.form->centralWidget(), {5, buch.screen.info().height - 5});
        QVERIFY(sichtbar(buch.form->PanelMenu()) && sichtbar(testing::teile(buch.b()).PanelTextBild[0]));
        QCOMPARE(testing::ohneNamen(buch.form.get()), QStringList());
        QCOMPARE(testing::teile(buch.b()).ImageTextBild[0]->accessibleName(), QString("Der Turm amMarkt"));

        book::SeitenMemo *links = testing::teile(buch.b()).MemoTextLinks;
        QAccessibleInterface *seite = QAccessible::queryAccessibleInterface(links);
        QVERIFY(seite && seite->textInterface());
        QCOMPARE(seite->text(QAccessible::Name), QString("Linke Seite"));
        QCOMPARE(
            QAccessible::queryAccessibleInterface(testing::teile(buch.b()).MemoTextRechts)->text(QAccessible::Name),
            QString("Rechte Seite"));
        QAccessibleTextInterface *text = seite->textInterface();
        QCOMPARE(text->text(0, text->characterCount()), links->zeilen().join('\n'));
        QCOMPARE(text->text(0, 7), QString("Seite 5"));
        const QRect zeichen = text->characterRect(6);
        QVERIFY(QRect(links->mapToGlobal(QPoint(0, 0)), QSize(links->width(), 13)).contains(zeichen.center()));
        QCOMPARE(text->offsetAtPoint(zeichen.center()), 6);
        buch.taste(Qt::Key_Escape);
        buch.taste(Qt::Key_PageDown);
        QCOMPARE(text->text(0, 7), QString("Seite 7"));
    }

    void registerTabsChangeSidesAndGiveHints() {
        Buch buch;
        buch.form->SeitenZeigen(4);
        QVERIFY(sichtbar(testing::teile(buch.b()).GriffL[0]));
        QVERIFY(!sichtbar(testing::teile(buch.b()).GriffR[0]));
        QVERIFY(sichtbar(testing::teile(buch.b()).GriffR[1]) && sichtbar(testing::teile(buch.b()).GriffR[2]));
        QVERIFY(!sichtbar(testing::teile(buch.b()).GriffL[3]) && !sichtbar(testing::teile(buch.b()).GriffR[3]));
        buch.form->SeitenZeigen(2000);
        for (int i = 0; i < 3; ++i)
            QVERIFY(sichtbar(testing::teile(buch.b()).GriffL[size_t(i)]));
        buch.form->buchlenkung()->GriffHinweis(2);
        QCOMPARE(testing::kindNamens<QLabel>(*buch.form->PanelName(), "LabelName")->text(),
                 QString("Inhaltsverzeichnis am Beginn des Abschnitts \"Bilder\""));
        buch.form->buchlenkung()->LabelGriffClick(1);
        QCOMPARE(buch.zustand->AktuelleSeite, 0);
    }

    void bookmarksStickOutOnTheRightEdgeAndAreKept() {
        Buch buch;
        buch.form->SeitenZeigen(12);
        buch.form->buchlenkung()->LesezeichenSetzen(1);
        QCOMPARE(buch.zustand->einstellungen.wert("Mark6"), QString("12"));
        QVERIFY(!testing::Menueteile(*buch.form->PanelMenu()).LesezeichenU[0]->isVisibleTo(buch.form.get()));
        QVERIFY(sichtbar(testing::teile(buch.b()).LesezeichenR[0]));
        QCOMPARE(testing::teile(buch.b()).LesezeichenR[0]->accessibleName(), QString("Text, Seite 11-12"));
        QVERIFY(testing::teile(buch.b()).LesezeichenR[0]->toolTip().isEmpty());
        buch.form->SeitenZeigen(20);
        QVERIFY(sichtbar(testing::teile(buch.b()).LesezeichenL[0]));
        QVERIFY(!sichtbar(testing::teile(buch.b()).LesezeichenR[0]));
        buch.form->SeitenZeigen(4);
        QVERIFY(sichtbar(testing::teile(buch.b()).LesezeichenR[0]));
        buch.form->buchlenkung()->LesezeichenMouseDown(1, Qt::LeftButton);
        QCOMPARE(buch.zustand->AktuelleSeite, 12);
        // A bookmark laid on the contents spread keeps no page.
        buch.form->SeitenZeigen(0);
        buch.form->buchlenkung()->LesezeichenSetzen(2);
        QVERIFY(!sichtbar(testing::teile(buch.b()).LesezeichenL[1]) &&
                !sichtbar(testing::teile(buch.b()).LesezeichenR[1]));
    }

    void removingBookmarkFourClearsOnlyItsEntry() {
        Buch buch({"Mark6=12", "Mark7=1004", "Mark8=2002", "Mark9=8"});
        for (QLabel *band :
             testing::Menueteile(*buch.form->PanelMenu()).LesezeichenU) // the restored ones are out of the box
            QVERIFY(!band->isVisibleTo(buch.form->PanelMenu()));
        buch.form->SeitenZeigen(6);
        QVERIFY(sichtbar(testing::teile(buch.b()).LesezeichenR[3]));
        buch.form->buchlenkung()->LesezeichenMouseDown(4, Qt::RightButton);
        QVERIFY(!sichtbar(testing::teile(buch.b()).LesezeichenR[3]));
        QCOMPARE(buch.zustand->einstellungen.wert("Mark9"), QString());
        QVERIFY(testing::Menueteile(*buch.form->PanelMenu()).LesezeichenU[3]->isVisibleTo(buch.form->PanelMenu()));
        QCOMPARE(buch.zustand->einstellungen.wert("Mark6"), QString("12"));
        QCOMPARE(buch.zustand->einstellungen.wert("Mark8"), QString("2002"));
        QCOMPARE(buch.form->buchlenkung()->lesezeichenHinweis(2), QString("Album, Seite 3-4"));
        QCOMPARE(testing::teile(buch.b()).LesezeichenL[1]->accessibleName(), QString("Album, Seite 3-4"));
    }

    void theArrowsFollowTheMouseAlongTheEdges() {
        Buch buch;
        buch.form->SeitenZeigen(4);
        buch.form->buchlenkung()->ImageBuchMouseMove(48, 200);
        QVERIFY(sichtbar(testing::teile(buch.form->PanelBuch()).PanelLinksPfeil));
        QCOMPARE(testing::teile(buch.form->PanelBuch()).PanelLinksPfeil->pos(), QPoint(40, 192));
        QCOMPARE(testing::kindNamens<QLabel>(*buch.form->PanelName(), "LabelName")->text(), QString("vorige Seite"));
        buch.form->buchlenkung()->ImageBuchMouseMove(605, 100);
        QVERIFY(!sichtbar(testing::teile(buch.form->PanelBuch()).PanelLinksPfeil));
        QVERIFY(sichtbar(testing::teile(buch.form->PanelBuch()).PanelRechtsPfeil));
        QCOMPARE(testing::kindNamens<QLabel>(*buch.form->PanelName(), "LabelName")->text(),
                 QString::fromUtf8("nächste Seite"));
        buch.form->buchlenkung()->ImageBuchMouseMove(300, 100);
        QVERIFY(!sichtbar(testing::teile(buch.form->PanelBuch()).PanelRechtsPfeil));
        // The bands' edges: the left arrow for 41..55, the right one for 601..615.
        const struct {
            int x;
            bool links, rechts;
        } kanten[] = {{40, false, false},  {41, true, false},  {55, true, false},  {56, false, false},
                      {600, false, false}, {601, false, true}, {615, false, true}, {616, false, false}};
        for (const auto &k : kanten) {
            buch.form->buchlenkung()->ImageBuchMouseMove(k.x, 100);
            QVERIFY2(sichtbar(testing::teile(buch.form->PanelBuch()).PanelLinksPfeil) == k.links,
                     qPrintable(QString::number(k.x)));
            QVERIFY2(sichtbar(testing::teile(buch.form->PanelBuch()).PanelRechtsPfeil) == k.rechts,
                     qPrintable(QString::number(k.x)));
        }
    }

    void printingATextSpreadTurnsToTheNext() {
        Buch buch;
        QImage gedruckt;
        buch.form->setDrucker([&gedruckt](const Druckvorlage &seite) {
            gedruckt = seite.bild();
            return QString();
        });
        buch.form->SeitenZeigen(4);
        buch.form->Drucken();
        QCOMPARE(gedruckt.size(), QSize(640, 480));
        QCOMPARE(QColor(gedruckt.pixel(5, 5)), QColor(Qt::white)); // no book picture, no tabs
        QCOMPARE(buch.zustand->AktuelleSeite, 6);
        QVERIFY(sichtbar(testing::teile(buch.b()).ImageBuch));
        QVERIFY(sichtbar(testing::teile(buch.b()).GriffL[0]));
        QCOMPARE(buch.form->centralWidget()->palette().color(QPalette::Window), QColor(192, 192, 192));
    }

    void printingAnAlbumSpreadBlanksTheFold() {
        Buch buch;
        QImage gedruckt;
        buch.form->setDrucker([&gedruckt](const Druckvorlage &seite) {
            gedruckt = seite.bild();
            return QString();
        });
        buch.form->SeitenZeigen(1002);
        buch.form->Drucken();
        QCOMPARE(QColor(gedruckt.pixel(62 + 250, 32 + 100)), QColor(Qt::white));
        QCOMPARE(QColor(gedruckt.pixel(62 + 100, 32 + 100)), QColor(Qt::red));
        QCOMPARE(buch.zustand->AktuelleSeite, 1004);
        QCOMPARE(QColor(testing::teile(buch.b()).ImageAlbum->pixmap().toImage().pixel(250, 100)), QColor(Qt::blue));
    }

    void printingThePictureViewDoesNotTurn() {
        Buch buch;
        int gedruckt = 0;
        buch.form->setDrucker([&gedruckt](const Druckvorlage &) {
            ++gedruckt;
            return QString();
        });
        buch.form->SeitenZeigen(4);
        buch.b().hide();
        testing::Bildteile(*buch.form).SpeedButtonEnlarge->show();
        buch.form->Drucken();
        QVERIFY(!sichtbar(testing::Bildteile(*buch.form).SpeedButtonEnlarge));
        QCOMPARE(gedruckt, 1);
        QCOMPARE(buch.zustand->AktuelleSeite, 4);
    }

    // A printed spread keeps its text as text and its pictures with their own pixels:
    // no picture of the whole spread, nothing compressed lossily.
    void aPrintedSpreadKeepsItsTextAndPictures() {
        Buch buch;
        buch.ganzOeffnen();
        QTemporaryDir ordner;
        QStringList dateien;
        buch.form->setDrucker([&](const Druckvorlage &seite) {
            dateien << ordner.filePath(QStringLiteral("seite%1.pdf").arg(dateien.size()));
            AlsPdfDrucken(seite, dateien.back());
            return QString();
        });
        buch.form->SeitenZeigen(6);
        buch.form->Drucken();
        buch.form->SeitenZeigen(1002);
        buch.form->Drucken();
        QCOMPARE(dateien.size(), 2);
        const QString text = testing::pdfText(dateien[0]);
        for (const char *zeile : {"Seite 5", "Seite 6", "Der Turm am"})
            QVERIFY2(text.contains(QLatin1String(zeile)), qPrintable(text));
        const QList<testing::PdfBild> bilder = testing::pdfBilder(dateien[0]);
        QCOMPARE(bilder.size(), 1);
        QCOMPARE(bilder[0].groesse, QSize(200, 100)); // the picture in the text, pixel for pixel
        QVERIFY(bilder[0].art != "jpeg");
        const QList<testing::PdfBild> album = testing::pdfBilder(dateien[1]);
        QCOMPARE(album.size(), 1);
        QCOMPARE(album[0].groesse, QSize(524, 384)); // the album sheet, not a picture of the page
        QVERIFY(album[0].art != "jpeg");
    }

    // "Buch als PDF speichern" in the view menu (F10): the part shown, a spread per page,
    // its text searchable and its contents as the PDF's bookmarks.
    void thePartShownBecomesAPdfWithBookmarks() {
        Buch buch;
        buch.ganzOeffnen();
        buch.zeigen();
        QTemporaryDir ordner;
        const QString datei = ordner.filePath("buch.pdf");
        QString vorschlag;
        buch.form->setPdfZiel([&](const QString &name) {
            vorschlag = name;
            return datei;
        });
        buch.form->SeitenZeigen(4);
        buch.taste(Qt::Key_F10);
        QMenu *menue = buch.form->ansichtMenue();
        QVERIFY(QTest::qWaitForWindowExposed(menue));
        QAction *pdf = menue->findChild<QAction *>("BuchAlsPdf1");
        QVERIFY(pdf);
        QTest::mouseClick(menue, Qt::LeftButton, {}, menue->actionGeometry(pdf).center());
        QVERIFY(vorschlag.endsWith("Pagora-Text.pdf"));
        QCOMPARE(buch.zustand->AktuelleSeite, 4); // the reader stays where he was
        const QString text = testing::pdfText(datei);
        QCOMPARE(text.count('\f'), 5); // spreads 1/2 to 9/10
        for (const char *zeile : {"Seite 1", "Eine lange Ueberschrift", "Seite 9"})
            QVERIFY2(text.contains(QLatin1String(zeile)), qPrintable(text));
        QVERIFY(text.indexOf("Seite 3") < text.indexOf("Seite 5"));
        // Contents "Anfang 2" and "Mitte 5": the spreads 1/2 and 5/6, PDF pages 1 and 3.
        QCOMPARE(testing::pdfGliederung(datei), QStringList({"1 Anfang", "3 Mitte"}));
        QVERIFY(buch.form->PanelName()->text().contains(datei));
    }

    void aPrintedPageBecomesAPdf() {
        QTemporaryDir ordner;
        QImage seite(640, 480, QImage::Format_RGB32);
        seite.fill(Qt::white);
        const QString datei = Ausdrucken(Druckvorlage::ausBild(seite), ordner.path());
        QVERIFY2(!datei.isEmpty(), "a system printer took the page, though the test's print server is none");
        QFile f(datei);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(5) == "%PDF-");
    }
};

int main(int argc, char **argv) {
    // No printer of the machine takes a test's page: printing falls back to a file.
    qputenv("CUPS_SERVER", "/nonexistent/pagora-test-cups.sock");
    QApplication app(argc, argv);
    platform::registerBundledFonts();
    TestBuchansicht t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_buchansicht.moc"
