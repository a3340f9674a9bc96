// The logic under the design editors: the register tabs' rows and what they store, the
// title values against the settings, and the background preview's sampling.
#include "authoring/core/griffregister.h"
#include "authoring/core/tapete.h"
#include "project/core/titelgestaltung.h"

#include <QtTest>

using namespace authoring;

Q_DECLARE_METATYPE(authoring::Buchteil)

class TestGestaltungskern : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aRowsTargetPage_data() {
        QTest::addColumn<Buchteil>("teil");
        QTest::addColumn<QString>("seite");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("ziel");
        QTest::newRow("pictures, page 12") << Buchteil::Bilder << "12"
                                           << "Kapitel" << 1012;
        QTest::newRow("text, no number") << Buchteil::Text << "7x"
                                         << "Kapitel" << 0;
        QTest::newRow("help, empty") << Buchteil::Hilfe << ""
                                     << "Kapitel" << 2000;
        QTest::newRow("blanks around") << Buchteil::Text << " 3 "
                                       << "Kapitel" << 3;
        QTest::newRow("negative stays in its part") << Buchteil::Bilder << "-5"
                                                    << "Kapitel" << 1000;
        QTest::newRow("beyond the part stays in it") << Buchteil::Hilfe << "1500"
                                                     << "Kapitel" << 2999;
        QTest::newRow("beyond 32 bits") << Buchteil::Text << "99999999999"
                                        << "Kapitel" << 0;
        QTest::newRow("no part drops the caption") << Buchteil::Keiner << "12"
                                                   << "" << 0;
    }
    void aRowsTargetPage() {
        QFETCH(Buchteil, teil);
        QFETCH(QString, seite);
        QFETCH(QString, text);
        QFETCH(int, ziel);
        const Griffziel g = Griffdaten({QStringLiteral("Kapitel"), teil, seite});
        QCOMPARE(g.text, text);
        QCOMPARE(g.seite, ziel);
    }

    void theDefaultsGiveThreeTabsAndTwoEmptyRows() {
        const projekt::Einstellungen e;
        const auto zeilen = GriffzeilenLesen(e, {});
        const QStringList texte{"Texte", "Bilder", "Hilfe", "", ""};
        const std::array<Buchteil, 5> teile{Buchteil::Text, Buchteil::Bilder, Buchteil::Hilfe, Buchteil::Text,
                                            Buchteil::Text};
        for (int k = 0; k < 5; ++k) {
            QCOMPARE(zeilen[size_t(k)].text, texte[k]);
            QCOMPARE(zeilen[size_t(k)].teil, teile[size_t(k)]);
            QCOMPARE(zeilen[size_t(k)].seite, QString("0"));
        }
        // A page outside the three parts names none: the row keeps the part it had.
        projekt::Einstellungen fern;
        fern.setzen("Mark1", "5017");
        const auto z = GriffzeilenLesen(fern, {Buchteil::Hilfe, Buchteil::Keiner});
        QCOMPARE(z[0].teil, Buchteil::Hilfe);
        QCOMPARE(z[0].seite, QString("17"));
    }

    // The whole settings file after OK: a dropped tab keeps its page, an emptied
    // caption keeps its page, a new tab gets both.
    void theRegisterIsStoredAsTheSettingsFile() {
        const projekt::Einstellungen vorgaben;
        projekt::Einstellungen e;
        auto zeilen = GriffzeilenLesen(e, {});
        zeilen[1].text.clear();
        zeilen[2].teil = Buchteil::Keiner;
        zeilen[3] = {"Karten", Buchteil::Bilder, "12"};
        zeilen[4] = {"", Buchteil::Hilfe, "4"};
        GriffeEintragen(e, zeilen);
        QCOMPARE(e.schreiben(vorgaben), QByteArray("Sheet2=\r\nSheet3=\r\nSheet4=Karten\r\nSheet5=\r\nMark1=0\r\n"
                                                   "Mark2=1000\r\nMark3=2000\r\nMark4=1012\r\nMark5=\r\nMark6=\r\n"
                                                   "Mark7=\r\nMark8=\r\nMark9=\r\nShowCBT=\r\nWallpaper=\r\n"));
    }

    void theTitleValuesFillTheirElevenKeys() {
        projekt::Einstellungen e;
        projekt::Titelgestaltung t = projekt::Titelgestaltung::aus(e);
        QCOMPARE(t.titelLinks, 64);
        QCOMPARE(t.untertitelGroesse, 11);
        t.titel = QString(300, 'x');
        t.titelLinks = 61;
        t.untertitel = "Ein Untertitel";
        t.untertitelGroesse = 12;
        t.eintragen(e);
        QCOMPARE(e.wert("Title").size(), 200);
        QCOMPARE(e.wert("Title.Left"), QString("61"));
        QCOMPARE(e.wert("Title2"), QString("Ein Untertitel"));
        QCOMPARE(e.wert("Title2.FontSize"), QString("12"));
        t.titel.truncate(200);
        QCOMPARE(projekt::Titelgestaltung::aus(e), t);
        QCOMPARE(e.wert("Sheet1"), QString("Texte")); // nothing beyond the title
    }

    void thePreviewSamplesWhatTheScreenShows_data() {
        QTest::addColumn<QSize>("bild");
        QTest::addColumn<QSize>("bildschirm");
        QTest::addColumn<QSize>("gefuellt");
        QTest::newRow("400x300 on 800x600") << QSize(400, 300) << QSize(800, 600) << QSize(40, 30);
        QTest::newRow("800x600 on 800x600") << QSize(800, 600) << QSize(800, 600) << QSize(80, 60);
        QTest::newRow("larger than the screen") << QSize(3000, 3000) << QSize(1920, 1080) << QSize(80, 45);
        QTest::newRow("narrower than a step") << QSize(9, 300) << QSize(800, 600) << QSize(0, 0);
        QTest::newRow("no picture") << QSize() << QSize(800, 600) << QSize(0, 0);
    }
    void thePreviewSamplesWhatTheScreenShows() {
        QFETCH(QSize, bild);
        QFETCH(QSize, bildschirm);
        QFETCH(QSize, gefuellt);
        // Red and green tell the sampled column and row; blue 255 marks the picture.
        QImage quelle;
        if (bild.isValid()) {
            quelle = QImage(bild, QImage::Format_RGB32);
            for (int y = 0; y < bild.height(); ++y)
                for (int x = 0; x < bild.width(); ++x)
                    quelle.setPixel(x, y, qRgb(x % 256, y % 256, 255));
        }
        QImage vorschau = TapetenRahmen();
        vorschau.setPixel(12, 10, qRgb(1, 2, 3)); // an earlier preview is painted over
        Tapete(vorschau, bild.isValid() ? &quelle : nullptr, bildschirm);
        const int s = bildschirm.width() / 80;
        for (int y = 0; y < kTapetenGroesse.height(); ++y)
            for (int x = 0; x < kTapetenGroesse.width(); ++x) {
                const bool bildpunkt = x >= 12 && x < 12 + gefuellt.width() && y >= 10 && y < 10 + gefuellt.height();
                const QRgb p = vorschau.pixel(x, y);
                if (bildpunkt) {
                    const int qx = qMin((x - 11) * s, bild.width() - 1), qy = qMin((y - 9) * s, bild.height() - 1);
                    QCOMPARE(p, qRgb(qx % 256, qy % 256, 255));
                } else if (kTapetenFeld.contains(x, y)) {
                    QCOMPARE(p, qRgb(192, 192, 192));
                } else {
                    QVERIFY(qBlue(p) != 255);
                }
            }
    }
};

QTEST_GUILESS_MAIN(TestGestaltungskern)
#include "test_gestaltungskern.moc"
