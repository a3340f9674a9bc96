#include "album/core/marken.h"

#include "album/core/bilderliste.h"
#include "book/core/ziffernwert.h"
#include "platform/files.h"

#include <cmath>

namespace album {

Markentabelle Markentabelle::Lesen(const QByteArray &datei) {
    Markentabelle t;
    for (const QString &zeile : platform::splitLines(datei)) {
        Marke m;
        if (zeile.size() >= 5 && zeile.at(4) == ',') {
            m.x = book::ZiffernWert(zeile.mid(0, 4));
            m.y = book::ZiffernWert(zeile.mid(5, 4));
            m.text = zeile.mid(10, 100).left(80);
        }
        t.marken << m;
    }
    const int n = int(t.marken.size());
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            if (i == j) continue;
            const Marke &a = t.marken[i], &b = t.marken[j];
            while (std::abs(a.x - b.x) < 2 * t.radius && std::abs(a.y - b.y) < 2 * t.radius && t.radius > 8) --t.radius;
        }
    return t;
}

Markentabelle::Treffer Markentabelle::Unter(int x, int y) const {
    Treffer t;
    for (int i = 0; i < marken.size() && t.text.isEmpty(); ++i) {
        const Marke &m = marken[i];
        if (m.x - radius < x && x < m.x + radius && m.y - radius < y && y < m.y + radius) {
            t.index = i + 1;
            t.text = m.text;
        }
    }
    return t;
}

QByteArray Markentabelle::SchreibenOhne(int ohne) const {
    QStringList zeilen;
    for (int i = 0; i < marken.size(); ++i)
        if (i + 1 != ohne) zeilen << Vierstellig(marken[i].x) + ',' + Vierstellig(marken[i].y) + ',' + marken[i].text;
    return platform::joinLines(zeilen);
}

int AlbumZelle(int x, int y, bool schwebend) {
    int xs = x / 2;
    const int ys = y / 2;
    if (schwebend && xs > 255) return 0;
    int spalte = -1;
    if (xs >= 0 && xs <= 53) spalte = 0;
    else if (xs >= 60 && xs <= 113) spalte = 1;
    else if (xs >= 148 && xs <= 201) spalte = 2;
    else if (xs >= 208) spalte = 3;
    int reihe = -1;
    for (int r = 0; r < 4; ++r)
        if (ys >= r * 48 && ys <= r * 48 + 40) reihe = r;
    if (spalte < 0 || reihe < 0) return 0;
    // Cells of the left page are 1..8, of the right page 9..16, two to a row.
    return (spalte / 2) * 8 + reihe * 2 + spalte % 2 + 1;
}

QString BildHinweisText(const QString &zeile) {
    const qsizetype doppelpunkt = zeile.indexOf(':');
    if (doppelpunkt < 0) return {};
    QString text = zeile.mid(doppelpunkt + 1);
    if (const qsizetype strich = text.indexOf('|'); strich >= 0) text = text.mid(strich + 1);
    return OhneTilde(text);
}

int VergroesserungsLage(int bildschirm, int kopie, int bild, int x) {
    if (bild <= 0) return 0;
    double lage = bildschirm * 0.5 - double(x) * kopie / bild;
    if (lage > 0) lage = 0;
    else if (lage < bildschirm - kopie) lage = bildschirm - kopie;
    return int(std::lround(lage));
}

} // namespace album
