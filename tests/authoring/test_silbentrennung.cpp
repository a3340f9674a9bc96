// The import's optional hyphenation, in the real fonts: with it no word is split
// without a hyphen, every letter stays in its order, and splits lie where the German
// patterns allow them; without it the lines are cut as before.
#include "authoring/core/silbentrennung.h"
#include "authoring/core/textimport.h"
#include "platform/cp1252.h"
#include "platform/fonts.h"

#include <QGuiApplication>
#include <QRandomGenerator>
#include <QtTest>

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
