// The text import: line breaking, headings, page breaks, pictures and their deferral,
// contents entries. Exact cases use characters 6 pixels wide; the real fonts are
// checked for the width limits.
#include "authoring/core/textimport.h"
#include "platform/cp1252.h"
#include "platform/fonts.h"

#include <QFile>
#include <QGuiApplication>
#include <QtTest>

using namespace authoring;
using book::Seitensatz;

namespace {

const Importmasse kFest{platform::ByteWidths(6.0), platform::ByteWidths(6.0), platform::ByteWidths(6.0),
                        platform::ByteWidths(6.0)};

class Bilder : public Bildquelle {
public:
    QMap<QByteArray, int> hoehen; // pixel heights of pictures in Help or Slides
    QMap<QByteArray, int> klein;  // lines Kleinbild makes
    QList<QByteArray> kleinbildAufrufe;
    std::optional<int> vorhandeneHoehe(const QByteArray &name) override {
        if (hoehen.contains(name)) return hoehen[name];
        return std::nullopt;
    }
    int Kleinbild(const QByteArray &name) override {
        kleinbildAufrufe << name;
        return klein.value(name, 0);
    }
};

struct Lauf {
    QList<Seitensatz> seiten;
    Importergebnis ergebnis;
    // Text columns of line `zeile` (1-based) on page `seite` (1-based), blanks trimmed.
    QByteArray zeile(int seite, int zeile) const {
        return seite >= 1 && seite <= seiten.size() ? seiten[seite - 1].text(zeile).trimmed()
                                                    : QByteArray("(keine Seite)");
    }
};

Lauf importieren(const QByteArray &text, Bilder &bilder, const Importmasse &masse = kFest) {
    Lauf l;
    l.ergebnis = Buchmachen(text, masse, bilder, [&l](const Seitensatz &s) {
        l.seiten << s;
        return true;
    });
    return l;
}

Lauf importieren(const QByteArray &text) {
    Bilder b;
    return importieren(text, b);
}

const QByteArray D0("\xd0");
const QByteArray A4("\xa4");

} // namespace

