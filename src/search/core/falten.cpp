#include "search/core/falten.h"

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

} // namespace search
