#include "search/core/falten.h"

#include <array>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace search {

void ErstesErsetzen(const QString &was, const QString &durch, QString &text) {
    if (const qsizetype i = text.indexOf(was); i >= 0) text.replace(i, was.size(), durch);
}

QString KleinMitUmlaut(const QString &text) {
    QString s = text;
    for (QChar &c : s)
        if (c >= 'A' && c <= 'Z') c = QChar(c.unicode() + 32);
    ErstesErsetzen(QStringLiteral("Ö"), QStringLiteral("ö"), s);
    ErstesErsetzen(QStringLiteral("Ü"), QStringLiteral("ü"), s);
    ErstesErsetzen(QStringLiteral("Ä"), QStringLiteral("ä"), s);
    return s;
}

void modifiedUpcase(QStringView text, QString &s, QString &r) {
    s.resize(text.size());
    QChar *w = s.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        w[i] = (c >= 'A' && c <= 'Z') ? QChar(c.unicode() + 32) : c;
    }
    ErstesErsetzen(QStringLiteral("Ö"), QStringLiteral("ö"), s);
    ErstesErsetzen(QStringLiteral("Ü"), QStringLiteral("ü"), s);
    ErstesErsetzen(QStringLiteral("Ä"), QStringLiteral("ä"), s);
    ErstesErsetzen(QStringLiteral("ck"), QStringLiteral("k"), s);
    ErstesErsetzen(QStringLiteral("gg"), QStringLiteral("k"), s);
    ErstesErsetzen(QStringLiteral("oi"), QStringLiteral("eu"), s);
    ErstesErsetzen(QStringLiteral("ae"), QStringLiteral("e"), s);
    // German readers write an umlaut as "ue" or "ae" anywhere in a word: "Tuerkei" is
    // "Türkei". "oe" stays, so that "Oel" remains apart from "Öl".
    s.replace(QStringLiteral("ue"), QStringLiteral("ü"));
    s.replace(QStringLiteral("ae"), QStringLiteral("ä"));
    r.resize(s.size());
    QChar *out = r.data();
    qsizetype n = 0;
    QChar p;
    for (const QChar c : std::as_const(s)) {
        const char16_t u = c.unicode();
        if (u == 'h') {
            if (!(p == 'a' || p == 'e' || p == 'i' || p == 'o' || p == 'u')) out[n++] = c;
        } else if (u == 'y' || u == u'Ü' || u == u'ü') {
            out[n++] = QLatin1Char('i');
        } else if (u == u'Ä' || u == u'Ö' || u == u'ä' || u == u'ö') {
            out[n++] = QLatin1Char('e');
        } else if (u == u'ß') {
            out[n++] = QLatin1Char('s');
        } else if (u != ' ' && c != p) {
            out[n++] = c;
        }
        p = c;
    }
    r.truncate(n);
}

QString modifiedUpcase(const QString &text) {
    QString arbeit, ergebnis;
    modifiedUpcase(text, arbeit, ergebnis);
    return ergebnis;
}

QString Grossbuchstaben(const QString &text) {
    QString s = text;
    for (QChar &c : s)
        if (c >= 'a' && c <= 'z') c = QChar(c.unicode() - 32);
    return s;
}

namespace {

constexpr char kAe = char(0xE4), kOe = char(0xF6), kUe = char(0xFC), kGrossAe = char(0xC4), kGrossOe = char(0xD6),
               kGrossUe = char(0xDC), kSz = char(0xDF);

void erstesErsetzen(std::string &s, std::string_view was, std::string_view durch) {
    if (const size_t i = s.find(was); i != std::string::npos) s.replace(i, was.size(), durch);
}

// Every "<a><b>" by `durch`, left to right, as QString::replace does.
void alleErsetzen(std::string &s, char a, char b, char durch) {
    // Up to the first pair nothing moves: found at memchr speed.
    const char paar[] = {a, b};
    size_t i = s.find(std::string_view(paar, 2));
    if (i == std::string::npos) return;
    size_t n = i;
    for (; i < s.size(); ++i) {
        if (s[i] == a && i + 1 < s.size() && s[i + 1] == b) {
            s[n++] = durch;
            ++i;
        } else {
            s[n++] = s[i];
        }
    }
    s.resize(n);
}

// Which of the folding's replacements a lowered line can need: most lines need none,
// and looking for all pairs at once, sixteen bytes at a time, is cheaper than one search
// for each.
struct Anlaesse {
    bool grosserUmlaut = false, ck = false, gg = false, oi = false, ae = false, ue = false;
};

Anlaesse anlaesseFinden(const std::string &s) {
    Anlaesse a;
    size_t i = 0;
#if defined(__SSE2__)
    __m128i umlaut = _mm_setzero_si128(), ck = umlaut, gg = umlaut, oi = umlaut, ae = umlaut, ue = umlaut;
    const auto gleich = [](__m128i b, char c) { return _mm_cmpeq_epi8(b, _mm_set1_epi8(c)); };
    for (; i + 17 <= s.size(); i += 16) {
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s.data() + i));
        const __m128i n = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s.data() + i + 1)); // each byte's successor
        umlaut = _mm_or_si128(
            umlaut, _mm_or_si128(gleich(b, kGrossOe), _mm_or_si128(gleich(b, kGrossUe), gleich(b, kGrossAe))));
        ck = _mm_or_si128(ck, _mm_and_si128(gleich(b, 'c'), gleich(n, 'k')));
        gg = _mm_or_si128(gg, _mm_and_si128(gleich(b, 'g'), gleich(n, 'g')));
        oi = _mm_or_si128(oi, _mm_and_si128(gleich(b, 'o'), gleich(n, 'i')));
        const __m128i e = gleich(n, 'e');
        ae = _mm_or_si128(ae, _mm_and_si128(gleich(b, 'a'), e));
        ue = _mm_or_si128(ue, _mm_and_si128(gleich(b, 'u'), e));
    }
    a.grosserUmlaut = _mm_movemask_epi8(umlaut);
    a.ck = _mm_movemask_epi8(ck);
    a.gg = _mm_movemask_epi8(gg);
    a.oi = _mm_movemask_epi8(oi);
    a.ae = _mm_movemask_epi8(ae);
    a.ue = _mm_movemask_epi8(ue);
