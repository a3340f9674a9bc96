// Album production: slots, spreads, thumbnails, the album contents and failures.
#include "authoring/core/albumproduktion.h"
#include "fixture.h"

#include <QGuiApplication>
#include <QtTest>

using namespace authoring;

namespace {

const platform::ByteWidths kFest(6.0);
const QRgb kPapier = qRgb(250, 250, 250);
const QRgb kBild = qRgb(200, 30, 30);

struct Album {
    Album() {
        w.bitmap("Help/Album0.bmp", 524, 384, QColor(kPapier));
        w.bitmap("P/Album/Rot.bmp", 300, 200, QColor(kBild));
        w.schreiben("P/Pages/.keep", "");
    }
    Albumergebnis herstellen(const QStringList &liste) {
        const Albumauftrag a{{w.gespeichert(), "Q", "P\\", {}}, liste};
        return AlbumBearbeiten(w.dateien(), a, kFest, [this](const Albumschritt &s) { schritte << s.slot; });
    }
    QImage aufschlag(const char *nnn) const {
        return QImage(w.nativ(QStringLiteral("P/Pages/Q%1.bmp").arg(QLatin1String(nnn))));
    }
    testing::Datenwurzel w;
    QList<int> schritte;
};

QStringList bilder(int n) {
    QStringList l;
    for (int i = 0; i < n; ++i)
        l << "Rot:Bild " + QString::number(i);
    return l;
}

} // namespace

