// The import's optional hyphenation, in the real fonts: with it no word is split
// without a hyphen, every letter stays in its order, and splits lie where the German
// patterns allow them; without it the lines are cut as before.
#include "authoring/core/silbentrennung.h"
#include "authoring/core/textimport.h"
#include "authoring/core/trennmuster.h"
#include "platform/cp1252.h"
#include "platform/fonts.h"

#include <QGuiApplication>
#include <QRandomGenerator>
#include <QtTest>
#include <cstring>
#include <hyphen.h>

using namespace authoring;

namespace {

class KeineBilder : public Bildquelle {
public:
    std::optional<int> vorhandeneHoehe(const QByteArray &) override { return std::nullopt; }
    int Kleinbild(const QByteArray &) override { return 0; }
};

// Offers no split at all: the import must cut as without hyphenation.
class OhneStellen : public Worttrennung {
public:
    QList<int> trennstellen(QByteArrayView) override { return {}; }
};

// The text lines of all pages, trailing blanks removed.
QStringList importieren(const QByteArray &text, Worttrennung *trennung, QByteArray *roh = nullptr) {
    KeineBilder bilder;
    QStringList zeilen;
    const Importmasse masse = Importmasse::Bildschirm();
    Buchmachen(
        text, masse, bilder,
        [&](const book::Seitensatz &s) {
            if (roh) *roh += s.bytes();
            for (int i = 1; i <= 28; ++i) {
                QString z = platform::fromCp1252(s.text(i));
                while (z.endsWith(' '))
                    z.chop(1);
                zeilen << z;
            }
            return true;
        },
        {}, trennung);
    return zeilen;
}

QString nurBuchstaben(const QString &s) {
    QString b;
    for (const QChar c : s)
        if (c.isLetter()) b += c;
    return b;
}

// German prose with long compounds, words of up to 40 letters at every place of a line.
QByteArray prosa(quint32 saat, qsizetype laengstesWort = 40) {
    QStringList woerter = {"Bundesverteidigungsminister",
                           "Donaudampfschifffahrtsgesellschaft",
                           "und",
                           "der",
                           "Mühle",
                           "Getreide",
                           "Weizen",
                           "Roggenmehl",
                           "Sauerteigführung",
                           "die",
                           "Grundstücksverkehrsgenehmigungsamt",
                           "Backofen",
                           "Rindfleischetikettierungsüberwachung",
                           "ein",
                           "Kraftfahrzeughaftpflichtversicherung",
                           "im",
                           "Frühjahr",
                           "Wassermühlenrad",
                           "Arbeitsunfähigkeitsbescheinigungen",
                           "zum",
                           "Brot"};
    woerter.removeIf([laengstesWort](const QString &w) { return w.size() > laengstesWort; });
    QRandomGenerator zufall(saat);
    QString text;
    for (int absatz = 0; absatz < 12; ++absatz) {
        for (int i = 0; i < 60; ++i) {
            text += woerter[zufall.bounded(int(woerter.size()))];
            const int z = zufall.bounded(10);
            text += z == 0 ? ", " : z == 1 ? ". " : " ";
        }
        text += "\r\n";
    }
    return platform::toCp1252(text);
}

// Two dictionaries are the same automaton when a walk through both from the start
// meets states with equal matches and replacements, the same transitions and
// corresponding fallbacks, level by level; the numbering may differ. Empty when equal.
QString verschieden(const HyphenDict *a, const HyphenDict *b) {
    if (!a || !b) return a == b ? QString() : "nur eine Ebene";
    if (a->lhmin != b->lhmin || a->rhmin != b->rhmin || a->clhmin != b->clhmin || a->crhmin != b->crhmin ||
        a->utf8 != b->utf8 || std::strcmp(a->cset, b->cset) != 0 || a->num_states != b->num_states)
        return QString("Kopf: %1 gegen %2 Zustände").arg(a->num_states).arg(b->num_states);
    if (!a->nohyphen != !b->nohyphen || (a->nohyphen && a->nohyphenl != b->nohyphenl)) return "NOHYPHEN";
    for (int i = 0, pos = 0; a->nohyphen && i <= a->nohyphenl; ++i) {
        if (std::strcmp(a->nohyphen + pos, b->nohyphen + pos) != 0) return "NOHYPHEN";
        pos += int(std::strlen(a->nohyphen + pos)) + 1;
    }
    auto gleich = [](const char *x, const char *y) { return (!x && !y) || (x && y && std::strcmp(x, y) == 0); };
    std::vector<int> zuB(size_t(a->num_states), -1);
    zuB[0] = 0;
    std::vector<int> reihe{0};
    for (size_t r = 0; r < reihe.size(); ++r) {
        const HyphenState &x = a->states[reihe[r]];
        const HyphenState &y = b->states[zuB[size_t(reihe[r])]];
        if (!gleich(x.match, y.match) || !gleich(x.repl, y.repl) ||
            (x.repl && (x.replindex != y.replindex || x.replcut != y.replcut)) || x.num_trans != y.num_trans)
            return QString("Zustand %1: %2 gegen %3")
                .arg(reihe[r])
                .arg(x.match ? x.match : "-", y.match ? y.match : "-");
        for (int t = 0; t < x.num_trans; ++t) {
            int ziel = -1;
            for (int u = 0; u < y.num_trans; ++u)
                if (y.trans[u].ch == x.trans[t].ch) ziel = y.trans[u].new_state;
            const int von = x.trans[t].new_state;
            if (ziel < 0) return QString("Zustand %1: kein Übergang mit %2").arg(reihe[r]).arg(int(x.trans[t].ch));
            if (zuB[size_t(von)] < 0) {
                zuB[size_t(von)] = ziel;
                reihe.push_back(von);
            } else if (zuB[size_t(von)] != ziel) {
                return "Übergänge";
            }
        }
    }
    if (int(reihe.size()) != a->num_states) return "nicht alle Zustände erreicht";
    for (int s = 0; s < a->num_states; ++s) {
        const int fa = a->states[s].fallback_state, fb = b->states[zuB[size_t(s)]].fallback_state;
        if ((fa < 0) != (fb < 0) || (fa >= 0 && zuB[size_t(fa)] != fb)) return QString("Rückfall von %1").arg(s);
    }
    return verschieden(a->nextlevel && a->nextlevel != a ? a->nextlevel : nullptr,
                       b->nextlevel && b->nextlevel != b ? b->nextlevel : nullptr);
}

// A dictionary loaded by the library itself, freed with it.
struct Bibliothek {
    explicit Bibliothek(const QString &datei) : d(hnj_hyphen_load(QFile::encodeName(datei).constData())) {}
    ~Bibliothek() {
        if (d) hnj_hyphen_free(d);
    }
    HyphenDict *d;
};

} // namespace

