#include "search/core/suche.h"

#include "book/core/seitenformat.h"
#include "book/core/seitensatz.h"
#include "book/core/ziffernwert.h"
#include "platform/cp1252.h"
#include "search/core/falten.h"

#include <QFile>
#include <QSet>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <string>
#include <thread>
#include <unistd.h>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace search {

namespace {

// Letters of a folded term that the folding only ever takes from the same letter
// (either case) of the text, in the term's order: a line without them cannot match. The others
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

// Whether a line may hold the term: its fixed letters, in either case, in their order.
// A line of 16 to 64 bytes is looked at sixteen bytes at a time: one bit per byte for
// each letter, and the order follows from the bits; other lines are walked through.
bool vielleicht(std::string_view zeile, const QList<char> &folge) {
    if (folge.isEmpty()) return true;
#if defined(__SSE2__)
    if (zeile.size() >= 16 && zeile.size() <= 64) {
        const __m128i klein = _mm_set1_epi8(0x20); // only A-Z and a-z give a-z when 0x20 is set
        // Four blocks at 0, 16, 32 and 48, each moved back to end at the line's end: a
        // shorter line is looked at twice in places, which changes no bit.
        const size_t n = zeile.size();
        const size_t a1 = std::min<size_t>(16, n - 16), a2 = std::min<size_t>(32, n - 16), a3 = n - 16;
        const auto block = [&](size_t ab) {
            return _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i *>(zeile.data() + ab)), klein);
        };
        const __m128i b0 = block(0), b1 = block(a1), b2 = block(a2), b3 = block(a3);
        const auto bits = [](__m128i b, __m128i g) {
            return quint64(uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(b, g))));
        };
        quint64 frei = ~quint64(0); // where the next letter may stand: behind the one before
        for (qsizetype k = 0; k < folge.size(); ++k) {
            const __m128i gesucht = _mm_set1_epi8(folge[k]);
            const quint64 stellen =
                (bits(b0, gesucht) | bits(b1, gesucht) << a1 | bits(b2, gesucht) << a2 | bits(b3, gesucht) << a3) &
                frei;
            if (!stellen) return false;
            const int stelle = __builtin_ctzll(stellen);
            if (stelle == 63) return k == folge.size() - 1;
            frei = ~quint64(0) << (stelle + 1);
        }
        return true;
    }
#endif
    qsizetype k = 0;
    for (const char c : zeile)
        if (char(c | 0x20) == folge[k] && ++k == folge.size()) return true;
    return false;
}

// A mark file whole, as Files::read reads it (nothing over 64 MiB), with open, read and
// close only: thousands of them are read in one search.
bool ganzLesen(const QString &pfad, std::string &bytes) {
    constexpr size_t kGrenze = size_t(64) << 20;
    const int fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    bytes.clear();
    char stueck[1 << 16];
    bool gut = true;
    for (;;) {
        const ssize_t n = ::read(fd, stueck, sizeof stueck);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0 || bytes.size() + size_t(n) > kGrenze) {
            gut = n == 0;
            break;
        }
        bytes.append(stueck, size_t(n));
    }
    ::close(fd);
    return gut;
}

} // namespace

std::optional<Textfund> SeitendateiDurchsuchen(platform::RecordFile &datei, const QString &begriff, bool tolerant) {
    return Seitensuche(begriff, tolerant).weiter(datei);
}

Seitensuche::Seitensuche(const QString &begriff, bool tolerant)
    // The page file holds Windows-1252: a term with another character is never found.
    : moeglich_(platform::notInCp1252(begriff).isEmpty()), tolerant_(tolerant) {
    if (!moeglich_) return;
    begriff_ = platform::toCp1252(begriff);
    // A line without the term's fixed letters in the term's order is not folded at all:
    // the folding drops and replaces characters but never reorders them.
    folge_ = festeBuchstaben(begriff, tolerant);
}

std::optional<Textfund> Seitensuche::weiter(platform::RecordFile &datei) const {
    // Lines are found at their places in a page record: a file read in other units has none.
    if (!moeglich_ || datei.recordSize() != book::kSeitensatzGroesse) return std::nullopt;
    const std::string_view gesucht(begriff_.constData(), size_t(begriff_.size()));
    std::string arbeit, gefaltet;
    while (const char *satz = datei.next()) {
        // The last matching line counts: looking from the bottom, the first one found.
        int gefunden = 0;
        for (int i = book::kZeilenJeSeite; i >= 1 && !gefunden; --i) {
            // Each line as stored: 49 columns, "|", CR and LF.
            const std::string_view zeile(satz + (i - 1) * book::kZeilenLaenge + 1, size_t(book::kZeilenLaenge - 1));
            if (!vielleicht(zeile, folge_)) continue;
            FaltenBytes(zeile, tolerant_, arbeit, gefaltet);
            if (gefaltet.find(gesucht) != std::string::npos) gefunden = i;
        }
        if (gefunden)
            return Textfund{int(datei.position()), gefunden,
                            QByteArray(satz + (gefunden - 1) * book::kZeilenLaenge + 1, book::kTextSpalten)};
    }
    return std::nullopt;
}

QList<Albumfund> BilderDurchsuchen(const platform::Files &dateien, const QString &projektVerzeichnis,
                                   const QString &begriff, bool tolerant) {
    QList<Albumfund> funde;
    // The comments are Windows-1252: a term with another character is never found.
    if (!platform::notInCp1252(begriff).isEmpty()) return funde;
    const QByteArray begriffBytes = platform::toCp1252(begriff);
    const std::string_view gesucht(begriffBytes.constData(), size_t(begriffBytes.size()));
    const QList<char> folge = festeBuchstaben(begriff, tolerant);
    const QString album = projektVerzeichnis + "Album\\";
    // One listing for the pictures and one look-up of the folder, not one per file.
    const QString ordner = dateien.native(album);
    if (ordner.isEmpty()) return funde;
    QSet<QString> bilder;
    for (const QString &bild : dateien.list(album, "*.bmp"))
        bilder.insert(bild.toUpper());
    std::string arbeit, gefaltet, bytes;
    for (const QString &datei : dateien.list(album, "*.txt")) {
        QString name = datei;
        name.chop(4); // ".Txt": a picture named with a dot ("Tanne.alt") keeps its whole name
        if (!bilder.contains((name + ".bmp").toUpper())) continue;
        if (!ganzLesen(ordner + (ordner.endsWith('/') ? "" : "/") + datei, bytes)) continue;
        // Lines end at CR, LF or CR LF, as the program writes and reads them.
        size_t anfang = 0;
        for (size_t i = 0; i <= bytes.size(); ++i) {
            const bool ende = i == bytes.size();
            if (!ende && bytes[i] != '\r' && bytes[i] != '\n') continue;
            if (!ende || anfang < bytes.size()) {
                const std::string_view zeile(bytes.data() + anfang, i - anfang);
                const std::string_view kommentar = zeile.size() > 10 ? zeile.substr(10) : std::string_view();
                if (vielleicht(kommentar, folge)) {
                    FaltenBytes(kommentar, tolerant, arbeit, gefaltet);
                    if (gefaltet.find(gesucht) != std::string::npos) {
                        const QString text = platform::fromCp1252(QByteArray(zeile.data(), qsizetype(zeile.size())));
                        funde.append({name, book::ZiffernWert(text.mid(0, 4)), book::ZiffernWert(text.mid(5, 4)),
                                      text.mid(10), text + '>' + name, text.mid(10).left(245) + '>' + name});
                    }
                }
            }
            if (!ende && bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            anfang = i + 1;
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
