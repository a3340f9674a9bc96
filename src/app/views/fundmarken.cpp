#include "app/views/fundmarken.h"

#include "book/views/buchpanel.h"
#include "search/core/falten.h"
#include "search/core/fundstellen.h"

namespace app {

void FundeMarkieren(book::BuchPanel &buch, const QString &suchbegriff, bool tolerant) {
    const QString begriff = search::Falten(suchbegriff, tolerant);
    for (book::SeitenMemo *seite : {buch.MemoTextLinks, buch.MemoTextRechts}) {
        QList<book::SeitenMemo::Markierung> marken;
        const QStringList &zeilen = seite->zeilen();
        for (int z = 0; z < zeilen.size(); ++z)
            for (const search::Fundstelle &f : search::Fundstellen(zeilen[z], begriff, tolerant))
                marken.append({z, f.anfang, f.laenge});
        seite->setMarkierungen(marken);
    }
}

void FundeLoeschen(book::BuchPanel &buch) {
    for (book::SeitenMemo *seite : {buch.MemoTextLinks, buch.MemoTextRechts})
        seite->setMarkierungen({});
}

} // namespace app
