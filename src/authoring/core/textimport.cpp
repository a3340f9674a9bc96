#include "authoring/core/textimport.h"

#include "platform/cp1252.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <string>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace authoring {
namespace {

using book::Seitensatz;
constexpr char kUeberschriftende = char(0xD1);
constexpr int kVoll = 29;
constexpr int kMaxBreite = 230;
constexpr int kMaxRest = 52;
constexpr int kInhaltBreite = 237;
constexpr int kMemoProbeBreite = 232; // 236 pixels less the box's inner margins

bool istUmbruchzeichen(char c) {
    return c == ' ' || c == ',' || c == '-' || c == '.';
}
// Tab, LF and CR: the bytes the reading loop treats one by one, and the mark that
// ends a heading, which it notes.
bool istSteuerzeichen(char c) {
    return (static_cast<unsigned char>(c) <= 13 && ((1u << c) & 0x2600u)) || c == kUeberschriftende;
}
// Letters of Windows-1252 that the hyphenation patterns know: those of Latin-1.
bool istBuchstabe(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= 0xC0 && b != 0xD7 && b != 0xF7);
}
// The first tab, LF, CR or heading mark in [von, bis), or `bis`: sixteen bytes at a time, since
// most of a text is ordinary bytes copied in runs. The text goes on to `n` >= `bis`:
// the last block may look past `bis`.
qsizetype steuerzeichenSuchen(const char *daten, qsizetype von, qsizetype bis, qsizetype n) {
#if defined(__SSE2__)
    const __m128i tab = _mm_set1_epi8(9), lf = _mm_set1_epi8(10), cr = _mm_set1_epi8(13),
                  ende = _mm_set1_epi8(kUeberschriftende);
    for (; von < bis && von + 16 <= n; von += 16) {
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(daten + von));
        const int treffer =
            _mm_movemask_epi8(_mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(b, tab), _mm_cmpeq_epi8(b, ende)),
                                           _mm_or_si128(_mm_cmpeq_epi8(b, lf), _mm_cmpeq_epi8(b, cr))));
        if (treffer) return qMin(bis, von + __builtin_ctz(uint32_t(treffer)));
    }
    if (von >= bis) return bis;
#endif
    while (von < bis && !istSteuerzeichen(daten[von]))
        ++von;
    return von;
}
// The first tab, LF, CR, heading mark or break character in [von, bis), or `bis`: where a line that
// has its 49 columns may end, sixteen bytes at a time.
qsizetype umbruchSuchen(const char *daten, qsizetype von, qsizetype bis) {
#if defined(__SSE2__)
    const __m128i tab = _mm_set1_epi8(9), lf = _mm_set1_epi8(10), cr = _mm_set1_epi8(13),
                  ende = _mm_set1_epi8(kUeberschriftende);
    const __m128i leer = _mm_set1_epi8(' '), komma = _mm_set1_epi8(','), strich = _mm_set1_epi8('-'),
                  punkt = _mm_set1_epi8('.');
    for (; von + 16 <= bis; von += 16) {
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(daten + von));
        const __m128i steuer = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(b, tab), _mm_cmpeq_epi8(b, ende)),
                                            _mm_or_si128(_mm_cmpeq_epi8(b, lf), _mm_cmpeq_epi8(b, cr)));
        const __m128i umbruch = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(b, leer), _mm_cmpeq_epi8(b, komma)),
                                             _mm_or_si128(_mm_cmpeq_epi8(b, strich), _mm_cmpeq_epi8(b, punkt)));
        if (const int treffer = _mm_movemask_epi8(_mm_or_si128(steuer, umbruch)))
            return von + __builtin_ctz(uint32_t(treffer));
    }
#endif
    while (von < bis && !istSteuerzeichen(daten[von]) && !istUmbruchzeichen(daten[von]))
        ++von;
    return von;
}
// The width of n bytes in 1/64 pixel, four sums at a time.
qint64 breiteVon(const platform::ByteWidths &m, const char *t, size_t n) {
    qint64 a = 0, b = 0, c = 0, d = 0;
    size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        a += m.advance(static_cast<unsigned char>(t[i]));
        b += m.advance(static_cast<unsigned char>(t[i + 1]));
        c += m.advance(static_cast<unsigned char>(t[i + 2]));
        d += m.advance(static_cast<unsigned char>(t[i + 3]));
    }
    for (; i < n; ++i)
        a += m.advance(static_cast<unsigned char>(t[i]));
    return a + b + c + d;
}
bool beginntMit(const std::string &s, const char *vorne) {
    return s.rfind(vorne, 0) == 0;
}
QByteArrayView sicht(const std::string &s) {
    return QByteArrayView(s.data(), qsizetype(s.size()));
}

