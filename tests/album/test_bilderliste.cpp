// The picture list in memory: turning through it past empty cells, finding the line of
// a picture, and the helpers for list lines and mark fields.
#include "album/core/bilderliste.h"

#include <QtTest>

using namespace album;

namespace {

// Lines 0..6: a title, two pictures, an empty cell, a space-led cell, a picture, a title.
Bilderliste liste() {
    Bilderliste l;
    l.setzen(
        {"Kapitel 1", "Hafen:Der alte Hafen~ im Winter", "Turm:Der Turm", "", " ", "hafen:Noch ein Hafen", ":I:Ende"});
    return l;
}

} // namespace

class TestBilderliste : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void turning_data() {
        QTest::addColumn<int>("von");
        QTest::addColumn<int>("naechste");
        QTest::addColumn<int>("vorige");
        QTest::newRow("before the list") << -1 << 0 << -1;
        QTest::newRow("first line") << 0 << 1 << 0;
        QTest::newRow("next skips both empty cells") << 2 << 5 << 1;
        // Back skips one empty cell only: from 5 over 4 lands on the empty 3.
        QTest::newRow("back over two empty cells") << 5 << 6 << 3;
        QTest::newRow("from an empty cell") << 3 << 5 << 2;
        QTest::newRow("last line stays") << 6 << 6 << 5;
        QTest::newRow("beyond the list") << 9 << 9 << 8;
    }
    void turning() {
        QFETCH(int, von);
        QFETCH(int, naechste);
        QFETCH(int, vorige);
        QCOMPARE(liste().Naechste(von), naechste);
        QCOMPARE(liste().Vorige(von), vorige);
    }

    void endsOnEmptyCells() {
        Bilderliste l;
        l.setzen({"A:a", "", ""});
        QCOMPARE(l.Naechste(0), 2); // the last line, though empty: never beyond the list
        l.setzen({"", "A:a"});
        QCOMPARE(l.Vorige(1), 0);
        QCOMPARE(Bilderliste().Naechste(0), 0);
        QCOMPARE(Bilderliste().zeile(0), QString());
    }

    void findingPictures_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("exakt");
        QTest::addColumn<int>("listenname");
        QTest::addColumn<QString>("bildtext");
        QTest::newRow("two lines, cases differ") << "Hafen" << 1 << 5 << QString();
        QTest::newRow("upper case") << "HAFEN" << -1 << 5 << "Der alte Hafen~ im Winter";
        QTest::newRow("one line") << "Turm" << 2 << 2 << QString();
        QTest::newRow("a title is no picture") << "Kapitel 1" << 0 << -1 << QString();
        QTest::newRow("missing") << "Muehle" << -1 << -1 << QString();
    }
    void findingPictures() {
        QFETCH(QString, name);
        QFETCH(int, exakt);
        QFETCH(int, listenname);
        QFETCH(QString, bildtext);
        QCOMPARE(liste().IndexVon(name), exakt);
        QCOMPARE(liste().IndexNachListenname(name), listenname);
        QCOMPARE(liste().BildtextFuer(name), bildtext);
    }

    void pictureTextsAreCut() {
        Bilderliste l;
        l.setzen({"A:" + QString(300, 'x')});
        QCOMPARE(l.BildtextFuer("A").size(), 255);
    }

    void nameHelpers() {
        QCOMPARE(Vierstellig(7), QString("0007"));
        QCOMPARE(Vierstellig(312), QString("0312"));
        QCOMPARE(Vierstellig(12345), QString("1234"));
        QCOMPARE(OhneTilde("Der alte Hafen~ im Winter~"), QString("Der alte Hafen im Winter~"));
        QString rest, name;
        ListenzeileZerlegen("Hafen:Der alte Hafen~ im Winter|Der alte Hafen im Winter 1911", &rest, &name);
        QCOMPARE(name, QString("HAFEN"));
        QCOMPARE(rest, QString("Der alte Hafen~ im Winter|Der alte Hafen im Winter 1911"));
        ListenzeileZerlegen("Kapitel 3", &rest, &name);
        QCOMPARE(name, QString());
        QCOMPARE(rest, QString("Kapitel 3"));
    }
};

QTEST_GUILESS_MAIN(TestBilderliste)
#include "test_bilderliste.moc"
