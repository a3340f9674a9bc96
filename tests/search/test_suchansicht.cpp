// The search in the running window: the text search jumping from hit to hit with the
// found words marked, the not-found notice, the album search with its found list and a
// framed hit.
#include "album/views/bildansicht.h"
#include "app/views/buchlenkung.h"
#include "app/views/timageform.h"
#include "bildteile.h"
#include "book/core/seitensatz.h"
#include "book/views/bildflaeche.h"
#include "book/views/blaetteranimation.h"
#include "book/views/buchpanel.h"
#include "book/views/seitenmemo.h"
#include "buchteile.h"
#include "fixture.h"
#include "platform/fonts.h"
#include "search/views/suchleiste.h"
#include "search/views/suchsteuerung.h"
#include "search/views/tfundliste.h"
#include "stillemeldungen.h"
#include "suchteile.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest>
#include <array>

using namespace app;

namespace {

struct Suche {
    // `zusatz`: more lines, as page → line → text.
    explicit Suche(const QMap<int, QMap<int, QByteArray>> &zusatz = {}) {
        w.schreiben("names.exe", "x");
        w.text("Pagora.ini", {"ShowCBT=0"});
        w.text("Pagora/Pages/Pagora.1", {"Anfang   2"});
        QByteArray seiten;
        for (int s = 1; s <= 10; ++s) {
            book::Seitensatz satz;
            satz.setzen(1, "Seite " + QByteArray::number(s));
            if (s == 3)
                satz.setzen(7, "Die Stra\xdf"
                               "e am Hafen");
            if (s == 8) satz.setzen(12, "noch eine Strasse");
            for (auto it = zusatz.value(s).cbegin(); it != zusatz.value(s).cend(); ++it)
                satz.setzen(it.key(), it.value());
            seiten += satz.bytes();
        }
        w.schreiben("Pagora/Pages/Pagora.5", seiten);
        QByteArray hilfe;
        for (int s = 1; s <= 7; ++s) {
            book::Seitensatz satz;
            satz.setzen(1, "Hilfe " + QByteArray::number(s));
            if (s == 5) satz.setzen(4, "So legen Sie ein Lesezeichen");
            hilfe += satz.bytes();
        }
        w.schreiben("Pagora/Pages/Pagora.7", hilfe);
        w.text("Pagora/Pages/Pagora.3", {"Hafen:Der Hafen"});
        w.bitmap("Pagora/Album/Hafen.bmp", 400, 300, Qt::darkCyan);
        w.text("Pagora/Album/Hafen.txt", {"0120,0080,Das Rathaus", "0300,0200,Der Kran"});
        zustand = std::make_unique<Zustand>(w.dateien());
        zustand->programmDatei = w.gespeichert() + "Pagora.exe";
        form = std::make_unique<TImageForm>(*zustand, screen, still);
        form->eroeffnungAnhalten();
        form->setFenster(&fundliste, nullptr);
        for (int i = 0; i < 60; ++i)
            form->TimerAnfangTimer();
    }
    void suchen(const QString &begriff, int bereich) {
        QTest::keyClick(form.get(), Qt::Key_F, Qt::ControlModifier);
        const testing::Suchteile leiste(*form->suche()->PanelSuchen());
        QTest::mouseClick(std::array{leiste.PanelImAlbum, leiste.PanelImBuch, leiste.PanelInDerHilfe}[size_t(bereich)],
                          Qt::LeftButton);
        leiste.Edit2->setText(begriff);
        QTest::mouseClick(leiste.BitBtn3, Qt::LeftButton);
    }
    testing::Datenwurzel w;
    platform::SimulatedScreen screen{{800, 600, 96}};
    testing::StilleMeldungen still;
    search::TFundliste fundliste;
    std::unique_ptr<Zustand> zustand;
    std::unique_ptr<TImageForm> form;
};

} // namespace