class TestTextimport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void recordsAreByteExact() {
        const Lauf l = importieren("Hallo\r\n");
        QCOMPARE(l.seiten.size(), 1);
        const QByteArray b = l.seiten[0].bytes();
        QCOMPARE(b.size(), 1537);
        QCOMPARE(b.left(53), QByteArray("4Hallo") + QByteArray(44, ' ') + "|\r\n");
        QCOMPARE(b.mid(53, 53), QByteArray("4") + QByteArray(49, ' ') + "|\r\n");
        QCOMPARE(b.mid(28 * 53, 53), QByteArray("4") + QByteArray(49, '_') + "|\r\n");
    }

    void linesBreakAtBreakCharactersWithinTheWidth() {
        // 6 pixels a character: at most 38 characters fit 230 pixels.
        const Lauf l = importieren("Ein Wort nach dem anderen bis die Zeile voll ist und weiter geht es.\r\n");
        QCOMPARE(l.zeile(1, 1), QByteArray("Ein Wort nach dem anderen bis die"));
        QCOMPARE(l.zeile(1, 2), QByteArray("Zeile voll ist und weiter geht es."));
        for (int i = 1; i <= 28; ++i)
            QVERIFY(l.zeile(1, i).size() <= 38);
        // In a narrow font 57 characters would fit: a line holds 49 at most.
        const platform::ByteWidths schmal(4.0);
        Bilder b;
        const QByteArray fuenfundvierzig = QByteArray("abcd ").repeated(9);
        const Lauf n49 = importieren(fuenfundvierzig + "wxyz\r\n", b, {schmal, schmal, schmal, schmal});
        QCOMPARE(n49.zeile(1, 1), fuenfundvierzig + "wxyz");
        const Lauf n50 = importieren(fuenfundvierzig + "wxyzq\r\n", b, {schmal, schmal, schmal, schmal});
        QCOMPARE(n50.zeile(1, 1), fuenfundvierzig.trimmed());
        QCOMPARE(n50.zeile(1, 2), QByteArray("wxyzq"));
        // A line narrow enough for more than 50 columns still breaks within them.
        const Lauf n55 = importieren(fuenfundvierzig + "wxyzqr abc\r\n", b, {schmal, schmal, schmal, schmal});
        QCOMPARE(n55.zeile(1, 1), fuenfundvierzig.trimmed());
        QCOMPARE(n55.zeile(1, 2), QByteArray("wxyzqr abc"));
    }

    // The mark that ends a heading (0xD1) is taken out of the line it stands in (the
    // first of a line only), whether it came in a run of ordinary bytes or after
    // column 49 and then with the rest carried to the next line.
    void theHeadingMarkLeavesTheLineItStandsIn() {
        const QByteArray text = "Ein\xd1 Wort nach dem anderen bis die Zeile\xd1 voll ist und weiter geht es, dann "
                                "kommt noch etwas\xd1 hinterher.\r\n";
        const Lauf l = importieren(text);
        QByteArray gesetzt;
        for (int i = 1; i <= 28 && !l.zeile(1, i).isEmpty(); ++i)
            gesetzt += l.zeile(1, i) + ' ';
        QVERIFY2(!gesetzt.contains('\xd1'), gesetzt.constData());
        QByteArray erwartet = text.trimmed();
        erwartet.replace("\xd1", "");
        QCOMPARE(gesetzt.simplified(), erwartet.simplified());
    }

    void aFirstHeadingOpensPageTwo() {
        const Lauf l = importieren(":I:Anfang\r\nText\r\n");
        QCOMPARE(l.seiten.size(), 2);
        for (int i = 1; i <= 28; ++i)
            QVERIFY(l.zeile(1, i).isEmpty());
        QCOMPARE(l.zeile(1, 29), QByteArray(49, '_'));
        QVERIFY(l.zeile(2, 1).isEmpty());
        QCOMPARE(l.zeile(2, 2), D0 + "Anfang");
        QCOMPARE(l.zeile(2, 3), QByteArray("Text"));
        QCOMPARE(l.ergebnis.MemoInhalt.size(), 1);
        QVERIFY(l.ergebnis.MemoInhalt[0].startsWith("Anfang "));
        QVERIFY(l.ergebnis.MemoInhalt[0].endsWith(" 2"));
    }

    void aPageBreakMarkerStartsTheNextPageAfterOneBlankLine() {
        const Lauf l = importieren("Eins\r\n:S: wird nicht gezeigt\r\nZwei\r\n");
        QCOMPARE(l.seiten.size(), 2);
        QCOMPARE(l.zeile(1, 1), QByteArray("Eins"));
        QVERIFY(l.zeile(2, 1).isEmpty());
        QCOMPARE(l.zeile(2, 2), QByteArray("Zwei"));
    }

    void twoHeadingsInARowShareAPage() {
        const Lauf l = importieren("Vorher\r\n:I:Kapitel\r\n:I:Abschnitt\r\nText\r\n");
        QCOMPARE(l.seiten.size(), 2);
        QCOMPARE(l.zeile(2, 2), D0 + "Kapitel");
        QCOMPARE(l.zeile(2, 3), D0);
        QVERIFY(l.zeile(2, 4).isEmpty());
        QCOMPARE(l.zeile(2, 5), D0 + "Abschnitt");
        QCOMPARE(l.zeile(2, 6), QByteArray("Text"));
        const QStringList &inhalt = l.ergebnis.MemoInhalt;
        QCOMPARE(inhalt.size(), 2);
        QVERIFY(!inhalt[0].trimmed().back().isDigit());
        QVERIFY(inhalt[1].startsWith("  Abschnitt"));
        QVERIFY(inhalt[1].endsWith("2"));
    }

    void aLongHeadingBecomesSeveralHeadingsWithTheirOwnEntries() {
        const Lauf l = importieren(":I:Eine sehr lange \xdc"
                                   "berschrift, die nicht in eine Zeile passt\r\nText\r\n");
        // A line breaks after a break character: "nicht " would be 39 characters.
        QCOMPARE(l.zeile(2, 2), D0 + "Eine sehr lange \xdc"
                                     "berschrift, die");
        QVERIFY(l.zeile(2, 3).isEmpty());
        QCOMPARE(l.zeile(2, 4), D0 + "nicht in eine Zeile passt");
        QCOMPARE(l.zeile(2, 5), QByteArray("Text"));
        QCOMPARE(l.ergebnis.MemoInhalt.size(), 2);
    }

    // LF, CR LF and CR end a source line alike: the same pages, contents and warnings,
    // through headings, a heading after a heading, a page break, tabs, a picture whose
    // caption runs on to its line end and an overlong run.
    void everyKindOfLineEndGivesTheSamePages() {
        const QByteArray text = ":I:Erstes Kapitel\r\n:I:Gleich danach\r\nEin Absatz mit\tTab.\r\n"
                                ":B:Bild|Eine Unterschrift, die weit \xfc"
                                "ber die Breite einer Zeile hinaus geht, noch weiter und weiter.\r\n"
                                "Danach Text.\r\n:S:\r\n" +
                                QByteArray(120, 'W') + "\r\n:I:Zweites Kapitel\r\nSchluss";
        auto lauf = [&](const QByteArray &ende) {
            Bilder b;
            b.hoehen["Bild"] = 26;
            QByteArray t = text;
            return importieren(t.replace("\r\n", ende), b);
        };
        const Lauf crlf = lauf("\r\n");
        QCOMPARE(crlf.zeile(2, 2), D0 + "Erstes Kapitel");
        QCOMPARE(crlf.ergebnis.gekuerzteZeilen, QList<int>{7});
        for (const QByteArray &ende : {QByteArray("\n"), QByteArray("\r")}) {
            const Lauf l = lauf(ende);
            QCOMPARE(l.seiten.size(), crlf.seiten.size());
            for (qsizetype i = 0; i < l.seiten.size(); ++i)
                QCOMPARE(l.seiten[i].bytes(), crlf.seiten[i].bytes());
            QCOMPARE(l.ergebnis.MemoInhalt, crlf.ergebnis.MemoInhalt);
            QCOMPARE(l.ergebnis.gekuerzteZeilen, crlf.ergebnis.gekuerzteZeilen);
        }
    }

    // A heading is never split with a hyphen: its lines are contents entries.
    void headingsAreNeverHyphenated() {
        class Ueberall : public Worttrennung {
        public:
            QList<int> trennstellen(QByteArrayView wort) override {
                QList<int> s;
                for (int i = 2; i + 2 <= int(wort.size()); ++i)
                    s << i;
                return s;
            }
        } trennung;
        Bilder b;
        const QByteArray text = ":I:Die Getreidem\xfchlenwirtschaftsgeschichte des Mittelalters\r\n"
                                "Der Text mit der Getreidem\xfchlenwirtschaftsgeschichte\r\n";
        Lauf l;
        l.ergebnis = Buchmachen(
            text, kFest, b,
            [&l](const Seitensatz &s) {
                l.seiten << s;
                return true;
            },
            {}, &trennung);
        QVERIFY(l.ergebnis.MemoInhalt.size() >= 2);
        for (QString eintrag : l.ergebnis.MemoInhalt) {
            while (!eintrag.isEmpty() && (eintrag.back().isDigit() || eintrag.back() == ' '))
                eintrag.chop(1);
            QVERIFY2(!eintrag.endsWith('-'), qPrintable(eintrag));
        }
        for (int i = 1; i <= 28; ++i)
            if (l.zeile(2, i).startsWith(D0)) QVERIFY2(!l.zeile(2, i).endsWith('-'), l.zeile(2, i).constData());
        // The text below it is hyphenated all the same.
        bool getrennt = false;
        for (int i = 1; i <= 28; ++i)
            getrennt = getrennt || (!l.zeile(2, i).startsWith(D0) && l.zeile(2, i).endsWith('-'));
        QVERIFY(getrennt);
    }

    void tabsBeforeColumn45OnlyAndAFinalLineWithoutCr() {
        const Lauf l = importieren("\tA\r\n" + QByteArray(45, 'x').replace(20, 1, " ") + "\tB");
        QCOMPARE(l.seiten[0].text(1).left(4), QByteArray("   A"));
        QVERIFY(!l.seiten[0].text(2).contains('\t'));
        QVERIFY(l.zeile(1, 3).endsWith("B") || l.zeile(1, 2).endsWith("B"));
    }

    // 28 lines of text a page, never the 29th (the first page's rule); a picture keeps
    // the last line free.
    void aPageEndsAtItsRule() {
        QByteArray text;
        for (int i = 1; i <= 57; ++i)
            text += "Zeile " + QByteArray::number(i) + "\r\n";
        const Lauf l = importieren(text);
        QCOMPARE(l.seiten.size(), 3);
        for (int s = 1; s <= 2; ++s) {
            QCOMPARE(l.zeile(s, 1), "Zeile " + QByteArray::number(28 * s - 27));
            QCOMPARE(l.zeile(s, 28), "Zeile " + QByteArray::number(28 * s));
            QCOMPARE(l.zeile(s, 29), s == 1 ? QByteArray(49, '_') : QByteArray());
        }
        QCOMPARE(l.zeile(3, 1), QByteArray("Zeile 57"));
        Bilder b;
        b.hoehen["Gross"] = 200; // 16 lines
        for (const int davor : {11, 12}) {
            const Lauf p = importieren(
                text.left(text.indexOf("Zeile " + QByteArray::number(davor + 1) + "\r")) + ":B:Gross\r\nDanach\r\n", b);
            const bool passt = davor == 11; // picture line 12, its 16 lines up to line 27
            QCOMPARE(p.zeile(1, davor + 1), passt ? QByteArray(":B:Gross") : QByteArray("Danach"));
            QCOMPARE(p.zeile(passt ? 1 : 2, passt ? davor + 17 : 1),
                     passt ? QByteArray("Danach") : QByteArray(":B:Gross"));
        }
    }

    void aPictureWithCaptionThatFits() {
        Bilder b;
        b.hoehen["Bild"] = 100; // 100 div 13 + 1 = 8 lines
        const Lauf l = importieren("Text\r\n:B:Bild|Kurze Unterschrift\r\nDanach\r\n", b);
        QCOMPARE(l.zeile(1, 2), QByteArray(":B:Bild"));
        QCOMPARE(l.zeile(1, 3), A4 + "Kurze Unterschrift");
        // 8 picture lines plus one caption line; the picture line itself and the caption
        // come first, then height - 1 lines are left free.
        QCOMPARE(l.zeile(1, 3 + 8 + 1), QByteArray("Danach"));
        QVERIFY(b.kleinbildAufrufe.isEmpty());
    }

    void aPictureThatDoesNotFitWaitsForTheNextPage() {
        Bilder b;
        b.hoehen["Gross"] = 200; // 16 lines
        QByteArray text;
        for (int i = 0; i < 15; ++i)
            text += "Zeile " + QByteArray::number(i) + "\r\n";
        text += ":B:Gross|Unterschrift\r\nWeiter im Text\r\n";
        const Lauf l = importieren(text, b);
        QCOMPARE(l.zeile(1, 16), QByteArray("Weiter im Text"));
        QCOMPARE(l.zeile(2, 1), QByteArray(":B:Gross"));
        QCOMPARE(l.zeile(2, 2), A4 + "Unterschrift");
    }

    void aPictureStillWaitingAtTheEndGetsItsPage() {
        Bilder b;
        b.hoehen["Gross"] = 200;
        QByteArray text;
        for (int i = 0; i < 15; ++i)
            text += "Zeile\r\n";
        text += ":B:Gross\r\n";
        const Lauf l = importieren(text, b);
        QCOMPARE(l.seiten.size(), 2);
        QCOMPARE(l.zeile(2, 1), QByteArray(":B:Gross"));
    }

    void deferredPicturesGetAPageOfTheirOwnBeforeAChapter() {
        Bilder b;
        b.hoehen["Gross"] = 200;
        QByteArray text;
        for (int i = 0; i < 15; ++i)
            text += "Zeile\r\n";
        text += ":B:Gross\r\n:I:Kapitel\r\nText\r\n";
        const Lauf l = importieren(text, b);
        QCOMPARE(l.seiten.size(), 3);
        QCOMPARE(l.zeile(2, 1), QByteArray(":B:Gross"));
        QCOMPARE(l.zeile(3, 2), D0 + "Kapitel");
        QVERIFY(l.ergebnis.MemoInhalt[0].endsWith("3"));
    }

    void aPictureTallerThanAPageStandsAlone() {
        Bilder b;
        b.hoehen["Riese"] = 600; // 47 lines
        const Lauf l = importieren("Vorher\r\n:B:Riese\r\nNachher\r\n", b);
        QCOMPARE(l.seiten.size(), 3);
        QCOMPARE(l.zeile(1, 2), QByteArray("Nachher"));
        QCOMPARE(l.zeile(2, 1), QByteArray(":B:Riese"));
        for (int i = 2; i <= 28; ++i)
            QVERIFY(l.zeile(2, i).isEmpty());
        for (int i = 1; i <= 28; ++i)
            QVERIFY(l.zeile(3, i).isEmpty());
    }

    void aMissingPictureReservesOnlyItsCaption() {
        Bilder b;
        const Lauf l = importieren(":B:Fehlt|Unterschrift\r\nText\r\n", b);
        QCOMPARE(b.kleinbildAufrufe, QList<QByteArray>{"Fehlt"});
        QCOMPARE(l.zeile(1, 1), QByteArray(":B:Fehlt"));
        QCOMPARE(l.zeile(1, 2), A4 + "Unterschrift");
        QCOMPARE(l.zeile(1, 3), QByteArray("Text"));
    }

    void aCaptionRunsOnToTheNextCarriageReturn() {
        Bilder b;
        b.hoehen["Bild"] = 26;
        const QByteArray lang = "Eine Unterschrift, die weit \xfc"
                                "ber die Breite einer Zeile hinaus "
                                "geht, noch weiter und weiter, bis sie endet.";
        const Lauf l = importieren(":B:Bild|" + lang + "\r\nText\r\n", b);
        QByteArray unterschrift;
        for (int i = 2; i <= 6; ++i)
            if (l.seiten[0].text(i).startsWith(A4)) unterschrift += l.seiten[0].text(i).mid(1);
        QCOMPARE(unterschrift.trimmed(), lang);
    }

    void contentsEntriesFitTheirWidthWithTheNumberAtTheEnd() {
        QStringList inhalt;
        const platform::ByteWidths m(6.0);
        InhaltZeile(inhalt, QByteArray("Erste~ Seite"), 3, m);
        QCOMPARE(inhalt[0].size(), 39); // 237 div 6
        QVERIFY(inhalt[0].startsWith("Erste Seite "));
        QVERIFY(inhalt[0].endsWith(" 3"));
        InhaltZeile(inhalt, QByteArray("Zweite"), 3, m);
        QCOMPARE(inhalt[0].trimmed(), QString("Erste Seite"));
        QVERIFY(inhalt[1].startsWith("  Zweite"));
        InhaltZeile(inhalt, QByteArray("Dritte"), 12, m);
        QVERIFY(inhalt[1].endsWith(" 3"));
        QVERIFY(inhalt[2].endsWith(" 12"));
    }

    void captionLinesCountLikeAWordWrappedBox() {
        const platform::ByteWidths m(6.0);
        QCOMPARE(UmbruchZeilen("", m, 60), 0);
        QCOMPARE(UmbruchZeilen("kurz", m, 60), 1);
        QCOMPARE(UmbruchZeilen("eins zwei drei vier", m, 60), 2);
        QCOMPARE(UmbruchZeilen(QByteArray(25, 'x'), m, 60), 3);
    }

    void unsafePictureNamesAreRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("gueltig");
        QTest::newRow("plain") << "Mahlgang" << true;
        QTest::newRow("digit") << "0815" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("minus") << "-x" << false;
        QTest::newRow("blank") << " x" << false;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("slash") << "a/b" << false;
        QTest::newRow("dots") << "..x" << false;
        QTest::newRow("drive") << "C:x" << false;
    }
    void unsafePictureNamesAreRefused() {
        QFETCH(QString, name);
        QFETCH(bool, gueltig);
        QCOMPARE(GueltigerBildname(name), gueltig);
    }

    // The import measures with widths built into the program; they must be the fonts'
    // own, or the book would show lines wider than the import allowed.
    void builtInWidthsAreTheFonts() {
        const Importmasse eingebaut = Importmasse::Bildschirm();
        const Importmasse gemessen = Importmasse::Gemessen();
        const platform::ByteWidths *paare[][2] = {{&eingebaut.text, &gemessen.text},
                                                  {&eingebaut.fett, &gemessen.fett},
                                                  {&eingebaut.inhalt, &gemessen.inhalt},
                                                  {&eingebaut.unterschrift, &gemessen.unterschrift}};
        for (int t = 0; t < 4; ++t)
            for (int b = 0; b < 256; ++b) {
                const int soll = paare[t][1]->advance(uchar(b)), ist = paare[t][0]->advance(uchar(b));
                QVERIFY2(ist == soll, qPrintable(QStringLiteral("font %1, byte %2: built in %3, measured %4; "
                                                                "write importbreiten.cpp anew with schriftbreiten")
                                                     .arg(t)
                                                     .arg(b)
                                                     .arg(ist)
                                                     .arg(soll)));
            }
    }

    void realFontsKeepTheWidthLimits() {
        QFile f(QStringLiteral(PAGORA_SOURCE_DIR "/data/hilfe/hilfe.txt"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QByteArray text = platform::toCp1252(QString::fromUtf8(f.readAll()));
        text.replace("\n", "\r\n");
        const Importmasse masse = Importmasse::Bildschirm();
        Bilder b;
        const Lauf l = importieren(text, b, masse);
        QVERIFY(l.seiten.size() > 5);
        for (const Seitensatz &s : l.seiten)
            for (int i = 1; i <= 28; ++i) {
                const QByteArray t = s.text(i).trimmed();
                if (t.startsWith(D0))
                    QVERIFY2(masse.fett.width(t.mid(1)) <= 230, t.constData());
                else if (!t.startsWith(A4) && !t.startsWith(":B:"))
                    QVERIFY2(masse.text.width(t) <= 230, t.constData());
            }
        for (const QString &e : l.ergebnis.MemoInhalt)
            QVERIFY(masse.inhalt.width(platform::toCp1252(e)) <= 237);
    }

    void anyBytesGiveWellFormedRecords() {
        QByteArray wirr;
        for (int i = 0; i < 20000; ++i)
            wirr += char((i * 7919 + i / 13) % 256);
        Bilder b;
        const Lauf l = importieren(wirr, b);
        QVERIFY(!l.seiten.isEmpty());
        for (const Seitensatz &s : l.seiten) {
            const QByteArray bytes = s.bytes();
            for (int i = 0; i < 29; ++i) {
                QCOMPARE(bytes[i * 53], char(52));
                QCOMPARE(bytes.mid(i * 53 + 50, 3), QByteArray("|\r\n"));
            }
        }
    }
};

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    platform::registerBundledFonts();
    TestTextimport t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_textimport.moc"
