// Any bytes as a page file: the records are read as the book reads them, every spread
// is taken apart for display (memo rows, title, pictures in the text with their
// captions) and the text search runs through the file. No crash, no hang; 28 rows a
// page, pictures and captions within their rows, hits within the file.
#include "book/core/seitenanzeige.h"
#include "platform/cp1252.h"
#include "platform/recordfile.h"
#include "search/core/falten.h"
#include "search/core/suche.h"

#include "pruefen.h"
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

namespace {

// Some names are in a folder, others not, so both kinds of picture line are taken.
std::optional<QString> datei(const QString &name) {
    if (name.isEmpty() || name.size() % 3 == 0) return std::nullopt;
    return "C:\\Quarn\\Slides\\" + name + ".bmp";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static QTemporaryDir ordner;
    const QString pfad = ordner.path() + "/Quarn.5";
    {
        QFile f(pfad);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        f.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    platform::RecordFile seiten;
    if (!seiten.open(pfad, book::kSeitensatzGroesse)) return 0;
    const qint64 anzahl = seiten.count();
    PRUEFEN(anzahl == qint64(size) / book::kSeitensatzGroesse);

    QByteArray bytes;
    for (qint64 n = 0; n < anzahl; n += 2) {
        QStringList memo[2];
        for (QStringList &zeilen : memo) {
            if (!seiten.readNext(&bytes)) break; // an odd count: the right page stays empty
            book::Seitensatz satz;
            PRUEFEN(book::Seitensatz::ausBytes(bytes, &satz) && satz.bytes() == bytes);
            const book::Seitenbild b = book::TestseiteBearbeiten(satz);
            PRUEFEN(b.zeilen.size() == 28 && b.titelzeilen >= 0 && b.ersteTitelzeile >= 0 && b.ersteTitelzeile <= 28);
            PRUEFEN((b.titelzeilen == 0) == (b.ersteTitelzeile == 0));
            for (int i = 1; i <= book::kZeilenJeSeite; ++i)
                (void)book::ArtDerZeile(satz.text(i));
            zeilen = b.zeilen;
        }
        const qsizetype laengen[2] = {memo[0].size(), memo[1].size()};
        const QList<book::Textbild> bilder = book::BilderImBuch(memo[0], memo[1], datei);
        PRUEFEN(memo[0].size() == laengen[0] && memo[1].size() == laengen[1]);
        for (const book::Textbild &b : bilder) {
            const qsizetype zeilen = b.links ? laengen[0] : laengen[1];
            PRUEFEN(b.bildzeile >= 0 && b.letzteZeile >= b.bildzeile && b.letzteZeile < zeilen);
            PRUEFEN(b.unterschrift.size() <= 48 * (b.letzteZeile - b.bildzeile) && b.datei == datei(b.name));
        }
    }
    PRUEFEN(!seiten.readNext(&bytes));

    // The search, from the first page, for a term taken from the file's first bytes.
    const QString begriff =
        platform::fromCp1252(QByteArray(reinterpret_cast<const char *>(data), qMin<qsizetype>(qsizetype(size), 3)));
    for (const bool tolerant : {false, true}) {
        PRUEFEN(seiten.seek(0));
        const QString gefaltet = search::Falten(begriff, tolerant);
        qint64 vorige = 0;
        while (const auto fund = search::SeitendateiDurchsuchen(seiten, gefaltet, tolerant)) {
            PRUEFEN(fund->position > vorige && fund->position <= anzahl && fund->zeile >= 1 && fund->zeile <= 29);
            vorige = fund->position;
        }
        PRUEFEN(seiten.position() == anzahl);
    }
    return 0;
}