class TestSilbentrennung : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<Silbentrennung> muster_;

private Q_SLOTS:
    void initTestCase() {
        platform::registerBundledFonts();
        muster_ = Silbentrennung::laden();
        QVERIFY2(muster_, qPrintable("German patterns missing: " + Silbentrennung::musterDatei()));
    }

    // Our reader builds the automaton the library's loader builds, for the system's
    // German patterns (read, then mapped from the cache) and for files with every
    // kind of line the loader knows: options, replacements with and without places,
    // comments, repeated words, an overlong line, UTF-8, the standard second level.
    void ourReaderBuildsTheLibrarysTables_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::newRow("German") << QByteArray();
        QTest::newRow("options and replacements")
            << QByteArray("ISO8859-1\n% Kommentar\n# kein Kommentar 1a\nLEFTHYPHENMIN 3\nRIGHTHYPHENMIN 2\n"
                          "COMPOUNDLEFTHYPHENMIN 4\nNOHYPHEN -,',zz\n1ba\n2b1a\nab1c\n.ab3a4s\nf1f/ff=f,1,2\n"
                          ".schif1fahrt/ff=f,5,2\nc1k/k=k\na1b/xy\n\n\xe4"
                          "1\xdf\n") +
                   QByteArray(120, 'x') + "1y\nba1b\n";
        QTest::newRow("UTF-8 with a second level") << QByteArray("UTF-8\n1\xc3\xa4"
                                                                 "1/ae=e,1,2\nz\xc3\xbc"
                                                                 "1rich\nNEXTLEVEL\n1\xc3\x9f"
                                                                 "1\n.ab1\na1b\n");
    }
    void ourReaderBuildsTheLibrarysTables() {
        QFETCH(QByteArray, inhalt);
        QTemporaryDir ordner;
        QString datei = Silbentrennung::musterDatei();
        if (!inhalt.isEmpty()) {
            datei = ordner.filePath("muster.dic");
            QFile f(datei);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size());
        }
        const Bibliothek bibliothek(datei);
        QVERIFY(bibliothek.d);
        const QString zwischen = ordner.filePath("cache/muster.bin");
        const auto gelesen = Trennmuster::lesen(datei, zwischen);
        QVERIFY(gelesen && QFile::exists(zwischen));
        QCOMPARE(verschieden(bibliothek.d, gelesen->woerterbuch()), QString());
        const auto gemappt = Trennmuster::lesen(datei, zwischen);
        QVERIFY(gemappt);
        QCOMPARE(verschieden(bibliothek.d, gemappt->woerterbuch()), QString());
        // A damaged cache is refused and made again; the tables stay right.
        {
            QFile f(zwischen);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QByteArray b = f.readAll();
            for (qsizetype i = 200; i < b.size(); i += 97)
                b[i] = char(b[i] ^ 0x5A);
            f.seek(0);
            f.write(b);
        }
        const auto repariert = Trennmuster::lesen(datei, zwischen);
        QVERIFY(repariert);
        QCOMPARE(verschieden(bibliothek.d, repariert->woerterbuch()), QString());
    }

    void thePatternsSplitGermanWords_data() {
        QTest::addColumn<QString>("wort");
        QTest::addColumn<QString>("getrennt");
        QTest::newRow("compound") << "Bundesverteidigungsminister"
                                  << "Bun-des-ver-tei-di-gungs-mi-nis-ter";
        QTest::newRow("umlauts and sharp s")
            << QString::fromUtf8("Größenänderung") << QString::fromUtf8("Grö-ßen-än-de-rung");
        QTest::newRow("capitals") << "MEHLSACK"
                                  << "MEHL-SACK";
        QTest::newRow("too short") << "Abend"
                                   << "Abend";
    }
    void thePatternsSplitGermanWords() {
        QFETCH(QString, wort);
        QFETCH(QString, getrennt);
        QString mit = wort;
        const QList<int> stellen = muster_->trennstellen(platform::toCp1252(wort));
        for (qsizetype i = stellen.size() - 1; i >= 0; --i)
            mit.insert(stellen[i], '-');
        QCOMPARE(mit, getrennt);
    }

    void withHyphenationNoWordIsSplitWithoutAHyphen_data() {
        QTest::addColumn<quint32>("saat");
        for (quint32 s : {1u, 2u, 3u, 4u, 5u})
            QTest::addRow("text %u", s) << s;
    }
    void withHyphenationNoWordIsSplitWithoutAHyphen() {
        QFETCH(quint32, saat);
        const QByteArray text = prosa(saat);
        const QString quelle = platform::fromCp1252(text);
        const QStringList zeilen = importieren(text, muster_.get());
        // The words read back: a line ending in a hyphen after a letter continues on the
        // next line (the text itself has no hyphens); every other line end is a blank.
        QString gelesen;
        int trennungen = 0;
        for (qsizetype i = 0; i < zeilen.size(); ++i) {
            const QString &z = zeilen[i];
            if (z.size() > 1 && z.endsWith('-') && z[z.size() - 2].isLetter() && i + 1 < zeilen.size() &&
                !zeilen[i + 1].isEmpty() && zeilen[i + 1][0].isLetter()) {
                // The split lies where the patterns allow one.
                const qsizetype anfang =
                    z.lastIndexOf(QRegularExpression("[^\\p{L}]", QRegularExpression::UseUnicodePropertiesOption),
                                  z.size() - 2) +
                    1;
                const QString vorn = z.mid(anfang, z.size() - 1 - anfang);
                QString wort =
                    vorn + zeilen[i + 1].section(
                               QRegularExpression("[^\\p{L}]", QRegularExpression::UseUnicodePropertiesOption), 0, 0);
                QVERIFY2(muster_->trennstellen(platform::toCp1252(wort)).contains(int(vorn.size())), qPrintable(wort));
                gelesen += z.chopped(1);
                ++trennungen;
            } else {
                gelesen += z + ' ';
            }
        }
        auto woerter = [](const QString &s) {
            QStringList w;
            for (const QString &teil : s.split(' ', Qt::SkipEmptyParts))
                if (const QString b = nurBuchstaben(teil); !b.isEmpty()) w << b;
            return w;
        };
        QCOMPARE(woerter(gelesen), woerter(quelle));
        QCOMPARE(nurBuchstaben(gelesen), nurBuchstaben(quelle));
        QVERIFY(trennungen > 20);
    }

    void withoutHyphenationTheLinesAreCutAsBefore() {
        // Words short enough that no line loses characters when the import cuts them:
        // a hook that finds no split changes nothing, byte for byte.
        const QByteArray kurz = prosa(7, 20);
        QByteArray ohne, keine;
        importieren(kurz, nullptr, &ohne);
        OhneStellen nichts;
        importieren(kurz, &nichts, &keine);
        QCOMPARE(keine, ohne);
        const QByteArray text = prosa(7);
        const QStringList zeilen = importieren(text, nullptr);
        // And the cut without a hyphen is still there: a word goes on without one.
        QString gelesen = zeilen.join(' ');
        bool geteilt = false;
        const QStringList quelle =
            platform::fromCp1252(text).split(QRegularExpression("[ ,.\\r\\n]+"), Qt::SkipEmptyParts);
        const QSet<QString> bekannt(quelle.begin(), quelle.end());
        for (const QString &w : gelesen.split(QRegularExpression("[ ,.]+"), Qt::SkipEmptyParts))
            if (!bekannt.contains(w)) geteilt = true;
        QVERIFY(geteilt);
    }
};

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    TestSilbentrennung t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_silbentrennung.moc"
