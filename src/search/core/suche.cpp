#include "search/core/suche.h"

#include "book/core/seitenformat.h"
#include "book/core/seitensatz.h"
#include "book/core/ziffernwert.h"
#include "platform/cp1252.h"
#include "search/core/falten.h"

#include <algorithm>
#include <array>
#include <string>

namespace search {

namespace {

// Letters of a folded term that the folding only ever takes from the same letter
// (either case) of the text: a record without one of them cannot match. The others
// may come from other spellings (e from ä or ae, i from y or ü, k from ck or gg, s from
// ß, u from oi).
QList<char> festeBuchstaben(const QString &begriff, bool tolerant) {
    QList<char> feste;
    for (const QChar c : begriff) {
        const char16_t u = c.unicode();
        const char klein = (u >= 'A' && u <= 'Z') ? char(u + 32) : (u >= 'a' && u <= 'z') ? char(u) : 0;
        if (!klein || feste.contains(klein)) continue;
        if (tolerant && QByteArray("eiksu").contains(klein)) continue;
        feste.append(klein);
    }
    return feste;
}

} // namespace

std::optional<Textfund> SeitendateiDurchsuchen(platform::RecordFile &datei, const QString &begriff, bool tolerant) {
    // The page file holds Windows-1252: a term with another character is never found.
    if (!platform::notInCp1252(begriff).isEmpty()) return std::nullopt;
    const QByteArray begriffBytes = platform::toCp1252(begriff);
    const std::string_view gesucht(begriffBytes.constData(), size_t(begriffBytes.size()));
    // A line without one of the term's fixed letters is not folded at all.
    uint32_t noetig = 0;
    for (const char c : festeBuchstaben(begriff, tolerant))
        noetig |= 1u << (c - 'a');
    // Each byte's letter as a bit, as c | 0x20 gives it.
    static const std::array<uint32_t, 256> kBuchstabe = [] {
        std::array<uint32_t, 256> t{};
        for (int c = 0; c < 256; ++c) {
            const char klein = char(char(c) | 0x20);
            if (klein >= 'a' && klein <= 'z') t[size_t(c)] = 1u << (klein - 'a');
        }
        return t;
    }();
    QByteArray satz;
    std::string arbeit, gefaltet;
    while (datei.readNext(&satz)) {
        // The last matching line counts: looking from the bottom, the first one found.
        int gefunden = 0;
        for (int i = book::kZeilenJeSeite; i >= 1 && !gefunden; --i) {
            // Each line as stored: 49 columns, "|", CR and LF.
            const qsizetype anfang = (i - 1) * book::kZeilenLaenge + 1;
            if (anfang >= satz.size()) continue;
            const std::string_view zeile(satz.constData() + anfang,
                                         size_t(std::min<qsizetype>(book::kZeilenLaenge - 1, satz.size() - anfang)));
            uint32_t da = 0;
            for (const char c : zeile)
                da |= kBuchstabe[uint8_t(c)];
            if ((da & noetig) != noetig) continue;
            FaltenBytes(zeile, tolerant, arbeit, gefaltet);
            if (gefaltet.find(gesucht) != std::string::npos) gefunden = i;
        }
        if (gefunden)
            return Textfund{int(datei.position()), gefunden,
                            satz.mid((gefunden - 1) * book::kZeilenLaenge + 1, book::kTextSpalten)};
    }
    return std::nullopt;
}

QList<Albumfund> BilderDurchsuchen(const platform::Files &dateien, const QString &projektVerzeichnis,
                                   const QString &begriff, bool tolerant) {
    QList<Albumfund> funde;
    const QString album = projektVerzeichnis + "Album\\";
    for (const QString &datei : dateien.list(album, "*.txt")) {
        QString name = datei;
        if (const qsizetype punkt = name.indexOf('.'); punkt >= 0) name.remove(punkt, 4);
        if (!dateien.exists(album + name + ".bmp")) continue;
        QByteArray bytes;
        if (!dateien.read(album + datei, &bytes)) continue;
        for (const QString &zeile : platform::splitLines(bytes)) {
            if (!Falten(zeile.mid(10), tolerant).contains(begriff)) continue;
            funde.append({name, book::ZiffernWert(zeile.mid(0, 4)), book::ZiffernWert(zeile.mid(5, 4)), zeile.mid(10),
                          zeile + '>' + name, zeile.mid(10).left(245) + '>' + name});
        }
    }
    return funde;
}

Fundlistenmass FundlisteBemessen(int treffer, int bildschirmHoehe) {
    Fundlistenmass m;
    if (treffer <= 12) return m;
    constexpr int kZeile = 16;
    m.listeHoehe = treffer * kZeile + 12;
    if (m.listeHoehe < bildschirmHoehe - 50) {
        m.listeHoehe = treffer * kZeile + 36;
    } else {
        m.zweiSpalten = true;
        m.listeHoehe = bildschirmHoehe - 50;
    }
    m.fensterHoehe = m.listeHoehe + 36;
    return m;
}

} // namespace search
