#include "search/core/falten.h"

#include <array>

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

} // namespace

void FaltenBytes(std::string_view zeile, bool tolerant, std::string &s, std::string &r) {
    s.assign(zeile);
    if (!tolerant) {
        for (char &c : s)
            if (c >= 'a' && c <= 'z') c = char(c - 32);
        r.swap(s);
        return;
    }
    for (char &c : s)
        if (c >= 'A' && c <= 'Z') c = char(c + 32);
    erstesErsetzen(s, std::string_view(&kGrossOe, 1), std::string_view(&kOe, 1));
    erstesErsetzen(s, std::string_view(&kGrossUe, 1), std::string_view(&kUe, 1));
    erstesErsetzen(s, std::string_view(&kGrossAe, 1), std::string_view(&kAe, 1));
    erstesErsetzen(s, "ck", "k");
    erstesErsetzen(s, "gg", "k");
    erstesErsetzen(s, "oi", "eu");
    erstesErsetzen(s, "ae", "e");
    alleErsetzen(s, 'u', 'e', kUe);
    alleErsetzen(s, 'a', 'e', kAe);
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
