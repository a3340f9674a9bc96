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

QString modifiedUpcase(const QString &text) {
    QString s = KleinMitUmlaut(text);
    ErstesErsetzen(QStringLiteral("ck"), QStringLiteral("k"), s);
    ErstesErsetzen(QStringLiteral("gg"), QStringLiteral("k"), s);
    ErstesErsetzen(QStringLiteral("oi"), QStringLiteral("eu"), s);
    ErstesErsetzen(QStringLiteral("ae"), QStringLiteral("e"), s);
    QString r;
    r.reserve(s.size());
    QChar p;
    for (const QChar c : s) {
        const char16_t u = c.unicode();
        if (u == 'h') {
            if (!(p == 'a' || p == 'e' || p == 'i' || p == 'o' || p == 'u')) r += c;
        } else if (u == 'y' || u == u'Ü' || u == u'ü') {
            r += QLatin1Char('i');
        } else if (u == u'Ä' || u == u'Ö' || u == u'ä' || u == u'ö') {
            r += QLatin1Char('e');
        } else if (u == u'ß') {
            r += QLatin1Char('s');
        } else if (u != ' ' && c != p) {
            r += c;
        }
        p = c;
    }
    return r;
}

QString Grossbuchstaben(const QString &text) {
    QString s = text;
    for (QChar &c : s)
        if (c >= 'a' && c <= 'z') c = QChar(c.unicode() - 32);
    return s;
}

} // namespace search
