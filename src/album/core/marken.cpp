#include "album/core/marken.h"

#include "album/core/bilderliste.h"
#include "book/core/ziffernwert.h"
#include "platform/files.h"

#include <QHash>
#include <cmath>

namespace album {

namespace {

Marke markeAusZeile(const QString &zeile) {
    Marke m;
    if (zeile.size() >= 5 && zeile.at(4) == ',') {
        m.x = book::ZiffernWert(zeile.mid(0, 4));
        m.y = book::ZiffernWert(zeile.mid(5, 4));
        m.text = zeile.mid(10, 100).left(kMaxMarkentext);
    }
    return m;
}

// The squares shrink from 20 to at most half the largest distance along one axis of
// the closest pair, and never below 8. Only pairs nearer than 40 can shrink them, so
// the marks are sorted into 40-pixel cells and each is compared with the eight
// neighbouring cells only: the cost grows with the number of marks, not its square.
int markenRadius(const QList<Marke> &marken) {
    constexpr int kGross = 20, kKlein = 8, kZelle = 2 * kGross;
    int radius = kGross;
    QHash<qint64, QList<int>> zellen;
    auto schluessel = [](int zx, int zy) { return (qint64(zx) << 32) ^ quint32(zy); };
    for (int i = 0; i < marken.size() && radius > kKlein; ++i) {
        const Marke &a = marken[i];
        const int zx = a.x / kZelle, zy = a.y / kZelle;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                for (const int j : zellen.value(schluessel(zx + dx, zy + dy))) {
                    const Marke &b = marken[j];
                    const int abstand = qMax(std::abs(a.x - b.x), std::abs(a.y - b.y));
                    radius = qMax(kKlein, qMin(radius, abstand / 2));
                }
        zellen[schluessel(zx, zy)].append(i);
    }
    return radius;
}

// Start and end (after its line break) of every line, as splitLines counts them.
QList<std::pair<qsizetype, qsizetype>> zeilenGrenzen(const QByteArray &b) {
    QList<std::pair<qsizetype, qsizetype>> grenzen;
    qsizetype start = 0;
    for (qsizetype i = 0; i < b.size(); ++i) {
        const char c = b[i];
        if (c != '\r' && c != '\n') continue;
        if (c == '\r' && i + 1 < b.size() && b[i + 1] == '\n') ++i;
        grenzen.append({start, i + 1});
        start = i + 1;
    }
    if (start < b.size()) grenzen.append({start, b.size()});
    return grenzen;
}

} // namespace

Markentabelle Markentabelle::Lesen(const QByteArray &datei) {
    Markentabelle t;
    for (const QString &zeile : platform::splitLines(datei))
        t.marken << markeAusZeile(zeile);
    t.radius = markenRadius(t.marken);
    return t;
}

int Markentabelle::Dateizeile(int index) const {
    int zeile = index;
    for (int i = 0; i < index - 1 && i < marken.size(); ++i)
        if (marken[i].entfernt) --zeile;
    return zeile;
}

QByteArray MarkeAnhaengen(const QByteArray &datei, int x, int y, const QString &text) {
    QByteArray neu = datei;
    if (!neu.isEmpty() && !neu.endsWith('\n') && !neu.endsWith('\r')) neu += "\r\n";
    return neu + platform::joinLines({Vierstellig(x) + ',' + Vierstellig(y) + ',' + text});
}

std::optional<QByteArray> MarkeEntfernen(const QByteArray &datei, int zeile, const Marke &marke) {
    const auto grenzen = zeilenGrenzen(datei);
    if (zeile < 1 || zeile > grenzen.size()) return std::nullopt;
    const auto [von, bis] = grenzen[zeile - 1];
    const Marke dort = markeAusZeile(platform::splitLines(datei.mid(von, bis - von)).value(0));
    if (dort.x != marke.x || dort.y != marke.y || dort.text != marke.text) return std::nullopt;
    // A lone CR before the line and an LF after it would join into one break: the line
    // before then ends in CR LF, so no line is lost or merged.
    if (von > 0 && datei[von - 1] == '\r' && bis < datei.size() && datei[bis] == '\n')
        return datei.left(von) + '\n' + datei.mid(bis);
    return datei.left(von) + datei.mid(bis);
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

int AlbumZelle(int x, int y, bool schwebend) {
    int xs = x / 2;
    const int ys = y / 2;
    if (schwebend && xs > 255) return 0;
    int spalte = -1;
    if (xs >= 0 && xs <= 53)
        spalte = 0;
    else if (xs >= 60 && xs <= 113)
        spalte = 1;
    else if (xs >= 148 && xs <= 201)
        spalte = 2;
    else if (xs >= 208)
        spalte = 3;
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
    if (lage > 0)
        lage = 0;
    else if (lage < bildschirm - kopie)
        lage = bildschirm - kopie;
    return int(std::lround(lage));
}

} // namespace album
