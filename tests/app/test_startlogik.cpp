// Start-up arithmetic: font scaling, the opening animation, the tour figure and the
// image menu cells.
#include "app/core/menuezelle.h"
#include "app/core/startlogik.h"

#include <QtTest>

using namespace app;
Q_DECLARE_METATYPE(app::MenueBefehl)

class TestStartlogik : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void schriftgrad_data() {
        QTest::addColumn<int>("ppi");
        QTest::addColumn<int>("grad");
        QTest::addColumn<bool>("warnen");
        QTest::addColumn<bool>("skalieren");
        QTest::newRow("72") << 72 << 7 << false << false;
        QTest::newRow("96") << 96 << 7 << false << false;
        QTest::newRow("100") << 100 << 7 << true << true;
        QTest::newRow("120") << 120 << 6 << false << true;
        QTest::newRow("143") << 143 << 6 << true << true;
        QTest::newRow("144") << 144 << 5 << false << true;
        QTest::newRow("168") << 168 << 3 << true << true;
        QTest::newRow("192") << 192 << 3 << true << true;
        QTest::newRow("2400") << 2400 << 3 << true << true;
        QTest::newRow("2424 beyond the table") << 2424 << 7 << true << true;
    }
    void schriftgrad() {
        QFETCH(int, ppi);
        QFETCH(int, grad);
        QFETCH(bool, warnen);
        QFETCH(bool, skalieren);
        const Schriftskalierung s = SchriftgradFuer(ppi);
        QCOMPARE(s.Schriftgrad, grad);
        QCOMPARE(s.warnen, warnen);
        QCOMPARE(s.skalieren, skalieren);
    }

    void fontSizesScaleByTheBaseSize() {
        QCOMPARE(SkalierteGroesse(36, 7), 36);
        QCOMPARE(SkalierteGroesse(36, 6), 30);
        QCOMPARE(SkalierteGroesse(11, 5), 7);
        QCOMPARE(SkalierteGroesse(2147483647, 7), 2147483647);
    }

    void aFourLetterTitleTypesIn41TicksThenTheBookOpensIn19() {
        Eroeffnung e("Abcd");
        QStringList gezeigt;
        int tick = 0;
        while (gezeigt.size() < 4) {
            const Eroeffnung::Schritt s = e.tick();
            ++tick;
            QCOMPARE(s.buchTakt, 0);
            if (s.titelNeu) gezeigt << s.titel;
        }
        QCOMPARE(tick, 41);
        QCOMPARE(gezeigt, (QStringList{"A", "Ab", "Abc", "Abcd"}));
        for (int k = 1; k <= 19; ++k) {
            const Eroeffnung::Schritt s = e.tick();
            QVERIFY(!s.titelNeu);
            QCOMPARE(s.buchTakt, k);
        }
        QVERIFY(e.fertig());
        QCOMPARE(e.tick().buchTakt, 0);
    }

    void theFirstLetterComesAtTick26() {
        Eroeffnung e("X");
        for (int i = 0; i < 25; ++i)
            QVERIFY(!e.tick().titelNeu);
        QCOMPARE(e.tick().titel, QString("X"));
    }

    void anEmptyTitleOpensAtOnce() {
        Eroeffnung e("");
        QCOMPARE(e.tick().buchTakt, 1);
    }

    void theLidNarrowsFrom360To20() {
        QCOMPARE(Eroeffnung::DeckelBreite(2), 340);
        QCOMPARE(Eroeffnung::DeckelBreite(18), 20);
    }

    void tourTicks() {
        QCOMPARE(TourTakt(3).art, TourBild::Art::Nichts);
        const TourBild sprung = TourTakt(4);
        QCOMPARE(sprung.name, QString("CBTjump"));
        QCOMPARE(sprung.x, 237);
        QCOMPARE(sprung.y, 269);
        QCOMPARE(TourTakt(9).x, 30);
        QCOMPARE(TourTakt(10).art, TourBild::Art::Bildschirm5);
        QCOMPARE(TourTakt(11).art, TourBild::Art::Nichts);
        QCOMPARE(TourTakt(18).art, TourBild::Art::Anhalten);
    }

    void menuCells_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("seite");
        QTest::addColumn<MenueBefehl>("befehl");
        QTest::newRow("cell 0") << 0 << 5 << 2 << MenueBefehl::Bearbeitung;
        QTest::newRow("cell 1 edge") << 127 << 5 << 2 << MenueBefehl::Lesen;
        QTest::newRow("cell 3 on tour -4") << 200 << 5 << -4 << MenueBefehl::Keiner;
        QTest::newRow("cell 3 on -2") << 200 << 5 << -2 << MenueBefehl::Hilfe;
        QTest::newRow("cell 7 on tour") << 448 << 5 << -6 << MenueBefehl::Beenden;
        QTest::newRow("x 38 in cell 6 prints") << 384 + 38 << 40 << 2 << MenueBefehl::Drucken;
        QTest::newRow("x 39 y 10 background") << 384 + 39 << 10 << 2 << MenueBefehl::Hintergrundbild;
        QTest::newRow("x 39 y 32 background") << 384 + 39 << 32 << 2 << MenueBefehl::Hintergrundbild;
        QTest::newRow("x 39 y 40 window") << 384 + 39 << 40 << 2 << MenueBefehl::Windowsstil;
        QTest::newRow("outside") << 512 << 5 << 2 << MenueBefehl::Keiner;
    }
    void menuCells() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, seite);
        QFETCH(MenueBefehl, befehl);
        QCOMPARE(MenueZelle(x, y, seite), befehl);
    }
};

QTEST_APPLESS_MAIN(TestStartlogik)
#include "test_startlogik.moc"
