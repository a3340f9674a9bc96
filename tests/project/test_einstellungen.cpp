// The settings table and its key=value file.
#include "book/core/ziffernwert.h"
#include "project/core/einstellungen.h"

#include <QtTest>

using projekt::Einstellungen;

class TestEinstellungen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lesen_data() {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QString>("schluessel");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("only Title, others default") << QByteArray("Title=Quarn\r\n") << "Path"
                                                    << "Pagora\\";
        QTest::newRow("Title read") << QByteArray("Title=Quarn\r\n") << "Title"
                                    << "Quarn";
        QTest::newRow("other case ignored") << QByteArray("title=Quarn\r\n") << "Title"
                                            << "Pagora";
        QTest::newRow("blank before = ignored") << QByteArray("Title =Quarn\r\n") << "Title"
                                                << "Pagora";
        QTest::newRow("blank after = kept") << QByteArray("Title= Quarn\r\n") << "Title"
                                            << " Quarn";
        QTest::newRow("= inside value") << QByteArray("Title=a=b=c\r\n") << "Title"
                                        << "a=b=c";
        QTest::newRow("later line wins") << QByteArray("Title=a\r\nTitle=b\r\n") << "Title"
                                         << "b";
        QTest::newRow("prefix key does not match") << QByteArray("Title2=x\r\n") << "Title"
                                                   << "Pagora";
        QTest::newRow("no = ignored") << QByteArray("Title\r\n\r\n") << "Title"
                                      << "Pagora";
        QTest::newRow("empty value") << QByteArray("Sheet1=\r\n") << "Sheet1"
                                     << "";
        QTest::newRow("bare LF lines") << QByteArray("Sheet1=A\nSheet2=B\n") << "Sheet2"
                                       << "B";
        QTest::newRow("no final line end") << QByteArray("ShowCBT=0") << "ShowCBT"
                                           << "0";
        QTest::newRow("value cut to 200") << "Title=" + QByteArray(300, 'x') + "\r\n"
                                          << "Title" << QString(200, 'x');
        QTest::newRow("umlaut from cp1252")
            << QByteArray("Title=M\xfchle\r\n") << "Title" << QString::fromUtf8("Mühle");
    }
    void lesen() {
        QFETCH(QByteArray, datei);
        QFETCH(QString, schluessel);
        QFETCH(QString, erwartet);
        Einstellungen e;
        e.lesen(datei);
        QCOMPARE(e.wert(schluessel), erwartet);
    }

    void longLinesAreCutBeforeTheValue() {
        // At most 255 characters of a line count: the key and "=" take 6 of them.
        Einstellungen e;
        e.lesen("Path=" + QByteArray(260, 'p') + "\r\n");
        QCOMPARE(e.wert("Path").size(), 200);
        Einstellungen k;
        k.lesen("Title2=" + QByteArray(195, 'a') + QByteArray(100, 'b') + "\r\n");
        QCOMPARE(k.wert("Title2"), QString(195, 'a') + QString(5, 'b'));
    }

    void schreiben_data() {
        QTest::addColumn<QString>("schluessel");
        QTest::addColumn<QString>("wert");
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<QByteArray>("erste");
        QTest::newRow("all defaults: empty file") << ""
                                                  << "" << 0 << QByteArray();
        QTest::newRow("last key only") << "Wallpaper"
                                       << "Hafen" << 1 << QByteArray("Wallpaper=Hafen");
        QTest::newRow("Title: keys 2 to 28") << "Title"
                                             << "Quarn" << 27 << QByteArray("Title=Quarn");
        QTest::newRow("Path: all 28") << "Path"
                                      << "Quarn\\" << 28 << QByteArray("Path=Quarn\\");
        QTest::newRow("same as default: nothing") << "Sheet1"
                                                  << "Texte" << 0 << QByteArray();
    }
    void schreiben() {
        QFETCH(QString, schluessel);
        QFETCH(QString, wert);
        QFETCH(int, zeilen);
        QFETCH(QByteArray, erste);
        const Einstellungen vorgaben;
        Einstellungen e;
        if (!schluessel.isEmpty()) e.setzen(schluessel, wert);
        const QByteArray datei = e.schreiben(vorgaben);
        QCOMPARE(int(datei.count("\r\n")), zeilen);
        QCOMPARE(datei.split('\r').first(), erste);
        QVERIFY(!datei.contains("\n\n"));
    }

    void writtenFileReadsBackAndRewritesIdentically() {
        const Einstellungen vorgaben;
        Einstellungen e;
        e.setzen("Title", QString::fromUtf8("Die Mühle = Arbeit"));
        e.setzen("Mark6", "12");
        e.setzen("ShowCBT", "0");
        const QByteArray datei = e.schreiben(vorgaben);
        QVERIFY(datei.endsWith("ShowCBT=0\r\nWallpaper=\r\n"));
        Einstellungen gelesen;
        gelesen.lesen(datei);
        QVERIFY(gelesen == e);
        QCOMPARE(gelesen.schreiben(vorgaben), datei);
    }

    void ziffernWert_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("wert");
        QTest::newRow("plain") << "1000" << 1000;
        QTest::newRow("minus dropped") << "-20" << 20;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("no digit") << "abc" << 0;
        QTest::newRow("framed") << "- 12 -" << 12;
        QTest::newRow("mixed") << "1a2b3" << 123;
        QTest::newRow("int max") << "2147483647" << 2147483647;
        QTest::newRow("beyond 32 bits saturates") << "2147483648" << 2147483647;
        QTest::newRow("very long") << QString(40, '9') << 2147483647;
        QTest::newRow("leading zeros") << "0007" << 7;
    }
    void ziffernWert() {
        QFETCH(QString, text);
        QFETCH(int, wert);
        QCOMPARE(book::ZiffernWert(text), wert);
    }
};

QTEST_APPLESS_MAIN(TestEinstellungen)
#include "test_einstellungen.moc"
