#include "search/views/fundmarken.h"

#include "book/views/buchpanel.h"
#include "search/core/falten.h"
#include "search/core/fundstellen.h"

namespace search {

void FundeMarkieren(book::BuchPanel &buch, const QString &suchbegriff, bool tolerant) {
    const QString begriff = search::Falten(suchbegriff, tolerant);
    for (bool links : {true, false}) {
        QList<book::SeitenMemo::Markierung> marken;
        const QStringList &zeilen = buch.seitenZeilen(links);
        for (int z = 0; z < zeilen.size(); ++z)
            for (const search::Fundstelle &f : search::Fundstellen(zeilen[z], begriff, tolerant))
                marken.append({z, f.anfang, f.laenge});
        buch.seiteMarkieren(links, marken);
    }
    // Headings and captions are not page lines, but the word is found there too.
    buch.beschriftungenMarkieren([&](const QString &text) {
        QList<std::pair<int, int>> stellen;
        for (const search::Fundstelle &f : search::Fundstellen(text, begriff, tolerant))
            stellen.append({f.anfang, f.laenge});
        return stellen;
    });
}

void FundeLoeschen(book::BuchPanel &buch) {
    for (bool links : {true, false})
        buch.seiteMarkieren(links, {});
    buch.beschriftungenMarkieren({});
}

} // namespace search