class Import {
public:
    Import(const QByteArray &text, const Importmasse &masse, Bildquelle &bilder,
           const std::function<bool(const Seitensatz &)> &ausgabe, const std::function<void(qsizetype)> &gelesen,
           Worttrennung *trennung)
        : text_(text), masse_(masse), bilder_(bilder), ausgabe_(ausgabe), gelesen_(gelesen), trennung_(trennung) {}

    Importergebnis laufen() {
        testzeile_.reserve(128);
        rest_.reserve(64);
        neueTestseite();
        testseite_.setzen(kVoll, QByteArray(book::kTextSpalten, '_'));
        const char *daten = text_.constData();
        const qsizetype n = text_.size();
        while (pos_ < n && ergebnis_.ok) {
            if (lfNachholen_) {
                lfNachholen_ = false;
                lfGelesen();
            }
            // Ordinary bytes are copied in runs while the line is too short to break, and
            // then up to the next place it may break.
            const qsizetype ende =
                testzeile_.size() < 49
                    ? steuerzeichenSuchen(daten, pos_, qMin(n, pos_ + 49 - qsizetype(testzeile_.size())), n)
                    : umbruchSuchen(daten, pos_, n);
            if (ende > pos_) {
                testzeile_.append(daten + pos_, size_t(ende - pos_));
                pos_ = ende;
                continue;
            }
            const char c = daten[pos_++];
            if (c == 9) {
                if (testzeile_.size() < 45) testzeile_ += "   ";
            } else if (c == 10 && pos_ >= 2 && daten[pos_ - 2] == 13) {
                lfGelesen(); // the LF of a CR LF
            } else if (c == 10 || c == 13) {
                // LF alone and CR alone end a line as CR LF does.
                zeileBeenden();
                ++quellzeile_;
                if (c == 10 || pos_ >= n || daten[pos_] != 10) lfGelesen();
            } else {
                testzeile_ += c;
                if (c == kUeberschriftende) mitEnde_ = true;
                if (testzeile_.size() >= 50 && istUmbruchzeichen(c)) ZeileUmbrechen(true);
            }
        }
        if (lfNachholen_) lfGelesen();
        if (!testzeile_.empty() && testzeile_ != std::string(1, kUeberschriftende)) zeileBeenden();
        // Pictures still waiting for a page get one rather than being lost.
        while (!gemerkteBilder_.empty() && ergebnis_.ok) {
            SeiteSchreiben();
            neueTestseite();
        }
        SeiteSchreiben();
        ergebnis_.GeschriebeneSeiten = geschriebeneSeiten_;
        return ergebnis_;
    }

private:
    // The LF after a line end: it ends the heading mode of the line before.
    void lfGelesen() {
        if (ueberschriftmodus_) {
            testzeile_ += kUeberschriftende;
            mitEnde_ = true;
        }
    }

    void zeileBeenden() {
        zeilenende_ = true;
        ZeileUmbrechen(true);
        if (!testzeile_.empty()) ZeileAusgeben();
    }

