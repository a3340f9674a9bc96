#include "search/core/fundstellen.h"

#include <vector>

namespace search {

namespace {

// A character of the line being folded and the stretch of the line it stands for.
struct Zeichen {
    QChar c;
    int von = 0;
    int bis = 0;
};
using Folge = std::vector<Zeichen>;

qsizetype finden(const Folge &s, QStringView was, qsizetype ab = 0) {
    for (qsizetype i = ab; i + was.size() <= qsizetype(s.size()); ++i) {
        bool gleich = true;
        for (qsizetype k = 0; k < was.size() && gleich; ++k)
            gleich = s[size_t(i + k)].c == was[k];
        if (gleich) return i;
    }
    return -1;
}

// The characters i .. i + n - 1 become `durch`; each new one stands for all of them.
void ersetzen(Folge &s, qsizetype i, qsizetype n, QStringView durch) {
    const int von = s[size_t(i)].von, bis = s[size_t(i + n - 1)].bis;
    Folge neu;
    for (const QChar c : durch)
        neu.push_back({c, von, bis});
    s.erase(s.begin() + i, s.begin() + i + n);
    s.insert(s.begin() + i, neu.begin(), neu.end());
}

void erstesErsetzen(Folge &s, QStringView was, QStringView durch) {
    if (const qsizetype i = finden(s, was); i >= 0) ersetzen(s, i, was.size(), durch);
}

// Left to right, going on after each replacement, as QString::replace does.
void alleErsetzen(Folge &s, QStringView was, QStringView durch) {
    for (qsizetype i = finden(s, was); i >= 0; i = finden(s, was, i + durch.size()))
        ersetzen(s, i, was.size(), durch);
}

bool vokal(QChar c) {
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

} // namespace

// The steps of modifiedUpcase and Grossbuchstaben (falten.cpp), one for one.
Herkunft FaltenMitHerkunft(const QString &zeile, bool tolerant) {
    Folge s;
    s.reserve(size_t(zeile.size()));
    for (int i = 0; i < zeile.size(); ++i) {
        QChar c = zeile[i];
        if (tolerant && c >= 'A' && c <= 'Z') c = QChar(c.unicode() + 32);
        if (!tolerant && c >= 'a' && c <= 'z') c = QChar(c.unicode() - 32);
        s.push_back({c, i, i + 1});
    }
    Herkunft h;
    if (!tolerant) {
        for (const Zeichen &z : s) {
            h.gefaltet.append(z.c);
            h.von.append(z.von);
            h.bis.append(z.bis);
        }
        return h;
    }
    erstesErsetzen(s, u"Ö", u"ö");
    erstesErsetzen(s, u"Ü", u"ü");
    erstesErsetzen(s, u"Ä", u"ä");
    erstesErsetzen(s, u"ck", u"k");
    erstesErsetzen(s, u"gg", u"k");
    erstesErsetzen(s, u"oi", u"eu");
    erstesErsetzen(s, u"ae", u"e");
    alleErsetzen(s, u"ue", u"ü");
    alleErsetzen(s, u"ae", u"ä");
    QChar p;
    for (const Zeichen &z : s) {
        const char16_t u = z.c.unicode();
        QChar aus = z.c;
        bool bleibt = true;
        if (u == 'h')
            bleibt = !vokal(p);
        else if (u == 'y' || u == u'Ü' || u == u'ü')
            aus = QLatin1Char('i');
        else if (u == u'Ä' || u == u'Ö' || u == u'ä' || u == u'ö')
            aus = QLatin1Char('e');
        else if (u == u'ß')
            aus = QLatin1Char('s');
        else
            bleibt = u != ' ' && z.c != p;
        if (bleibt) {
            h.gefaltet.append(aus);
            h.von.append(z.von);
            h.bis.append(z.bis);
        }
        p = z.c;
    }
    return h;
}

QList<Fundstelle> Fundstellen(const QString &zeile, const QString &begriff, bool tolerant) {
    QList<Fundstelle> stellen;
    if (begriff.isEmpty()) return stellen;
    const Herkunft h = FaltenMitHerkunft(zeile, tolerant);
    for (qsizetype i = h.gefaltet.indexOf(begriff); i >= 0; i = h.gefaltet.indexOf(begriff, i + begriff.size())) {
        const int anfang = h.von[i];
        stellen.append({anfang, h.bis[i + begriff.size() - 1] - anfang});
    }
    return stellen;
}

} // namespace search
