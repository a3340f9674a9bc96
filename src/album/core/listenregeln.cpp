#include "album/core/listenregeln.h"

namespace album {

int VorhandeneBilder(const QStringList &zeilen) {
    int n = 0;
    for (const QString &z : zeilen)
        if (!z.isEmpty() && z[0] != ' ' && z[0] != ':') ++n;
    return n;
}

QList<int> LeereZeilenAbZweiter(const QStringList &zeilen) {
    QList<int> leer;
    for (int i = 1; i < zeilen.size(); ++i)
        if (zeilen[i].isEmpty()) leer << i;
    return leer;
}

int ermittelterIndex(int zeile, int spalte) {
    return qMax(0, zeile) + (spalte > 0 ? 1 : 0);
}

std::optional<QPoint> MarkerStelle(int k) {
    if (k < 0) return std::nullopt;
    const int zelle = k % 16;
    const bool rechteSeite = zelle >= 8;
    const int links = rechteSeite ? (k % 2 == 0 ? 70 : 90) : (k % 2 == 0 ? 16 : 36);
    constexpr int kOben[] = {10, 27, 44, 61};
    return QPoint(links, kOben[(k % 8) / 2]);
}

} // namespace album