    void ZeileUmbrechen(bool ausgeben) {
        if (beginntMit(testzeile_, ":I:")) {
            testzeile_.erase(0, 3);
            kapitelanfang_ = true;
            ueberschriftmodus_ = true;
        } else if (testzeile_.size() >= 4 && testzeile_[0] == kUeberschriftende &&
                   testzeile_.compare(1, 3, ":I:") == 0) {
            if (zeilennummer_ <= kVoll) testseite_.setzeErstesZeichen(zeilennummer_, book::kUeberschriftzeichen);
            ++zeilennummer_;
            testzeile_.erase(0, 4);
            ueberschriftmodus_ = true;
        }
        const platform::ByteWidths &m = ueberschriftmodus_ ? masse_.fett : masse_.text;
        // Only the first 50 columns are measured: what lies beyond them goes anyway.
        const size_t vorn = qMin<size_t>(testzeile_.size(), 50);
        qint64 breite = breiteVon(m, testzeile_.data(), vorn);
        // Wider than 230 pixels once rounded, in 1/64 pixel: from 230.5 pixels on.
        constexpr qint64 kZuBreit =
            kMaxBreite * platform::ByteWidths::kEinheiten + platform::ByteWidths::kEinheiten / 2;
        if (!zeilenende_ || breite >= kZuBreit || testzeile_.size() >= 50) {
            // Characters move from the end of the line to the front of the rest, which
            // keeps its first 52.
            size_t laenge = vorn;
            const qint64 vorneBreite = breite;
            // First whatever lies beyond 230 pixels, then back to the last place to
            // break, if there is one after column 20. (Widths are never negative: a
            // line narrow enough stays so as it gets shorter.)
            while (breite >= kZuBreit) {
                breite -= m.advance(static_cast<unsigned char>(testzeile_[laenge - 1]));
                --laenge;
            }
            while (laenge > 20 && !istUmbruchzeichen(testzeile_[laenge - 1]))
                --laenge;
            // A picture line keeps its name and caption as written.
            // Headings are never split: their lines become contents entries. (The line
            // after a heading still carries the mark that ends it, and is text.)
            const bool ueberschrift =
                ueberschriftmodus_ && (!mitEnde_ || testzeile_.find(kUeberschriftende) == std::string::npos);
            const size_t stelle =
                trennung_ && !ueberschrift && !beginntMit(testzeile_, ":B:")
                    ? trennstelle(m, vorneBreite + breiteVon(m, testzeile_.data() + vorn, testzeile_.size() - vorn),
                                  laenge)
                    : 0;
            if (stelle > 0) laenge = stelle;
            if (laenge < testzeile_.size()) {
                rest_.insert(0, testzeile_, laenge, std::string::npos);
                // With hyphenation the rest keeps all its letters: the next lines take them.
                if (rest_.size() > kMaxRest && !trennung_) {
                    rest_.resize(kMaxRest);
                    if (ergebnis_.gekuerzteZeilen.isEmpty() || ergebnis_.gekuerzteZeilen.back() != quellzeile_)
                        ergebnis_.gekuerzteZeilen << quellzeile_;
                }
                testzeile_.resize(laenge);
            }
            if (stelle > 0) testzeile_ += '-';
            if (!rest_.empty() && rest_.front() == ' ') rest_.erase(0, 1);
        }
        if (ausgeben) ZeileAusgeben();
        zeilenende_ = false;
    }

    // The hyphenated split of the word the line's end falls into, as the length kept
    // before the hyphen; 0 when the cut `schnitt` keeps the word whole or it has no split
    // that fits. The hyphen stays within the 49 columns and the 230 pixels.
    size_t trennstelle(const platform::ByteWidths &m, qint64 breite, size_t schnitt) {
        constexpr qint64 kZuBreit =
            kMaxBreite * platform::ByteWidths::kEinheiten + platform::ByteWidths::kEinheiten / 2;
        const std::string &t = testzeile_;
        size_t passt = t.size(); // the longest start of the line that fits
        while (passt > 0 && (breite >= kZuBreit || passt > size_t(book::kTextSpalten))) {
            breite -= m.advance(static_cast<unsigned char>(t[passt - 1]));
            --passt;
        }
        auto grenze = [](char c) { return istUmbruchzeichen(c) || c == kUeberschriftende; };
        size_t anfang = passt;
        while (anfang > 0 && !grenze(t[anfang - 1]))
            --anfang;
        size_t ende = passt;
        while (ende < t.size() && !grenze(t[ende]))
            ++ende;
        if (schnitt >= ende || anfang + 3 > passt) return 0;
        const qint64 strich = m.advance('-');
        size_t beste = 0;
        // Letter runs of the word, from the last one that begins before the room ends.
        for (size_t lauf = anfang; lauf < passt;) {
            size_t von = lauf;
            while (von < ende && !istBuchstabe(t[von]))
                ++von;
            size_t bis = von;
            while (bis < ende && istBuchstabe(t[bis]))
                ++bis;
            lauf = bis + 1;
            if (bis - von < 4 || von + 2 >= passt) continue;
            const QList<int> stellen = trennung_->trennstellen(QByteArrayView(t.data() + von, qsizetype(bis - von)));
            for (qsizetype i = stellen.size() - 1; i >= 0; --i) {
                const size_t stelle = von + size_t(stellen[i]);
                if (stelle + 1 > passt || stelle <= von || stelle >= bis) continue;
                qint64 b = breite;
                for (size_t k = stelle; k < passt; ++k)
                    b -= m.advance(static_cast<unsigned char>(t[k]));
                if (b + strich < kZuBreit) {
                    beste = stelle;
                    break;
                }
            }
        }
        return beste;
    }

