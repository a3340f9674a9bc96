// Any bytes as the picture list ("Pages\<name>.3") as the program loads it: the album
// part is paged through as the reader turns its spreads (each cell's caption and hint),
// and the pictures are stepped through as the slide show does (name, text and the line
// found again by its name). No crash, no hang; paging leaves the album within its 499
// spreads, each spread has its own sheet file, names are upper case and come from before
// the first ":", the slide show only moves forward and back within the list.
#include "album/core/bilderliste.h"
#include "album/core/marken.h"
#include "book/core/blaettern.h"
#include "book/core/seitensatz.h"
#include "platform/files.h"

#include "pruefen.h"
#include <QSet>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QStringList liste = platform::splitLines(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const book::Buchumfang umfang{0, 0, int(liste.size())};

    // The album part, spread by spread, from its contents spread on.
    std::array<book::Inhaltsstand, 4> stand{};
    QSet<QString> blaetter;
    int n = 1000;
    for (int schritte = 0;; ++schritte) {
        PRUEFEN(schritte <= 1000);
        const book::Blaetterziel ziel = book::VorBlaettern(n, stand, umfang);
        if (!ziel.zeigen) break;
        n = ziel.seite + ziel.seite % 2; // the book shows odd numbers as the next spread
        if (n >= 2000) break;
        PRUEFEN(n > 1000);
        const QString blatt = book::Albumblattname("Quarn", n);
        PRUEFEN(!blaetter.contains(blatt));
        blaetter.insert(blatt);
        const int aufschlag = (n - 1000) / 2;
        for (int k = (aufschlag - 1) * 16; k < aufschlag * 16; ++k) {
            const QString zeile = k < liste.size() ? liste[k] : QString();
            const QString hinweis = album::BildHinweisText(zeile);
            PRUEFEN(hinweis.size() <= zeile.size());
            const qsizetype doppelpunkt = zeile.indexOf(':');
            const QString text = doppelpunkt <= 0 ? (zeile.startsWith(":I:") ? zeile.mid(3) : zeile).section('~', 0, 0)
                                                  : zeile.mid(doppelpunkt + 1).section('~', 0, 0);
            PRUEFEN(text.size() <= zeile.size());
        }
    }
    PRUEFEN(blaetter.size() <= 499);

    // The slide show, forward and back through the list.
    album::Bilderliste bilder;
    bilder.setzen(liste);
    const int anzahl = bilder.anzahl();
    int index = -1, schritte = 0;
    for (;;) {
        const int naechste = bilder.Naechste(index);
        PRUEFEN(naechste >= index && naechste <= qMax(anzahl - 1, -1));
        if (naechste == index) break;
        PRUEFEN(++schritte <= anzahl);
        index = naechste;
        const QString zeile = bilder.zeile(index);
        QString rest, name;
        album::ListenzeileZerlegen(zeile, &rest, &name);
        const qsizetype doppelpunkt = zeile.indexOf(':');
        if (doppelpunkt < 0)
            PRUEFEN(name.isEmpty() && rest == zeile);
        else
            PRUEFEN(name == zeile.left(doppelpunkt).toUpper() && rest == zeile.mid(doppelpunkt + 1));
        PRUEFEN(album::OhneTilde(rest).size() >= rest.size() - 1);
        if (schritte <= 2 || index == anzahl - 1) {
            PRUEFEN(bilder.BildtextFuer(name).size() <= 255);
            const int gefunden = bilder.IndexNachListenname(name);
            PRUEFEN(gefunden >= index && gefunden < anzahl); // the line itself has that name
        }
    }
    for (int i = anzahl - 1, n = 0; i > 0 && n < 64; ++n) {
        const int vorige = bilder.Vorige(i);
        PRUEFEN(vorige < i && vorige >= i - 2);
        i = vorige;
    }
    return 0;
}
