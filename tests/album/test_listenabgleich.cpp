// The picture list against the album folder (missing and new pictures), the editor's
// rules for lines, and moving a picture to "Rest\".
#include "album/core/listenabgleich.h"
#include "album/core/listenregeln.h"
#include "album/core/restordner.h"
#include "fixture.h"

#include <QtTest>

using namespace album;

class TestListenabgleich : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void comparingWithTheAlbumFolder_data() {
        QTest::addColumn<QStringList>("liste");
        QTest::addColumn<QStringList>("bilder");
        QTest::addColumn<int>("vorhanden");
        QTest::addColumn<QStringList>("fehlende");
        QTest::addColumn<QStringList>("neue");
        QTest::addColumn<QStringList>("langeNamen");
        const QString lang = QString(41, 'L');
        QTest::newRow("only B is there") << QStringList{"A:x", "B:y"} << QStringList{"B.bmp"} << 1 << QStringList{"A"}
                                         << QStringList{} << QStringList{};
        QTest::newRow("missing run from the last line")
            << QStringList{"A:x", "B:y", "  ", ":I:Titel", "C "} << QStringList{} << 0 << QStringList{"C", "B", "A"}
            << QStringList{} << QStringList{};
        QTest::newRow("new pictures sorted") << QStringList{} << QStringList{"c.bmp", "a.bmp", "B.bmp"} << 0
                                             << QStringList{} << QStringList{"a", "B", "c"} << QStringList{};
        QTest::newRow("case does not matter, the background is no new picture")
            << QStringList{"haus:Text"} << QStringList{"HAUS.bmp", "Tisch.bmp"} << 1 << QStringList{} << QStringList{}
            << QStringList{};
        QTest::newRow("a name with a dot is the whole stem")
            << QStringList{"Foto:alt"} << QStringList{"Foto.alt.bmp"} << 0 << QStringList{"Foto"}
            << QStringList{"Foto.alt"} << QStringList{};
        QTest::newRow("long names and hidden files") << QStringList{} << QStringList{lang + ".bmp", ".versteckt.bmp"}
                                                     << 0 << QStringList{} << QStringList{lang} << QStringList{lang};
        QTest::newRow("a title without colon is looked for")
            << QStringList{"Kapitel 3"} << QStringList{"Kapitel 3.bmp"} << 1 << QStringList{}
            << QStringList{"Kapitel 3"} << QStringList{};
    }
    void comparingWithTheAlbumFolder() {
        QFETCH(QStringList, liste);
        QFETCH(QStringList, bilder);
        QFETCH(int, vorhanden);
        QFETCH(QStringList, fehlende);
        QFETCH(QStringList, neue);
        QFETCH(QStringList, langeNamen);
        testing::Datenwurzel w;
        w.schreiben("P/Album/Notiz.txt", "keine Bitmap");
        for (const QString &b : bilder)
            w.bitmap("P/Album/" + b, 4, 4);
        const Listenabgleich r = ListeAbgleichen(w.dateien(), w.gespeichert() + "P\\", liste, "tisch");
        QCOMPARE(r.VorhandeneBilder, vorhanden);
        QCOMPARE(r.fehlende, fehlende);
        QStringList namen;
        for (const NeuesBild &b : r.neue) {
            namen << b.name;
            QVERIFY(w.gibt("P/Album/" + b.datei));
        }
        QCOMPARE(namen, neue);
        QCOMPARE(r.langeNamen, langeNamen);
    }

    void messageNamesAreCut() {
        QCOMPARE(NamenFuerMeldung({"A", "B"}), QString("A, B"));
        QCOMPARE(NamenFuerMeldung(QStringList(100, "Bildname")).size(), 253);
    }

    void editorRules() {
        // Pictures while editing: not empty, not led by a blank or ":".
        QCOMPARE(VorhandeneBilder({"Haus:Kirche", "", ":I:Kapitel", "   "}), 1);
        QCOMPARE(LeereZeilenAbZweiter({"", "A:", "", " ", ""}), (QList<int>{2, 4}));
        // The marker of a list line on the small album: the left page holds pictures 0..7
        // of each spread, two to a row.
        QVERIFY(!MarkerStelle(-1).has_value());
        QCOMPARE(*MarkerStelle(0), QPoint(16, 10));
        QCOMPARE(*MarkerStelle(7), QPoint(36, 61));
        QCOMPARE(*MarkerStelle(8), QPoint(70, 10));
        QCOMPARE(*MarkerStelle(15), QPoint(90, 61));
        QCOMPARE(*MarkerStelle(16), QPoint(16, 10));
    }

    void movingToRest_data() {
        QTest::addColumn<QStringList>("schonInRest");
        QTest::addColumn<QString>("ziel");
        QTest::newRow("no Rest folder yet") << QStringList{} << "Alt.Foto.bmp";
        QTest::newRow("a file of that name") << QStringList{"Alt.Foto.bmp"} << "Alt.Foto (2).bmp";
        QTest::newRow("two of them") << QStringList{"alt.foto.bmp", "Alt.Foto (2).bmp"} << "Alt.Foto (3).bmp";
    }
    void movingToRest() {
        QFETCH(QStringList, schonInRest);
        QFETCH(QString, ziel);
        testing::Datenwurzel w;
        w.schreiben("P/Album/Alt.Foto.bmp", "neu");
        w.schreiben("P/Album/Alt.Foto.Txt", "0001,0001,Marke");
        for (const QString &d : schonInRest)
            w.schreiben("P/Rest/" + d, "alt " + d.toLatin1());
        const Restergebnis r = InRestVerschieben(w.dateien(), w.gespeichert() + "P\\", "Alt.Foto.bmp");
        QCOMPARE(r.status, Restergebnis::Status::Verschoben);
        QCOMPARE(r.ziel, ziel);
        QCOMPARE(r.umbenannt, !schonInRest.isEmpty());
        QCOMPARE(w.lesen("P/Rest/" + ziel), QByteArray("neu"));
        QVERIFY(!w.gibt("P/Album/Alt.Foto.bmp"));
        QVERIFY(w.gibt("P/Album/Alt.Foto.Txt")); // comments stay in the album
        for (const QString &d : schonInRest)
            QCOMPARE(w.lesen("P/Rest/" + d), "alt " + d.toLatin1());
        // A picture that is not there any more moves nothing.
        QCOMPARE(InRestVerschieben(w.dateien(), w.gespeichert() + "P\\", "Alt.Foto.bmp").status,
                 Restergebnis::Status::Fehler);
    }
};

QTEST_GUILESS_MAIN(TestListenabgleich)
#include "test_listenabgleich.moc"