    void ZeileAusgeben() {
        bool endetUeberschrift = false;
        if (const size_t i = mitEnde_ ? testzeile_.find(kUeberschriftende) : std::string::npos;
            i != std::string::npos) {
            testzeile_.erase(i, 1);
            endetUeberschrift = true;
        }
        const bool seitenwechsel = beginntMit(testzeile_, ":S:");
        if (((seitenwechsel || kapitelanfang_) && !testseite_.leer()) || zeilennummer_ >= kVoll) {
            SeiteSchreiben();
            neueTestseite();
        }
        if (seitenwechsel) testzeile_.clear();
        kapitelanfang_ = false;
        if (endetUeberschrift) ueberschriftmodus_ = false;
        if (beginntMit(testzeile_, ":B:") && testzeile_.size() > 3) {
            bildzeile();
            return;
        }
        if (ueberschriftmodus_ && !testzeile_.empty()) {
            if (geschriebeneSeiten_ + 1 > 999) {
                if (ergebnis_.inhaltHinter999 < 0) ergebnis_.inhaltHinter999 = int(ergebnis_.MemoInhalt.size());
                ++ergebnis_.eintraegeHinter999;
            }
            InhaltZeile(ergebnis_.MemoInhalt,
                        QByteArray(testzeile_.data(), qsizetype(qMin<size_t>(testzeile_.size(), 50))),
                        geschriebeneSeiten_ + 1, masse_.inhalt);
            testzeile_.insert(testzeile_.begin(), book::kUeberschriftzeichen);
            ++zeilennummer_;
        }
        testseite_.setzen(zeilennummer_, sicht(testzeile_));
        naechsteZeile();
        ++zeilennummer_;
    }

    void bildzeile() {
        QByteArray kommentar;
        int kommentarhoehe = 0;
        if (const size_t strich = testzeile_.find('|'); strich != std::string::npos) {
            kommentar.reserve(256);
            kommentar.append(testzeile_.data() + strich + 1, qMin<qsizetype>(testzeile_.size() - strich - 1, 250));
            kommentar.append(rest_.data(), qsizetype(rest_.size()));
            rest_.clear();
            testzeile_.resize(strich);
            kommentar.removeIf([](char c) { return c == '\r' || c == '\n'; });
            if (!zeilenende_) {
                // The caption runs on to the line's end, up to 254 bytes.
                const char *daten = text_.constData();
                const qsizetype n = text_.size();
                qsizetype ende = pos_;
                while (ende < n && kommentar.size() + (ende - pos_) < 254 && daten[ende] != 13 && daten[ende] != 10)
                    ++ende;
                kommentar.append(daten + pos_, ende - pos_);
                pos_ = ende;
                if (pos_ < n && kommentar.size() < 254) {
                    const char c = daten[pos_++];
                    // The LF of a CR LF is left to the reading loop; a line end of one
                    // byte has its LF's part done there before the next byte.
                    ++quellzeile_;
                    lfNachholen_ = c == 10 || pos_ >= n || daten[pos_] != 10;
                }
            }
            kommentarhoehe = UmbruchZeilen(kommentar, masse_.unterschrift, kMemoProbeBreite);
        }
        QByteArray name(testzeile_.data() + 3, qsizetype(testzeile_.size()) - 3);
        while (!name.isEmpty() && static_cast<unsigned char>(name.back()) <= 32)
            name.chop(1);

        int bildhoehe = kommentarhoehe;
        if (!GueltigerBildname(QByteArrayView(name))) {
            bildhoehe += bilder_.Kleinbild(name); // reports the name and gives 0
        } else if (const auto hoehe = bilder_.vorhandeneHoehe(name)) {
            bildhoehe += *hoehe / 13 + 1;
        } else {
            bildhoehe += bilder_.Kleinbild(name);
        }

        if (zeilennummer_ + bildhoehe + kommentarhoehe < kVoll) {
            testseite_.setzen(zeilennummer_, sicht(testzeile_));
            testzeile_.clear();
            rest_.clear();
            ++zeilennummer_;
            if (!kommentar.isEmpty()) UnterschriftSchreiben(kommentar);
            zeilennummer_ += bildhoehe - 1;
        } else {
            gemerkteBilder_.push_back({bildhoehe, name, kommentar});
            naechsteZeile();
        }
    }

