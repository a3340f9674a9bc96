#include "album/core/listenabgleich.h"

#include "album/core/bilderliste.h"

#include <QSet>
#include <algorithm>

namespace album {

Listenabgleich ListeAbgleichen(const platform::Files &dateien, const QString &projektVerzeichnis,
                               const QStringList &zeilen, const QString &hintergrund) {
    Listenabgleich r;
    // Hidden files do not count as pictures of the album.
    QStringList bitmaps = dateien.list(projektVerzeichnis + "Album\\", "*.bmp");
    bitmaps.erase(std::remove_if(bitmaps.begin(), bitmaps.end(), [](const QString &d) { return d.startsWith('.'); }),
                  bitmaps.end());
    QSet<QString> vorhanden;
    for (const QString &d : bitmaps)
        vorhanden.insert(d.toLower());

    QSet<QString> gelistet;
    for (const QString &zeile : zeilen) {
        // A line's picture: the text before its first ":", trailing blanks dropped.
        QString name = zeile;
        while (name.endsWith(' '))
            name.chop(1);
        if (const qsizetype i = name.indexOf(':'); i >= 0) name.truncate(i);
        if (!name.isEmpty()) {
            if (vorhanden.contains((name + ".bmp").toLower()))
                ++r.VorhandeneBilder;
            else
                r.fehlende.prepend(name);
        }
        QString rest, listenname;
        ListenzeileZerlegen(zeile, &rest, &listenname);
        gelistet.insert((listenname + ".bmp").toLower());
    }

    for (const QString &d : bitmaps) {
        if (gelistet.contains(d.toLower())) continue;
        if (!hintergrund.isEmpty() && d.compare(hintergrund + ".bmp", Qt::CaseInsensitive) == 0) continue;
        // The whole stem: "Tanne.alt.bmp" is listed as "Tanne.alt", which finds its file again.
        const QString name = d.left(d.size() - 4);
        if (name.size() > 40) r.langeNamen.prepend(name);
        r.neue.append({name, d});
    }
    std::stable_sort(r.neue.begin(), r.neue.end(), [](const NeuesBild &a, const NeuesBild &b) {
        const int c = a.name.compare(b.name, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.name < b.name;
    });
    return r;
}

QString NamenFuerMeldung(const QStringList &namen) {
    return namen.join(", ").left(253);
}

} // namespace album
