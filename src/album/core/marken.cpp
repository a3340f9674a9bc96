#include "album/core/marken.h"

#include "album/core/kleinbild.h"
#include "book/core/ziffernwert.h"
#include "platform/files.h"

#include <QHash>
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
    // Only a pair closer than 40 in both directions can shrink the radius, so each mark
    // meets the earlier marks of its own and the eight neighbouring 40 × 40 cells. While
    // the radius is above 8 a cell holds at most nine marks; at 8 the search ends.
    QHash<quint64, QList<int>> zellen;
    auto zelle = [](int cx, int cy) { return (quint64(quint32(cx)) << 32) | quint32(cy); };
    for (int i = 0; i < t.marken.size() && t.radius > 8; ++i) {
        const Marke &a = t.marken[i];
        const int cx = a.x / 40, cy = a.y / 40;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                for (const int j : zellen.value(zelle(cx + dx, cy + dy))) {
                    const Marke &b = t.marken[j];
                    while (std::abs(a.x - b.x) < 2 * t.radius && std::abs(a.y - b.y) < 2 * t.radius && t.radius > 8)
                        --t.radius;
                }
        zellen[zelle(cx, cy)] << i;
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