    // The rest begins the next line.
    void naechsteZeile() {
        testzeile_.swap(rest_);
        rest_.clear();
        if (mitEnde_)
            mitEnde_ = std::any_of(testzeile_.begin(), testzeile_.end(), [](char c) { return c == kUeberschriftende; });
    }

    // Caption lines of 48 characters each; returns how many were written.
    int UnterschriftSchreiben(QByteArrayView text) {
        int zeilen = 0;
        for (qsizetype von = 0; von < text.size(); von += 48) {
            char zeile[49];
            zeile[0] = book::kUnterschriftzeichen;
            const qsizetype n = qMin<qsizetype>(48, text.size() - von);
            std::memcpy(zeile + 1, text.data() + von, size_t(n));
            std::memset(zeile + 1 + n, ' ', size_t(48 - n));
            testseite_.setzen(zeilennummer_, QByteArrayView(zeile, 49));
            ++zeilennummer_;
            ++zeilen;
        }
        return zeilen;
    }

    void neueTestseite() {
        for (;;) {
            testseite_ = Seitensatz();
            zeilennummer_ = 1;
            if (gemerkteBilder_.empty()) return;
            bool geschrieben = false;
            while (!geschrieben) {
                int bildhoehe = gemerkteBilder_.front().hoehe;
                if (zeilennummer_ > 1 && zeilennummer_ + bildhoehe >= kVoll) break;
                const GemerktesBild bild = std::move(gemerkteBilder_.front());
                gemerkteBilder_.pop_front();
                testseite_.setzen(zeilennummer_, ":B:" + bild.name);
                ++zeilennummer_;
                bildhoehe -= UnterschriftSchreiben(bild.unterschrift);
                zeilennummer_ += bildhoehe;
                if (gemerkteBilder_.empty()) {
                    if (zeilennummer_ > 2 && kapitelanfang_) {
                        SeiteSchreiben();
                        kapitelanfang_ = false;
                        geschrieben = true; // start again with a blank page
                        continue;
                    }
                    if (zeilennummer_ >= kVoll) break;
                    return;
                }
                if (zeilennummer_ + gemerkteBilder_.front().hoehe >= kVoll) break;
            }
            if (!geschrieben) SeiteSchreiben();
        }
    }

    void SeiteSchreiben() {
        if (!ergebnis_.ok) return;
        if (!ausgabe_(testseite_)) {
            ergebnis_.ok = false;
            return;
        }
        ++geschriebeneSeiten_;
        if (gelesen_) gelesen_(pos_);
    }

    const QByteArray &text_;
    const Importmasse &masse_;
    Bildquelle &bilder_;
    const std::function<bool(const Seitensatz &)> &ausgabe_;
    const std::function<void(qsizetype)> &gelesen_;
    Worttrennung *trennung_;
    qsizetype pos_ = 0;

    Seitensatz testseite_;
    int zeilennummer_ = 1;
    int geschriebeneSeiten_ = 0;
    std::string testzeile_; // the line being assembled
    std::string rest_;      // what was cut off its end
    bool zeilenende_ = false;
    bool ueberschriftmodus_ = false;
    bool kapitelanfang_ = false;
    bool lfNachholen_ = false; // a caption ended at a line end without its LF
    // False while neither the line nor its rest holds the mark that ends a heading:
    // most lines need no search for it.
    bool mitEnde_ = false;
    // Pictures that did not fit their page, in order: lines they take, name, caption.
    struct GemerktesBild {
        int hoehe;
        QByteArray name, unterschrift;
    };
    std::deque<GemerktesBild> gemerkteBilder_;
    Importergebnis ergebnis_;
    int quellzeile_ = 1;
};

} // namespace

// importbreiten.cpp, written by schriftbreiten.
extern const int kImportbreiten[4][256];

