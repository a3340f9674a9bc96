// Turning through the whole book: tour, contents, reading part, album, help.
#include "book/core/aufschlag.h"
#include "book/core/blaettern.h"
#include "book/core/lesezeichen.h"

#include <QtTest>

using namespace book;

class TestBlaettern : public QObject {
    Q_OBJECT
    std::array<Inhaltsstand, 4> stand{};

    int vor(int n, const Buchumfang &u) {
        const Blaetterziel z = VorBlaettern(n, stand, u);
        return z.zeigen ? z.seite : 99999;
    }
    int zurueck(int n, const Buchumfang &u) {
        const Blaetterziel z = ZurueckBlaettern(n, stand, u);
        return z.zeigen ? z.seite : 99999;
    }

private Q_SLOTS:
    void init() { stand = {}; }

    void forwardThroughTheTourAndTheParts() {
        const Buchumfang u{7, 4, 16};
        QCOMPARE(vor(-6, u), -5);
        QCOMPARE(vor(-5, u), -4); // the display passes on to -3
        QCOMPARE(vor(-3, u), -2);
        QCOMPARE(vor(-2, u), -1);
        QCOMPARE(vor(-1, u), 0);
        QCOMPARE(vor(0, u), 1);
        QCOMPARE(vor(8, u), 1000); // seven pages: the last spread is 8
        QCOMPARE(vor(1000, u), 1001);
        QCOMPARE(vor(1002, u), 1003);
        QCOMPARE(vor(1004, u), 2000); // 16 pictures: two album spreads
        QCOMPARE(vor(2004, u), 2005);
        QCOMPARE(vor(2006, u), 99999); // end of the help
        // An odd help page count: its last page is the left one of the last spread.
        const Buchumfang ungerade{7, 5, 16};
        QCOMPARE(vor(2004, ungerade), 2005);
        QCOMPARE(vor(2006, ungerade), 99999);
        const Buchumfang drei{7, 3, 16};
        QCOMPARE(vor(2002, drei), 2003);
        QCOMPARE(vor(2004, drei), 99999);
    }

    void anEvenPageCountShowsTheEmptySpreadFirst() {
        const Buchumfang u{8, 0, 0};
        QCOMPARE(vor(8, u), 9);
        QCOMPARE(vor(10, u), 1000);
        QCOMPARE(zurueck(1000, u), 8);
    }

    void backwardsAcrossPartBoundaries() {
        const Buchumfang u{7, 4, 16};
        QCOMPARE(zurueck(2000, u), 1003); // album page 3, shown as 1003/1004
        QCOMPARE(zurueck(1000, u), 7);
        QCOMPARE(zurueck(2, u), 0);
        QCOMPARE(zurueck(0, u), -1);
        QCOMPARE(zurueck(-1, u), 99999);
        QCOMPARE(zurueck(-3, u), -2);
        QCOMPARE(zurueck(-2, u), 99999);
    }

    void bookmarkDescriptions() {
        QCOMPARE(LesezeichenHint(12), QString("Text, Seite 11-12"));
        QCOMPARE(LesezeichenHint(1004), QString("Album, Seite 3-4"));
        QCOMPARE(LesezeichenHint(2002), QString("Hilfe, Seite 1-2"));
        // Each side of the parts' limits.
        QCOMPARE(LesezeichenHint(998), QString("Text, Seite 997-998"));
        QCOMPARE(LesezeichenHint(1998), QString("Album, Seite 997-998"));
    }

    void pagesOfTheReadersNumbering() {
        using T = Buchseite::Teil;
        const struct {
            int zahl;
            T teil;
            int nummer;
            bool inhalt;
        } faelle[] = {{-6, T::Deckel, -6, false},   {-1, T::Deckel, -1, false}, {0, T::Text, 0, true},
                      {999, T::Text, 999, false},   {1000, T::Album, 0, true},  {1001, T::Album, 1, false},
                      {1999, T::Album, 999, false}, {2000, T::Hilfe, 0, true},  {2001, T::Hilfe, 1, false}};
        for (const auto &f : faelle) {
            const Buchseite s{f.zahl};
            QVERIFY2(s.teil() == f.teil && s.nummer() == f.nummer && s.inhalt() == f.inhalt,
                     qPrintable(QString::number(f.zahl)));
            if (f.teil != T::Deckel) QCOMPARE(Buchseite::im(f.teil, f.nummer).zahl, f.zahl);
        }
    }

