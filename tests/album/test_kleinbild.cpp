// Small copies for the text, point sampling and the picture-name helpers.
#include "album/core/kleinbild.h"
#include "album/core/punktproben.h"
#include "fixture.h"
#include "platform/bitmapfile.h"

#include <QGuiApplication>
#include <QtTest>

using namespace album;

namespace {

// A picture whose pixel (x, y) encodes its own position.
void musterbild(const testing::Datenwurzel &w, const QString &relativ, int breite, int hoehe) {
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x)
            bild.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 16 + y / 256));
    QDir().mkpath(QFileInfo(w.nativ(relativ)).absolutePath());
    QVERIFY(bild.save(w.nativ(relativ), "BMP"));
}

} // namespace

class TestKleinbild : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sizesAndLines_data() {
        QTest::addColumn<int>("breite");
        QTest::addColumn<int>("hoehe");
        QTest::addColumn<QSize>("kopie");
        QTest::addColumn<int>("zeilen");
        QTest::newRow("1000 x 600") << 1000 << 600 << QSize(200, 120) << 10;
        QTest::newRow("240 x 150 copied 1:1") << 240 << 150 << QSize(240, 150) << 12;
        QTest::newRow("241 x 10") << 241 << 10 << QSize(120, 5) << 1;
        QTest::newRow("800 x 600") << 800 << 600 << QSize(200, 150) << 12;
        QTest::newRow("100 x 150 fits by height") << 100 << 150 << QSize(100, 150) << 12;
        QTest::newRow("100 x 151 halved by height") << 100 << 151 << QSize(50, 75) << 6;
    }
    void sizesAndLines() {
        QFETCH(int, breite);
        QFETCH(int, hoehe);
        QFETCH(QSize, kopie);
        QFETCH(int, zeilen);
        testing::Datenwurzel w;
        musterbild(w, "P/Album/Bild.bmp", breite, hoehe);
        const Kleinbildergebnis r = Kleinbild(w.dateien(), w.gespeichert() + "P\\", "Bild");
        QCOMPARE(r.fehler, QString());
        QCOMPARE(r.zeilen, zeilen);
        const QImage k(w.nativ("P/Slides/Bild.bmp"));
        QCOMPARE(k.size(), kopie);
        // Plain sampling: pixel (x, y) is the source's (d·x, d·y).
        const int d = KleinbildTeiler(breite, hoehe);
        const int x = kopie.width() - 1, y = kopie.height() - 1;
        QCOMPARE(QColor(k.pixel(x, y)).red(), (d * x) % 256);
        QCOMPARE(QColor(k.pixel(x, y)).green(), (d * y) % 256);
    }

    void refusedNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("empty") << ""
                               << "Ungültiger Dateiname \"\"!";
        QTest::newRow("minus") << "-Bild"
                               << "Ungültiger Dateiname \"-Bild\"!";
        QTest::newRow("climbing") << "..\\..\\Bild"
                                  << "Ungültiger Dateiname \"..\\..\\Bild\"!";
        QTest::newRow("missing") << "Fehlt"
                                 << "Kann Datei Fehlt.bmp in den Verzeichnissen ALBUM, SLIDES und HELP nicht finden.";
    }
    void refusedNames() {
        QFETCH(QString, name);
        QFETCH(QString, meldung);
        testing::Datenwurzel w;
        musterbild(w, "Bild.bmp", 20, 20);
        const Kleinbildergebnis r = Kleinbild(w.dateien(), w.gespeichert() + "P\\", name);
        QCOMPARE(r.zeilen, 0);
        QCOMPARE(r.fehler, meldung);
        QVERIFY(!w.gibt("P/Slides"));
    }

    void samplingReadsTheSameFromEveryBitmapLayout() {
        testing::Datenwurzel w;
        musterbild(w, "a.bmp", 37, 23);
        const QImage ganz(w.nativ("a.bmp"));
        // The same picture as a top-down 32-bit bitmap and as PNG (decoded whole).
        QVERIFY(ganz.save(w.nativ("b.png"), "PNG"));
        for (const char *datei : {"a.bmp", "b.png"}) {
            const auto p = Punktproben(w.nativ(QString::fromLatin1(datei)), 5);
            QVERIFY(p.has_value());
            QCOMPARE(p->size(), QSize(8, 5));
            for (int j = 0; j < 5; ++j)
                for (int i = 0; i < 8; ++i)
                    QCOMPARE(p->pixel(i, j), ganz.pixel(i * 5, j * 5));
        }
        QCOMPARE(platform::bitmapSize(w.nativ("a.bmp"))->width(), 37);
        w.schreiben("kaputt.bmp", "BM1234");
        QVERIFY(!Punktproben(w.nativ("kaputt.bmp"), 2).has_value());
        // A header promising more rows than the file holds is refused.
        QByteArray kurz = w.lesen("a.bmp");
        w.schreiben("kurz.bmp", kurz.left(kurz.size() / 2));
        QVERIFY(!Punktproben(w.nativ("kurz.bmp"), 1).has_value());
    }
};

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    TestKleinbild t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_kleinbild.moc"
