// Marks and their reacting squares, the album's cell grid, caption hints and the
// placement of the enlarged copy.
#include "album/core/marken.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

using namespace album;

class TestMarken : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theRadiusShrinksForNearbyMarks_data() {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<int>("radius");
        QTest::newRow("one mark") << QByteArray("0100,0100,Turm\r\n") << 20;
        QTest::newRow("30 and 10 apart") << QByteArray("0100,0100,a\r\n0130,0110,b\r\n") << 15;
        QTest::newRow("same spot") << QByteArray("0100,0100,a\r\n0100,0100,b\r\n") << 8;
        QTest::newRow("far apart") << QByteArray("0100,0100,a\r\n0300,0300,b\r\n") << 20;
    }
    void theRadiusShrinksForNearbyMarks() {
        QFETCH(QByteArray, datei);
        QFETCH(int, radius);
        QCOMPARE(Markentabelle::Lesen(datei).radius, radius);
    }

    void everyLineCountsButOnlyMarksHaveComments() {
        const Markentabelle t = Markentabelle::Lesen("0312,0140,Rathaus mit Turm\r\n12,0040,x\r\n0001,0002," +
                                                     QByteArray(100, 'k') + "\r\n");
        QCOMPARE(t.marken.size(), 3);
        QCOMPARE(t.marken[0].x, 312);
        QCOMPARE(t.marken[0].y, 140);
        QCOMPARE(t.marken[0].text, QString("Rathaus mit Turm"));
        QCOMPARE(t.marken[1].text, QString());
        QCOMPARE(t.marken[2].text.size(), 80);
    }

    void aFileOfMoreThan67MarksLosesNone() {
        QByteArray datei;
        for (int i = 0; i < 100; ++i)
            datei += QByteArray::number(1000 + i * 3).right(4) + ",0500,Marke " + QByteArray::number(i) + "\r\n";
        const Markentabelle t = Markentabelle::Lesen(datei);
        QCOMPARE(t.marken.size(), 100);
        QCOMPARE(t.marken.last().text, QString("Marke 99"));
    }

    void theFirstCommentedMarkInRangeWins() {
        Markentabelle t = Markentabelle::Lesen("0100,0100,erste\r\n0110,0100,zweite\r\n");
        QCOMPARE(t.radius, 8);
        QCOMPARE(t.Unter(105, 100).text, QString("erste"));
        QCOMPARE(t.Unter(115, 100).text, QString("zweite"));
        QCOMPARE(t.Unter(108, 100).index, 2); // bounds are strict: 108 is outside the first square
        QCOMPARE(t.Unter(107, 100).index, 1); // inside both: the first in file order wins
        QCOMPARE(t.Unter(300, 300).index, 0);
        t.marken[0].text.clear(); // a deleted mark in range is found but says nothing
        QCOMPARE(t.Unter(105, 100).text, QString("zweite"));
        QCOMPARE(t.Unter(101, 100).index, 1);
        QCOMPARE(t.Unter(101, 100).text, QString());
    }

    // Deleting takes out exactly the mark's line: long comments, odd line ends and
    // lines that are no marks stay byte for byte.
    void deletingTakesOutExactlyOneLine() {
        const QByteArray lang = "0001,0002," + QByteArray(120, 'k') + "\r\n";
        const QByteArray datei = "0010,0020,eins\n" + lang + "Notiz\r0030,0040,zwei\r\n0050,0060,drei";
        Markentabelle t = Markentabelle::Lesen(datei);
        QCOMPARE(t.marken.size(), 5);
        const auto ohneZwei = MarkeEntfernen(datei, 4, t.marken[3]);
        QVERIFY(ohneZwei);
        QCOMPARE(*ohneZwei, "0010,0020,eins\n" + lang + "Notiz\r0050,0060,drei");
        // The table keeps the deleted entry in its place; the next deletion still finds its line.
        t.marken[3].text.clear();
        t.marken[3].entfernt = true;
        QCOMPARE(t.Dateizeile(5), 4);
        QCOMPARE(t.Dateizeile(1), 1);
        const auto ohneDrei = MarkeEntfernen(*ohneZwei, t.Dateizeile(5), t.marken[4]);
        QVERIFY(ohneDrei);
        QCOMPARE(*ohneDrei, "0010,0020,eins\n" + lang + "Notiz\r");
        // A file that changed since it was read is not touched.
        QVERIFY(!MarkeEntfernen(datei, 1, t.marken[4]));
        QVERIFY(!MarkeEntfernen(datei, 6, t.marken[4]));
        QVERIFY(!MarkeEntfernen(QByteArray(), 1, Marke{}));
    }

    void deletingNeverJoinsTwoLineBreaks() {
        // A lone CR before the line and an LF after it would read as one break: the
        // empty line after it would vanish and every later line move up by one.
        const QByteArray datei = "0001,0001,a\r0002,0002,b\n\n0003,0003,c";
        const Markentabelle t = Markentabelle::Lesen(datei);
        const auto ohne = MarkeEntfernen(datei, 2, t.marken[1]);
        QVERIFY(ohne);
        QCOMPARE(Markentabelle::Lesen(*ohne).marken.size(), 3);
        QCOMPARE(*ohne, QByteArray("0001,0001,a\r\n\n0003,0003,c"));
        // The same after an empty line that itself ends in a lone CR (found by fuzzing):
        // the break before it must not join either.
        const QByteArray leer = "a\r\rb\n\ncxxb\n\ncxxx";
        const Markentabelle u = Markentabelle::Lesen(leer);
        const auto ohneB = MarkeEntfernen(leer, 3, u.marken[2]);
        QVERIFY(ohneB);
        QCOMPARE(Markentabelle::Lesen(*ohneB).marken.size(), u.marken.size() - 1);
        QCOMPARE(*ohneB, QByteArray("a\r\r\n\ncxxb\n\ncxxx"));
    }

    void appendingKeepsWhatIsThere() {
        QCOMPARE(MarkeAnhaengen("", 5, 60, "neu"), QByteArray("0005,0060,neu\r\n"));
        QCOMPARE(MarkeAnhaengen("0001,0001,a", 5, 60, "neu"), QByteArray("0001,0001,a\r\n0005,0060,neu\r\n"));
        QCOMPARE(MarkeAnhaengen("0001,0001,a\n", 5, 60, QString::fromUtf8("Öl")),
                 QByteArray("0001,0001,a\n0005,0060,\xd6l\r\n"));
    }

    // The squares shrink as a comparison of every pair would shrink them, at a cost
    // that grows with the number of marks only.
    void theRadiusAgreesWithEveryPairAndStaysFast() {
        QRandomGenerator zufall(17);
        for (int runde = 0; runde < 200; ++runde) {
            QByteArray datei;
            QList<QPoint> punkte;
            const int n = 2 + int(zufall.bounded(12));
            for (int i = 0; i < n; ++i) {
                const QPoint p(int(zufall.bounded(300)), int(zufall.bounded(300)));
                punkte << p;
                datei += QString::asprintf("%04d,%04d,m\r\n", p.x(), p.y()).toLatin1();
            }
            int erwartet = 20;
            for (const QPoint &a : punkte)
                for (const QPoint &b : punkte)
                    if (&a != &b)
                        while (std::abs(a.x() - b.x()) < 2 * erwartet && std::abs(a.y() - b.y()) < 2 * erwartet &&
                               erwartet > 8)
                            --erwartet;
            QCOMPARE(Markentabelle::Lesen(datei).radius, erwartet);
        }
        QByteArray gitter; // 160,000 marks 17 apart: every square keeps radius 8 and nobody collides
        for (int x = 0; x < 400; ++x)
            for (int y = 0; y < 400; ++y)
                gitter += QString::asprintf("%04d,%04d,m\r\n", x * 17, y * 17).toLatin1();
        QElapsedTimer uhr;
        uhr.start();
        QCOMPARE(Markentabelle::Lesen(gitter).radius, 8);
        QVERIFY2(uhr.elapsed() < 5000, qPrintable(QString::number(uhr.elapsed())));
    }

    void albumCells_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("schwebend");
        QTest::addColumn<int>("zelle");
        QTest::newRow("top left") << 10 << 10 << false << 1;
        QTest::newRow("x 110 between columns") << 110 << 50 << false << 0;
        QTest::newRow("x 120") << 120 << 50 << false << 2;
        QTest::newRow("row gap") << 10 << 85 << false << 0;
        QTest::newRow("second row") << 10 << 100 << false << 3;
        QTest::newRow("right page bottom right") << 420 << 300 << false << 16;
        QTest::newRow("x 515 clicked") << 515 << 10 << false << 10;
        QTest::newRow("x 515 hovered") << 515 << 10 << true << 0;
        QTest::newRow("right page left column") << 300 << 200 << false << 13;
        // Both sides of every edge.
        QTest::newRow("x 107 last of column 1") << 107 << 10 << false << 1;
        QTest::newRow("x 108 first of the gap") << 108 << 10 << false << 0;
        QTest::newRow("x 119 last of the gap") << 119 << 10 << false << 0;
        QTest::newRow("y 81 last of row 1") << 10 << 81 << false << 1;
        QTest::newRow("y 82 first of the row gap") << 10 << 82 << false << 0;
        QTest::newRow("y 95 last of the row gap") << 10 << 95 << false << 0;
        QTest::newRow("y 96 first of row 2") << 10 << 96 << false << 3;
        QTest::newRow("x 295 before the right page") << 295 << 10 << false << 0;
        QTest::newRow("x 296 right page") << 296 << 10 << false << 9;
        QTest::newRow("x 403 last of column 3") << 403 << 10 << false << 9;
        QTest::newRow("x 404 gap on the right page") << 404 << 10 << false << 0;
        QTest::newRow("x 415 last of that gap") << 415 << 10 << false << 0;
        QTest::newRow("x 416 column 4") << 416 << 10 << false << 10;
        QTest::newRow("x 511 hovered") << 511 << 10 << true << 10;
        QTest::newRow("x 512 hovered") << 512 << 10 << true << 0;
    }
    void albumCells() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, schwebend);
        QFETCH(int, zelle);
        QCOMPARE(AlbumZelle(x, y, schwebend), zelle);
    }

    void captionHints() {
        QCOMPARE(BildHinweisText("Hafen:Der alte Hafen~ im Winter|Der alte Hafen im Winter 1911"),
                 QString("Der alte Hafen im Winter 1911"));
        QCOMPARE(BildHinweisText("Turm:Der Turm~ am Markt"), QString("Der Turm am Markt"));
        QCOMPARE(BildHinweisText("Kapitel 3"), QString());
    }

    void enlargementPlacement_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("lage");
        QTest::newRow("centre") << 200 << -400;
        QTest::newRow("top left corner") << 0 << 0;
        QTest::newRow("x 1") << 1 << 0;
        QTest::newRow("x 399") << 399 << -800;
    }
    void enlargementPlacement() {
        QFETCH(int, x);
        QFETCH(int, lage);
        // 800-pixel screen, picture 400 wide, copy 1600 wide.
        QCOMPARE(VergroesserungsLage(800, 1600, 400, x), lage);
        QCOMPARE(VergroesserungsLage(600, 1200, 300, 150), -300);
    }
};

QTEST_APPLESS_MAIN(TestMarken)
#include "test_marken.moc"
