// Marks and their reacting squares, the album's cell grid, caption hints and the
// placement of the enlarged copy.
#include "album/core/marken.h"

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

    void aFullMarkFileIsReadWithoutDelay() {
        // 62,500 marks 40 apart (about 0.9 MB), two nearer ones at either end of the file:
        // the radius still follows the nearest pair, and reading takes no noticeable time.
        QByteArray datei = "9999,9999,erste\r\n";
        for (int x = 0; x < 250; ++x)
            for (int y = 0; y < 250; ++y)
                datei += QByteArray::number(10000 + x * 40).right(4) + ',' + QByteArray::number(10000 + y * 40).right(4) + ",m\r\n";
        datei += "9999,9969,letzte\r\n";
        QElapsedTimer uhr;
        uhr.start();
        const Markentabelle t = Markentabelle::Lesen(datei);
        QCOMPARE(t.marken.size(), 62502);
        QCOMPARE(t.radius, 15);
        QVERIFY2(uhr.elapsed() < 3000, qPrintable(QString::number(uhr.elapsed()) + " ms"));
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
        for (int i = 0; i < 100; ++i) datei += QByteArray::number(1000 + i * 3).right(4) + ",0500,Marke " + QByteArray::number(i) + "\r\n";
        const Markentabelle t = Markentabelle::Lesen(datei);
        QCOMPARE(t.marken.size(), 100);
        QCOMPARE(t.marken.last().text, QString("Marke 99"));
    }

    void theFirstCommentedMarkInRangeWins() {
        Markentabelle t = Markentabelle::Lesen("0100,0100,erste\r\n0110,0100,zweite\r\n");
        QCOMPARE(t.radius, 8);
        QCOMPARE(t.Unter(105, 100).text, QString("erste"));
        QCOMPARE(t.Unter(115, 100).text, QString("zweite"));
        QCOMPARE(t.Unter(108, 100).index, 2);  // bounds are strict: 108 is outside the first square
        QCOMPARE(t.Unter(107, 100).index, 1);  // inside both: the first in file order wins
        QCOMPARE(t.Unter(300, 300).index, 0);
        t.marken[0].text.clear();  // a deleted mark in range is found but says nothing
        QCOMPARE(t.Unter(105, 100).text, QString("zweite"));
        QCOMPARE(t.Unter(101, 100).index, 1);
        QCOMPARE(t.Unter(101, 100).text, QString());
    }

    void deletingMarkTwoOfThreeKeepsTheOthers() {
        const Markentabelle t = Markentabelle::Lesen("0010,0020,eins\r\n0030,0040,zwei\r\n0050,0060,drei\r\n");
        QCOMPARE(t.SchreibenOhne(2), QByteArray("0010,0020,eins\r\n0050,0060,drei\r\n"));
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
