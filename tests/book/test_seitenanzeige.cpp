// What a spread shows: titles from heading lines, pictures and captions, contents
// paging and entries, register tab hints.
#include "book/core/seitenanzeige.h"

#include <QtTest>

using namespace book;

namespace {

Seitensatz seite(const QMap<int, QByteArray> &zeilen) {
    Seitensatz s;
    for (auto it = zeilen.cbegin(); it != zeilen.cend(); ++it)
        s.setzen(it.key(), it.value());
    return s;
}

QStringList eintraege(int n) {
    QStringList l;
    for (int i = 1; i <= n; ++i)
        l << QStringLiteral("Eintrag %1").arg(i);
    return l;
}

} // namespace

class TestSeitenanzeige : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void headingLinesBecomeOneTitle() {
        const Seitenbild b = TestseiteBearbeiten(seite({{3, "\xd0"
                                                            "Erste Zeile"},
                                                        {4, "\xd0"
                                                            "zweite"},
                                                        {5, "\xd0"
                                                            "dritte   "},
                                                        {6, "Text"}}));
        QCOMPARE(b.titel, QString("Erste Zeile zweite dritte"));
        QCOMPARE(b.titelzeilen, 3);
        QCOMPARE(b.ersteTitelzeile, 3);
        QCOMPARE(b.zeilen.size(), 28);
        QVERIFY(b.zeilen[2].isEmpty() && b.zeilen[4].isEmpty());
        QCOMPARE(b.zeilen[5], QString("Text"));
    }

    void anEmptyHeadingLineBreaksTheTitle() {
        const Seitenbild b = TestseiteBearbeiten(seite({{2, "\xd0"
                                                            "Kapitel"},
                                                        {3, "\xd0"},
                                                        {5, "\xd0"
                                                            "Abschnitt"}}));
        QCOMPARE(b.titel, QString("Kapitel \n\nAbschnitt"));
        QCOMPARE(b.titelzeilen, 4);
        QCOMPARE(b.ersteTitelzeile, 2);
    }

    void controlBytesOfADamagedRecordShowAsBlanks() {
        const Seitenbild b = TestseiteBearbeiten(seite({{1, QByteArray("a\r\nb\x01"
                                                                       "c\x81"
                                                                       "d\0e\t",
                                                                       11)},
                                                        {2, "\xd0"
                                                            "T\ni"}}));
        QCOMPARE(b.zeilen.size(), 28);
        QCOMPARE(b.zeilen[0], QString("a  b c d e"));
        QCOMPARE(b.titel, QString("T i"));
    }

    void aPageWithoutHeadingsHasNoTitle() {
        const Seitenbild b = TestseiteBearbeiten(Seitensatz());
        QCOMPARE(b.titelzeilen, 0);
        QCOMPARE(b.zeilen, QStringList(28, QString()));
    }

    void picturesTakeTheirCaptionsOutOfTheRows() {
        QStringList links(28), rechts(28);
        links[3] = ":B:Turm";
        links[4] = QString(QChar(0xA4)) + "Der Turm am ";
        links[5] = QString(QChar(0xA4)) + "Markt";
        links[6] = "";
        links[12] = ":B:Fehlt";
        links[13] = QString(QChar(0xA4)) + "bleibt stehen";
        rechts[0] = ":B:Mühle";
        const auto bilder = BilderImBuch(links, rechts, [](const QString &name) -> std::optional<QString> {
            if (name == "Fehlt") return std::nullopt;
            return "C:\\p\\Slides\\" + name + ".bmp";
        });
        QCOMPARE(bilder.size(), 2);
        QCOMPARE(bilder[0].bildzeile, 3);
        QCOMPARE(bilder[0].letzteZeile, 5);
        QVERIFY(bilder[0].links);
        QCOMPARE(bilder[0].unterschrift, QString("Der Turm am Markt"));
        QVERIFY(links[4].isEmpty() && links[5].isEmpty());
        QCOMPARE(links[12], QString(":B:Fehlt"));
        QCOMPARE(links[13], QString(QChar(0xA4)) + "bleibt stehen");
        QCOMPARE(bilder[1].letzteZeile, 0);
        QVERIFY(!bilder[1].links);
        QCOMPARE(bilder[1].unterschrift, QString());
    }

    void contentsPaging_data() {
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<int>("aktuell");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<QString>("erstesRechts");
        QTest::addColumn<int>("rechts");
        QTest::addColumn<int>("links");
        QTest::newRow("24 lines") << 24 << 1 << 1 << "Eintrag 1" << 24 << 0;
        QTest::newRow("25 lines, first") << 25 << 1 << 2 << "Eintrag 1" << 25 << 0;
        QTest::newRow("25 lines, second") << 25 << 2 << 2 << "" << 0 << 0;
        QTest::newRow("26 lines, first") << 26 << 1 << 2 << "Eintrag 1" << 25 << 0;
        QTest::newRow("26 lines, second") << 26 << 2 << 2 << "" << 0 << 1;
        QTest::newRow("80 lines, second") << 80 << 2 << 2 << "Eintrag 51" << 29 << 25;
    }
    void contentsPaging() {
        QFETCH(int, zeilen);
        QFETCH(int, aktuell);
        QFETCH(int, anzahl);
        QFETCH(QString, erstesRechts);
        QFETCH(int, rechts);
        QFETCH(int, links);
        const Inhaltsseite s = InhaltFuer(eintraege(zeilen), aktuell);
        QCOMPARE(s.anzahl, anzahl);
        QCOMPARE(s.inhalt1.size(), rechts);
        QCOMPARE(s.inhalt2.size(), links);
        QCOMPARE(s.inhalt1.value(0), erstesRechts);
        if (zeilen == 80) {
            QCOMPARE(s.inhalt2.first(), QString("Eintrag 26"));
            QCOMPARE(s.inhalt1.last(), QString("Eintrag 79"));
        }
    }

    void blankContentsLinesBecomeTwoBlanks() {
        const Inhaltsseite s = InhaltFuer({"", "Eins  3", "", "Zwei  4"}, 1);
        QCOMPARE(s.inhalt1, (QStringList{"", "Eins  3", "  ", "Zwei  4"}));
    }

    void contentsEntriesLeadToTheirPage() {
        const QStringList e{"Kapitel ohne Nummer", "  Abschnitt            12", "Lang bis zur Zahl x12", "Album      7",
                            "Ende"};
        QCOMPARE(InhaltZiel(e, 0), 12);
        QCOMPARE(InhaltZiel(e, 1), 12);
        QCOMPARE(InhaltZiel(e, 2), 0); // "x12" does not start with a digit
        QCOMPARE(InhaltZiel(e, 3), 7);
        QCOMPARE(InhaltZiel(e, 4), 0);
    }

    void registerTabHints_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("ziel");
        QTest::addColumn<QString>("hinweis");
        QTest::newRow("contents") << "Bilder" << 1000 << "Inhaltsverzeichnis am Beginn des Abschnitts \"Bilder\"";
        QTest::newRow("chapter") << "Mühle" << 17 << "Beginn des Abschnitts \"Mühle\"";
        QTest::newRow("hyphenated word") << "Ge- schichte" << 17 << "Beginn des Abschnitts \"Geschichte\"";
        QTest::newRow("umlaut after hyphen") << "Back- öfen" << 17 << "Beginn des Abschnitts \"Backöfen\"";
        QTest::newRow("capital after hyphen") << "Bild- Text" << 17 << "Beginn des Abschnitts \"Bild-Text\"";
    }
    void registerTabHints() {
        QFETCH(QString, text);
        QFETCH(int, ziel);
        QFETCH(QString, hinweis);
        QCOMPARE(GriffHinweis(text, ziel), hinweis);
    }
};

QTEST_APPLESS_MAIN(TestSeitenanzeige)
#include "test_seitenanzeige.moc"