Importmasse Importmasse::Bildschirm() {
    return {platform::ByteWidths(kImportbreiten[0]), platform::ByteWidths(kImportbreiten[1]),
            platform::ByteWidths(kImportbreiten[2]), platform::ByteWidths(kImportbreiten[3])};
}

Importergebnis Buchmachen(const QByteArray &text, const Importmasse &masse, Bildquelle &bilder,
                          const std::function<bool(const book::Seitensatz &)> &seiteSchreiben,
                          const std::function<void(qsizetype)> &gelesen, Worttrennung *trennung) {
    return Import(text, masse, bilder, seiteSchreiben, gelesen, trennung).laufen();
}

void InhaltZeile(QStringList &memoInhalt, QByteArray kopf, int seiteNummer, const platform::ByteWidths &masse) {
    if (const qsizetype t = kopf.indexOf('~'); t >= 0) kopf.remove(t, 1);
    const QByteArray nummerBytes = QByteArray::number(seiteNummer).left(4);
    if (!memoInhalt.isEmpty()) {
        // The number at the end of the entry before, up to four digits of it.
        const QString &letzte = memoInhalt.last();
        qsizetype ziffern = 0;
        while (letzte.size() - ziffern > 3 && ziffern < 4) {
            const QChar c = letzte.at(letzte.size() - 1 - ziffern);
            if (!c.isDigit() || c > '9') break;
            ++ziffern;
        }
        if (ziffern == nummerBytes.size() && QStringView(letzte).right(ziffern) == QLatin1String(nummerBytes)) {
            memoInhalt.last().chop(ziffern);
            kopf.prepend("  ");
        }
    }
    // The heading, 77 blanks and the number, shortened from the end of the blanks (then
    // of the text) until it fits 237 pixels: the blanks that fit are counted directly.
    qint64 breite = 0;
    for (const char c : kopf)
        breite += masse.advance(static_cast<unsigned char>(c));
    for (const char c : nummerBytes)
        breite += masse.advance(static_cast<unsigned char>(c));
    const qint64 grenze =
        qint64(kInhaltBreite) * platform::ByteWidths::kEinheiten + platform::ByteWidths::kEinheiten / 2;
    const qint64 leer = masse.advance(' ');
    qint64 leerzeichen = 77;
    if (leer > 0 && breite + 77 * leer >= grenze) leerzeichen = qMax<qint64>(0, (grenze - 1 - breite) / leer);
    breite += leerzeichen * leer;
    kopf.append(leerzeichen, ' ');
    while (breite >= grenze && !kopf.isEmpty()) {
        breite -= masse.advance(static_cast<unsigned char>(kopf.back()));
        kopf.chop(1);
    }
    memoInhalt.append(platform::fromCp1252(kopf + nummerBytes));
}

int UmbruchZeilen(const QByteArray &text, const platform::ByteWidths &masse, int breite) {
    if (text.isEmpty()) return 0;
    int zeilen = 1;
    const qint64 grenze = qint64(breite) * platform::ByteWidths::kEinheiten;
    qint64 x = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype ende = text.indexOf(' ', i);
        if (ende < 0) ende = text.size();
        qint64 wort = 0;
        for (qsizetype k = i; k < ende; ++k)
            wort += masse.advance(static_cast<unsigned char>(text[k]));
        const qint64 leer = masse.advance(' ');
        if (x > 0 && x + leer + wort > grenze) {
            ++zeilen;
            x = 0;
        }
        if (x > 0) x += leer;
        if (wort > grenze) { // a word wider than the box is broken by characters
            for (qsizetype k = i; k < ende; ++k) {
                const qint64 a = masse.advance(static_cast<unsigned char>(text[k]));
                if (x + a > grenze && x > 0) {
                    ++zeilen;
                    x = 0;
                }
                x += a;
            }
        } else {
            x += wort;
        }
        i = ende + 1;
    }
    return zeilen;
}

bool GueltigerBildname(QByteArrayView name) {
    return !name.isEmpty() && static_cast<unsigned char>(name.front()) >= '0' && !name.contains('\\') &&
           !name.contains('/') && !name.contains("..") && !name.contains(':');
}

bool GueltigerBildname(const QString &name) {
    return !name.isEmpty() && name.at(0) >= '0' && !name.contains('\\') && !name.contains('/') &&
           !name.contains("..") && !name.contains(':');
}

} // namespace authoring