#endif
    for (; i < s.size(); ++i) {
        const char c = s[i], n = i + 1 < s.size() ? s[i + 1] : 0;
        a.grosserUmlaut |= c == kGrossOe || c == kGrossUe || c == kGrossAe;
        a.ck |= c == 'c' && n == 'k';
        a.gg |= c == 'g' && n == 'g';
        a.oi |= c == 'o' && n == 'i';
        a.ae |= c == 'a' && n == 'e';
        a.ue |= c == 'u' && n == 'e';
    }
    return a;
}

void kleinschreiben(std::string &s) {
    size_t i = 0;
#if defined(__SSE2__)
    // Bytes from 0x80 are negative here and fall below 'A'.
    const __m128i vorA = _mm_set1_epi8('A' - 1), nachZ = _mm_set1_epi8('Z' + 1), klein = _mm_set1_epi8(0x20);
    for (; i + 16 <= s.size(); i += 16) {
        auto *stelle = reinterpret_cast<__m128i *>(s.data() + i);
        const __m128i b = _mm_loadu_si128(stelle);
        const __m128i gross = _mm_and_si128(_mm_cmpgt_epi8(b, vorA), _mm_cmplt_epi8(b, nachZ));
        _mm_storeu_si128(stelle, _mm_or_si128(b, _mm_and_si128(gross, klein)));
    }
#endif
    for (; i < s.size(); ++i)
        if (s[i] >= 'A' && s[i] <= 'Z') s[i] = char(s[i] + 32);
}

} // namespace

void FaltenBytes(std::string_view zeile, bool tolerant, std::string &s, std::string &r) {
    s.assign(zeile);
    if (!tolerant) {
        for (char &c : s)
            if (c >= 'a' && c <= 'z') c = char(c - 32);
        r.swap(s);
        return;
    }
    kleinschreiben(s);
    // The replacements in their order, each only where the line has its pair. Those that
    // make letters can make a later pair: "oi" gives "eu" ("aoi" then holds "ae", "oie"
    // holds "ue"), the first "ae" gives "e" ("uae" then holds "ue").
    const Anlaesse a = anlaesseFinden(s);
    if (a.grosserUmlaut) {
        erstesErsetzen(s, std::string_view(&kGrossOe, 1), std::string_view(&kOe, 1));
        erstesErsetzen(s, std::string_view(&kGrossUe, 1), std::string_view(&kUe, 1));
        erstesErsetzen(s, std::string_view(&kGrossAe, 1), std::string_view(&kAe, 1));
    }
    if (a.ck) erstesErsetzen(s, "ck", "k");
    if (a.gg) erstesErsetzen(s, "gg", "k");
    if (a.oi) erstesErsetzen(s, "oi", "eu");
    if (a.ae || a.oi) erstesErsetzen(s, "ae", "e");
    if (a.ue || a.ae || a.oi) alleErsetzen(s, 'u', 'e', kUe);
    if (a.ae || a.oi) alleErsetzen(s, 'a', 'e', kAe);
    // The letters that always become another one; the rest stay themselves unless they
    // are blanks, repeat the one before, or are an "h" after a vowel.
    static const std::array<char, 256> kErsatz = [] {
        std::array<char, 256> t{};
        for (const char c : {'y', kGrossUe, kUe})
            t[uint8_t(c)] = 'i';
        for (const char c : {kGrossAe, kGrossOe, kAe, kOe})
            t[uint8_t(c)] = 'e';
        t[uint8_t(kSz)] = 's';
        return t;
    }();
    r.resize(s.size());
    char *out = r.data();
    char p = 0;
    for (const char c : s) {
        if (const char ersatz = kErsatz[uint8_t(c)]) {
            *out++ = ersatz;
        } else if (c == 'h') {
            if (!(p == 'a' || p == 'e' || p == 'i' || p == 'o' || p == 'u')) *out++ = c;
        } else if (c != ' ' && c != p) {
            *out++ = c;
        }
        p = c;
    }
    r.resize(size_t(out - r.data()));
}

} // namespace search