class TestSuchansicht : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theTextSearchGoesFromHitToHit() {
        Suche s;
        s.suchen("Strasse", 1);
        QCOMPARE(s.zustand->AktuelleSeite, 4); // page 3 lies on spread 3/4
        QVERIFY(testing::teile(s.form->PanelBuch()).ImageLeftArrow->isVisibleTo(s.form.get()));
        QCOMPARE(testing::teile(s.form->PanelBuch()).ImageLeftArrow->y(), 7 * 13 + 10);
        QTest::keyClick(testing::Suchteile(*s.form->suche()->PanelSuchen()).Edit2,
                        Qt::Key_Return); // OK again continues after the spread
        QCOMPARE(s.zustand->AktuelleSeite, 8);
        QVERIFY(testing::teile(s.form->PanelBuch()).ImageRightArrow->isVisibleTo(s.form.get()));
        QTest::keyClick(testing::Suchteile(*s.form->suche()->PanelSuchen()).Edit2, Qt::Key_Return);
        search::Suchleiste *leiste = s.form->suche()->PanelSuchen();
        QVERIFY(testing::Suchteile(*leiste).PanelNotFound->isVisibleTo(s.form.get()));
        QCOMPARE(testing::Suchteile(*leiste).PanelNotFound->text(), QString("Suchbegriff nicht gefunden"));
        // The notice lies inside the bar and covers none of its controls.
        QVERIFY(leiste->rect().contains(testing::Suchteile(*leiste).PanelNotFound->geometry()));
        for (QWidget *w : leiste->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (w != testing::Suchteile(*leiste).PanelNotFound && w->isVisibleTo(leiste))
                QVERIFY2(!w->geometry().intersects(testing::Suchteile(*leiste).PanelNotFound->geometry()),
                         qPrintable(w->objectName()));
        // Choosing the scope again starts at the beginning.
        s.form->suche()->BevelImBuch(1);
        QTest::keyClick(testing::Suchteile(*s.form->suche()->PanelSuchen()).Edit2, Qt::Key_Return);
        QCOMPARE(s.zustand->AktuelleSeite, 4);
        QVERIFY(!testing::Suchteile(*leiste).PanelNotFound->isVisibleTo(s.form.get())); // a later hit clears the notice
    }

    // The found word is marked in every line of the spread where the folding finds it,
    // under the arrow; turning the page or the next search takes the marks away.
    void theFoundWordsAreMarkedUntilThePageTurns() {
        Suche s({{3, {{9, "Strassen, Strassen"}}}, {4, {{2, "Hauptstrasse"}}}});
        for (int i = 0; i < 40 && testing::kindNamens<QWidget>(*s.form, "PanelDeckel")->isVisibleTo(s.form.get()); ++i)
            s.form->TimerAnfangTimer();
        s.form->show();
        s.suchen("Strasse", 1);
        QCOMPARE(s.zustand->AktuelleSeite, 4);
        const testing::Buchteile buch(*s.form->PanelBuch());
        QVERIFY(buch.ImageLeftArrow->isVisibleTo(s.form.get()));
        using M = book::SeitenMemo::Markierung;
        QCOMPARE(buch.MemoTextLinks->markierungen(), QList<M>({{6, 4, 6}, {8, 0, 7}, {8, 10, 7}}));
        QCOMPARE(buch.MemoTextRechts->markierungen(), QList<M>({{1, 5, 7}}));
        // Drawn as a light ground behind "Straße", none beside it.
        const QImage bild = s.form->PanelBuch()->grab().toImage();
        const QRect wort = buch.MemoTextLinks->zeichenRechteck(6, 4, 6).translated(buch.MemoTextLinks->pos());
        const QColor innen = bild.pixelColor(wort.left() + 1, wort.top() + 1);
        const QColor daneben = bild.pixelColor(wort.right() + 8, wort.top() + 1);
        QVERIFY2(innen.red() > innen.blue() + 40, qPrintable(innen.name()));
        QVERIFY2(daneben.red() <= daneben.blue() + 40, qPrintable(daneben.name()));

        // The keys stay in the search bar after a hit; Escape closes it, the marks stay.
        QTest::keyClick(s.form->windowHandle(), Qt::Key_Escape);
        QCOMPARE(buch.MemoTextRechts->markierungen(), QList<M>({{1, 5, 7}}));
        QTest::keyClick(s.form->windowHandle(), Qt::Key_PageDown);
        QVERIFY(buch.MemoTextLinks->markierungen().isEmpty() && buch.MemoTextRechts->markierungen().isEmpty());
        QTest::keyClick(s.form->windowHandle(), Qt::Key_PageUp);
        QVERIFY(buch.MemoTextLinks->markierungen().isEmpty());
        QTest::keyClick(testing::Suchteile(*s.form->suche()->PanelSuchen()).Edit2,
                        Qt::Key_Return); // on after the spread shown
        QCOMPARE(s.zustand->AktuelleSeite, 8);
        QVERIFY(buch.MemoTextLinks->markierungen().isEmpty());
        QCOMPARE(buch.MemoTextRechts->markierungen(), QList<M>({{11, 10, 7}}));
        QTest::keyClick(s.form->windowHandle(), Qt::Key_F, Qt::ControlModifier); // the bar again
        testing::Suchteile(*s.form->suche()->PanelSuchen()).Edit2->setText("Xylophon");
        QTest::keyClick(testing::Suchteile(*s.form->suche()->PanelSuchen()).Edit2, Qt::Key_Return);
        QVERIFY(testing::Suchteile(*s.form->suche()->PanelSuchen()).PanelNotFound->isVisibleTo(s.form.get()));
        QVERIFY(buch.MemoTextLinks->markierungen().isEmpty() && buch.MemoTextRechts->markierungen().isEmpty());
    }