    void contentsSpreadsArePagedBeforeTurning() {
        const Buchumfang u{20, 0, 0};
        stand[1] = {1, 3};
        QCOMPARE(vor(0, u), 0);
        QCOMPARE(stand[1].Aktuell, 2);
        QCOMPARE(zurueck(0, u), 0);
        QCOMPARE(stand[1].Aktuell, 1);
        QCOMPARE(zurueck(0, u), -1);
        // Back from page 2 lands on the last contents spread.
        QCOMPARE(zurueck(2, u), 0);
        QCOMPARE(stand[1].Aktuell, 3);
    }

    // What each spread shows, on both sides of every limit: the cover screens with and
    // without the cover picture and the tour, odd pages, the parts' page counts.
    void whatASpreadShows_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("umschlag");
        QTest::addColumn<bool>("tourAn");
        QTest::addColumn<bool>("buchbild");
        QTest::addColumn<QString>("erwartet"); // seite figur deckblatt links rechts nummern einband inhalt tour
        QTest::newRow("sitting figure") << -6 << true << true << true << "-6 1 1 0 0 0 U 0 1";
        QTest::newRow("no tour: no figure") << -6 << true << false << true << "-6 0 1 0 0 0 U 0 1";
        QTest::newRow("cover screen without a cover picture") << -6 << false << true << true << "0 0 0 1 0 0 B 1 0";
        QTest::newRow("the cover lies already") << -5 << true << true << false << "-5 1 1 0 0 0 - 0 2";
        QTest::newRow("angel page with copyright") << -3 << true << true << false << "-3 1 0 1 0 0 B 1 4";
        QTest::newRow("angel page on the book") << -3 << true << true << true << "-3 1 0 1 0 0 - 1 4";
        QTest::newRow("last tour screen") << -2 << true << true << true << "-2 1 1 0 0 0 U 0 5";
        QTest::newRow("-1: the cover") << -1 << true << true << true << "-1 0 1 0 0 0 U 0 0";
        QTest::newRow("text contents") << 0 << true << true << true << "0 0 0 1 0 0 B 1 0";
        QTest::newRow("odd page: its spread") << 5 << true << true << true << "6 0 0 1 1 1 B 0 0";
        QTest::newRow("last text page") << 7 << true << true << true << "8 0 0 1 1 1 B 0 0";
        QTest::newRow("one past the text") << 8 << true << true << true << "8 0 0 1 0 1 B 0 0";
        QTest::newRow("album contents") << 1000 << true << true << true << "1000 0 0 1 0 0 B 2 0";
        QTest::newRow("album spread") << 1002 << true << true << true << "1002 0 0 1 0 1 B 0 0";
        QTest::newRow("help contents") << 2000 << true << true << true << "2000 0 0 1 0 0 B 3 0";
        QTest::newRow("last help page") << 2004 << true << true << true << "2004 0 0 1 1 1 B 0 0";
        QTest::newRow("one past the help") << 2005 << true << true << true << "2006 0 0 1 0 1 B 0 0";
    }
    void whatASpreadShows() {
        QFETCH(int, n);
        QFETCH(bool, umschlag);
        QFETCH(bool, tourAn);
        QFETCH(bool, buchbild);
        QFETCH(QString, erwartet);
        const Aufschlag a = AufschlagFuer(n, {7, 4, 16}, umschlag, tourAn, buchbild);
        const char einband = a.einband == Aufschlag::Einband::Umschlag ? 'U'
                             : a.einband == Aufschlag::Einband::Buch   ? 'B'
                                                                       : '-';
        const QString gezeigt = QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9")
                                    .arg(a.seite.zahl)
                                    .arg(int(a.tourFigur))
                                    .arg(int(a.deckblatt))
                                    .arg(int(a.textLinks))
                                    .arg(int(a.textRechts))
                                    .arg(int(a.seitenzahlen))
                                    .arg(QChar(einband))
                                    .arg(a.inhaltTeil)
                                    .arg(int(a.tour));
        QCOMPARE(gezeigt, erwartet);
    }
};

QTEST_APPLESS_MAIN(TestBlaettern)
#include "test_blaettern.moc"