class TestAlbumproduktion : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reduction_data() {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("d");
        QTest::newRow("1080 x 500") << 1080 << 500 << 10;
        QTest::newRow("1081 x 500") << 1081 << 500 << 11;
        QTest::newRow("100 x 76") << 100 << 76 << 1;
        QTest::newRow("100 x 77") << 100 << 77 << 2;
        QTest::newRow("100 x 152 by height") << 100 << 152 << 2;
        QTest::newRow("100 x 153 by height") << 100 << 153 << 3;
        QTest::newRow("1600 x 1200") << 1600 << 1200 << 16;
    }
    void reduction() {
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(int, d);
        QCOMPARE(AlbumTeiler(w, h), d);
    }

    void spreadFilesByListLength_data() {
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<int>("aufschlaege");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("15") << 15 << 1;
        QTest::newRow("16") << 16 << 1;
        QTest::newRow("17") << 17 << 2;
    }
    void spreadFilesByListLength() {
        QFETCH(int, zeilen);
        QFETCH(int, aufschlaege);
        Album a;
        const Albumergebnis r = a.herstellen(bilder(zeilen));
        QCOMPARE(r.status, Albumergebnis::Status::Fertig);
        QCOMPARE(r.gespeicherteAufschlaege, aufschlaege);
        QCOMPARE(a.w.gibt("P/Pages/Q002.bmp"), aufschlaege >= 1);
        QCOMPARE(a.w.gibt("P/Pages/Q004.bmp"), aufschlaege >= 2);
    }

    void thumbnailsHangCentredFromTheirCellTop() {
        Album a;
        const Albumergebnis r = a.herstellen(bilder(17));
        QCOMPARE(r.status, Albumergebnis::Status::Fertig);
        const QImage zweiter = a.aufschlag("004");
        QCOMPARE(zweiter.size(), QSize(524, 384));
        // 300 x 200 reduces by d = 3 to 100 x 66: x from 55 - 50 + 1 = 6 to 105, y 1 to 66;
        // the last column would sample x 300, outside the picture, and stays paper.
        QCOMPARE(zweiter.pixel(6, 1), kBild);
        QCOMPARE(zweiter.pixel(104, 66), kBild);
        QCOMPARE(zweiter.pixel(105, 66), kPapier);
        QCOMPARE(zweiter.pixel(5, 1), kPapier);
        QCOMPARE(zweiter.pixel(6, 0), kPapier);
        QCOMPARE(zweiter.pixel(6, 67), kPapier);
        QCOMPARE(zweiter.pixel(120 + 55, 30), kPapier); // only one picture on spread 2
        const QImage erster = a.aufschlag("002");
        QCOMPARE(erster.pixel(416 + 55, 288 + 30), kBild); // cell 15: right page, bottom right
    }

    // Pictures are read ahead in groups and two at a time: each still lands in its own
    // cell, across the groups' borders, and a missing one in a later group still stops
    // the run at its own line.
    void everyPictureInItsOwnCell() {
        Album a;
        QStringList liste;
        for (int i = 0; i < 70; ++i) {
            a.w.bitmap(QStringLiteral("P/Album/B%1.bmp").arg(i), 30, 20, QColor(qRgb(i, 255 - i, 3 * i)));
            liste << QStringLiteral("B%1:Bild %1").arg(i);
        }
        QCOMPARE(a.herstellen(liste).status, Albumergebnis::Status::Fertig);
        for (int i = 0; i < 70; ++i) {
            const QImage aufschlag =
                a.aufschlag(qPrintable(QStringLiteral("%1").arg(2 * (i / 16 + 1), 3, 10, QChar('0'))));
            const int x = QList<int>{0, 120, 296, 416}[((i % 16) / 8) * 2 + i % 2] + 55, y = ((i % 8) / 2) * 96 + 10;
            QCOMPARE(aufschlag.pixel(x, y), qRgb(i, 255 - i, 3 * i));
        }
        liste[66] = "Fehlt:Bild";
        QCOMPARE(a.herstellen(liste).meldung,
                 QString("Das Bild \"Fehlt\" in Zeile 67 der Bilderliste kann nicht geladen werden."));
    }

    void emptySlotsKeepTheirPlaceAndHeadingsFeedTheContents() {
        Album a;
        QStringList liste = bilder(12);
        liste[1] = "";
        liste[2] = "   ";
        liste[9] = ":I:Kapitel~ Zwei";
        const Albumergebnis r = a.herstellen(liste);
        QCOMPARE(r.status, Albumergebnis::Status::Fertig);
        const QImage s = a.aufschlag("002");
        QCOMPARE(s.pixel(120 + 55, 30), kPapier);    // slot 1 empty
        QCOMPARE(s.pixel(55, 96 + 30), kPapier);     // slot 2 blank
        QCOMPARE(s.pixel(120 + 55, 96 + 30), kBild); // slot 3 keeps its place
        QCOMPARE(s.pixel(416 + 55, 30), kPapier);    // the heading at index 9 draws nothing
        QCOMPARE(s.pixel(296 + 55, 30), kBild);      // index 8
        // Blanks until wider than 237 - width(" 2") = 225 pixels: 38 characters, then the number.
        QCOMPARE(r.MemoInhalt, QStringList{"Kapitel Zwei" + QString(26, ' ') + "2"});
        QCOMPARE(r.MemoInhalt2, r.MemoInhalt);
        QVERIFY(!a.schritte.contains(1));
        QVERIFY(a.schritte.contains(9));
    }

    void longHeadingsWrapAtWords() {
        QStringList memo;
        InhaltAlbum(memo, ":I:Eine lange Überschrift mit vielen Wörtern für das Album", 3, kFest);
        QVERIFY(memo.size() >= 2);
        for (int i = 0; i + 1 < memo.size(); ++i)
            QVERIFY(!memo[i].back().isDigit());
        QVERIFY(memo.last().endsWith("3"));
        for (const QString &z : memo)
            QVERIFY(z.size() * 6 <= 237 + 6);
    }

    void aBrokenPictureStopsWithItsNameAndLine() {
        Album a;
        QStringList liste = bilder(20);
        liste[17] = "Fehlt:Kein Bild";
        const Albumergebnis r = a.herstellen(liste);
        QCOMPARE(r.status, Albumergebnis::Status::Bildfehler);
        QCOMPARE(r.meldung, QString("Das Bild \"Fehlt\" in Zeile 18 der Bilderliste kann nicht geladen werden."));
        QCOMPARE(r.gespeicherteAufschlaege, 1);
        QVERIFY(!a.w.gibt("P/Pages/Q004.bmp"));
        liste[17] = "..\\Album0:Ausbruch";
        QCOMPARE(a.herstellen(liste).status, Albumergebnis::Status::Bildfehler);
    }

    void laterSpreadsOfAnEarlierRunStay() {
        Album a;
        a.w.schreiben("P/Pages/Q006.bmp", "alt");
        QCOMPARE(a.herstellen(bilder(5)).gespeicherteAufschlaege, 1);
        QCOMPARE(a.w.lesen("P/Pages/Q006.bmp"), QByteArray("alt"));
    }

    void withoutTheEmptySpreadNothingHappens() {
        Album a;
        QFile::remove(a.w.nativ("Help/Album0.bmp"));
        QCOMPARE(a.herstellen(bilder(3)).status, Albumergebnis::Status::OhneAlbumblatt);
        QVERIFY(!a.w.gibt("P/Pages/Q002.bmp"));
    }
};

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    TestAlbumproduktion t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_albumproduktion.moc"