    // A hit on a page's last line is marked where the line is drawn.
    void aHitOnTheLastLineIsMarked() {
        Suche s({{5, {{28, "am Ende der Kranhaus"}}}});
        for (int i = 0; i < 40 && testing::kindNamens<QWidget>(*s.form, "PanelDeckel")->isVisibleTo(s.form.get()); ++i)
            s.form->TimerAnfangTimer();
        s.form->show();
        s.suchen("Kranhaus", 1);
        const testing::Buchteile buch(*s.form->PanelBuch());
        book::SeitenMemo *memo =
            buch.MemoTextLinks->zeilen().value(27).contains("Kranhaus") ? buch.MemoTextLinks : buch.MemoTextRechts;
        QCOMPARE(memo->zeilen().size(), 28);
        QCOMPARE(memo->markierungen(), QList<book::SeitenMemo::Markierung>({{27, 12, 8}}));
        QVERIFY(memo->rect().contains(memo->zeichenRechteck(27, 12, 8)));
    }

    // A hit in a heading or a picture caption is marked there too, and the marks are on
    // the leaf while it turns, not only after it.
    void headingsAndCaptionsAreMarkedOnTheTurningPage() {
        Suche s({{5,
                  {{4, "\xd0"
                       "Wind am Meer"},
                   {8, ":B:Turm"},
                   {9, "\xa4"
                       "Der Turm am Meer"},
                   {16, "Wellen am Meer"}}}});
        s.w.bitmap("Pagora/Slides/Turm.bmp", 100, 40, Qt::darkGreen);
        for (int i = 0; i < 1000 && s.form->PanelBuch()->width() != book::BuchPanel::kBreite; ++i)
            s.form->TimerAnfangTimer(); // the book opened whole
        s.zustand->ansicht.blaetternZeigen = true;
        s.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.form.get()));
        s.form->SeitenZeigen(2);
        s.suchen("Meer", 1);
        QCOMPARE(s.zustand->AktuelleSeite, 6);
        const testing::Buchteile buch(*s.form->PanelBuch());
        auto markiert = [](QWidget *w) {
            const QImage bild = w->grab().toImage();
            for (int y = 0; y < bild.height(); ++y)
                for (int x = 0; x < bild.width(); ++x)
                    if (bild.pixelColor(x, y) == QColor(0xff, 0xe6, 0x9a)) return true;
            return false;
        };
        QVERIFY(markiert(buch.TitelLinks));
        QVERIFY(markiert(buch.Unterschrift[0]));
        QCOMPARE(buch.TitelLinks->text().count("ffe69a"), 1);
        // The last picture of the turn is the spread as it stays, marks included.
        book::Blaetteranimation *blatt = s.form->buchlenkung()->blaetteranimation();
        QVERIFY(blatt->laeuft());
        blatt->anhalten(1.0);
        const QImage gedreht = blatt->grab().toImage().convertToFormat(QImage::Format_RGB32);
        blatt->beenden();
        const QImage danach = s.form->PanelBuch()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect seite = buch.MemoTextLinks->geometry().adjusted(0, 0, -20, 0); // not the spine's shadow
        QCOMPARE(gedreht.copy(seite), danach.copy(seite));
        QCOMPARE(buch.MemoTextLinks->markierungen().size(), 1);
        // The next turn takes every mark away (the bar closed first: it keeps the keys).
        QTest::keyClick(s.form->windowHandle(), Qt::Key_Escape);
        QTest::keyClick(s.form->windowHandle(), Qt::Key_PageDown);
        QVERIFY(!buch.TitelLinks->text().contains("ffe69a"));
    }

    // The found list names the picture first and whole; Escape there leads back to the book.
    void theFoundListNamesThePictureAndEscapeReturns() {
        Suche s;
        s.w.text("Pagora/Album/Hafen.txt",
                 {"0120,0080,Das Rathaus mit dem hohen Giebel, der Uhr und dem Brunnen davor, um 1900"});
        s.form->show();
        s.form->SeitenZeigen(4);
        s.suchen("rathaus", 0);
        QListWidgetItem *eintrag = testing::kindNamens<QListWidget>(s.fundliste, "ListBoxFund")->item(0);
        QVERIFY(eintrag->text().startsWith("Hafen: Das Rathaus"));
        const QRect zeile = testing::kindNamens<QListWidget>(s.fundliste, "ListBoxFund")->visualItemRect(eintrag);
        QVERIFY(
            testing::kindNamens<QListWidget>(s.fundliste, "ListBoxFund")->fontMetrics().horizontalAdvance("Hafen: ") <
            zeile.width());
        QTest::mouseClick(testing::kindNamens<QListWidget>(s.fundliste, "ListBoxFund")->viewport(), Qt::LeftButton, {},
                          zeile.center());
        QVERIFY(!s.form->PanelBuch()->isVisibleTo(s.form.get()));
        QTest::keyClick(&s.fundliste, Qt::Key_Escape);
        QVERIFY(s.form->PanelBuch()->isVisibleTo(s.form.get()));
        QCOMPARE(s.zustand->AktuelleSeite, 4);
    }

    void aHelpHitOpensItsHelpSpread() {
        Suche s;
        s.suchen("Lesezeichen", 2);
        QCOMPARE(s.zustand->AktuelleSeite, 2006); // help page 5 lies on spread 2005/2006
        QVERIFY(testing::teile(s.form->PanelBuch()).ImageLeftArrow->isVisibleTo(s.form.get()));
    }

    void escapeInTheSearchFieldClosesTheBar() {
        Suche s;
        s.form->show();
        QTest::keyClick(s.form.get(), Qt::Key_F, Qt::ControlModifier);
        QLineEdit *feld = testing::Suchteile(*s.form->suche()->PanelSuchen()).Edit2;
        QVERIFY(feld->isVisible());
        QTest::keyClick(feld, Qt::Key_Escape);
        QVERIFY(!s.form->suche()->PanelSuchen()->isVisible());
        QVERIFY(s.form->PanelBuch()->isVisible()); // the book stays where it was
    }

    void plainModeFindsOnlyTheSameSpelling() {
        Suche s;
        QTest::keyClick(s.form.get(), Qt::Key_F, Qt::ControlModifier);
        testing::Suchteile(*s.form->suche()->PanelSuchen()).CheckBox1->setChecked(false);
        s.form->suche()->BevelImBuch(1);
        testing::Suchteile(*s.form->suche()->PanelSuchen()).Edit2->setText("strasse");
        QTest::keyClick(testing::Suchteile(*s.form->suche()->PanelSuchen()).Edit2, Qt::Key_Return);
        QCOMPARE(s.zustand->AktuelleSeite, 8);
    }

    void theFoundListIsMadeByTheFirstAlbumSearch() {
        Suche s;
        int gemacht = 0;
        s.form->setFenster(
            [&] {
                ++gemacht;
                return &s.fundliste;
            },
            [] { return nullptr; });
        s.suchen("Strasse", 1); // a search in the text needs no found list
        QCOMPARE(gemacht, 0);
        s.suchen("rathaus", 0);
        s.suchen("kran", 0);
        QCOMPARE(gemacht, 1);
        QCOMPARE(testing::kindNamens<QListWidget>(s.fundliste, "ListBoxFund")->item(0)->text(),
                 QString("Hafen: Der Kran"));
        // Its hits lead to their pictures: the list was connected when it was made.
        Q_EMIT s.fundliste.fundGewaehlt(1);
        QCOMPARE(s.form->bildansicht()->aktuellesBild(), QString("Hafen"));
    }

    void theAlbumSearchListsHitsAndFramesTheSpot() {
        Suche s;
        s.suchen("rathaus", 0);
        QVERIFY(!s.form->suche()->PanelSuchen()->isVisibleTo(s.form.get()));
        QVERIFY(s.fundliste.isVisible());
        QCOMPARE(testing::kindNamens<QListWidget>(s.fundliste, "ListBoxFund")->count(), 1);
        QCOMPARE(testing::kindNamens<QListWidget>(s.fundliste, "ListBoxFund")->item(0)->text(),
                 QString("Hafen: Das Rathaus"));
        QCOMPARE(s.fundliste.height(), 200);
        s.form->Suchbildausgeben(1);
        QVERIFY(!s.form->PanelBuch()->isVisibleTo(s.form.get()));
        QCOMPARE(testing::Bildteile(*s.form).ImageMain->pos(), QPoint(200, 150));
        QVERIFY(testing::Bildteile(*s.form).Shape1->isVisibleTo(s.form.get()));
        QCOMPARE(testing::Bildteile(*s.form).Shape1->geometry(), QRect(200 + 120 - 50, 150 + 80 - 50, 100, 100));
        QCOMPARE(testing::Bildteile(*s.form).LabelShape->text(), QString("Das Rathaus"));
        QCOMPARE(s.fundliste.x(), 800 - s.fundliste.width());
        QCOMPARE(s.zustand->BildIndex, 0);
        QTest::mouseClick(testing::Bildteile(*s.form).Shape1, Qt::LeftButton);
        QVERIFY(!testing::Bildteile(*s.form).Shape1->isVisibleTo(s.form.get()));
    }

    void aHitAfterATitleScreenShowsItsPicture() {
        Suche s;
        s.w.text("Pagora/Pages/Pagora.3", {":I:Kapitel", "Hafen:Der Hafen"});
        s.form->ListeLaden();
        s.zustand->BildIndex = 0;
        s.form->bildansicht()->BildLaden(QString()); // the title screen
        s.suchen("Kran", 0);
        s.form->Suchbildausgeben(1);
        QCOMPARE(s.zustand->BildIndex, 1);
        QVERIFY(!testing::Bildteile(*s.form).LabelHuge->isVisibleTo(s.form.get()));
        QCOMPARE(testing::Bildteile(*s.form).ImageMain->size(), QSize(400, 300));
    }

    void anAlbumSearchWithoutHitsSaysSo() {
        Suche s;
        s.suchen("Leuchtturm", 0);
        QVERIFY(s.fundliste.isVisible());
        QCOMPARE(testing::kindNamens<QLabel>(s.fundliste, "LabelNichtsgefunden")->text(),
                 QString("\"Leuchtturm\" wurde nicht gefunden"));
        QVERIFY(!testing::kindNamens<QListWidget>(s.fundliste, "ListBoxFund")->isVisibleTo(&s.fundliste));
        s.suchen("Kran", 0); // a later list is not covered by the earlier notice
        QVERIFY(testing::kindNamens<QListWidget>(s.fundliste, "ListBoxFund")->isVisibleTo(&s.fundliste));
        QVERIFY(!testing::kindNamens<QLabel>(s.fundliste, "LabelNichtsgefunden")->isVisibleTo(&s.fundliste));
    }
};

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    platform::registerBundledFonts();
    TestSuchansicht t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_suchansicht.moc"
