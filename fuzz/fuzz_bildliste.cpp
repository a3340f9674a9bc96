// Any bytes as the picture list ("Pages\<name>.3") as the program loads it: the album
// part is paged through as the reader turns its spreads (each cell's caption and hint),
// and the pictures are stepped through as the slide show does (name and text of each
// line). No crash, no hang; paging leaves the album within its 499 spreads, each spread
// has its own sheet file, names are upper case and come from before the first ":".
#include "album/core/kleinbild.h"
#include "album/core/marken.h"
#include "book/core/blaettern.h"
#include "book/core/seitensatz.h"
#include "platform/files.h"

#include <QSet>
#include "pruefen.h"

#include <cstdint>

namespace {

bool leer(const QStringList &liste, qsizetype i) {
    return i >= 0 && i < liste.size() && (liste[i].isEmpty() || liste[i].startsWith(' '));
}

} // namespace

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
        n = ziel.seite + ziel.seite % 2;  // the book shows odd numbers as the next spread
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

    // The slide show, forward through the list.
    const int anzahl = int(liste.size());
    int index = -1, schritte = 0;
    for (;;) {
        const int vorher = index;
        if (index < anzahl - 1) ++index;
        while (leer(liste, index) && index < anzahl - 1) ++index;
        if (index == vorher) break;
        PRUEFEN(++schritte <= anzahl);
        if (liste[index].isEmpty()) continue;
        QString rest, name;
        album::ListenzeileZerlegen(liste[index], &rest, &name);
        const QString &zeile = liste[index];
        const qsizetype doppelpunkt = zeile.indexOf(':');
        if (doppelpunkt < 0) PRUEFEN(name.isEmpty() && rest == zeile);
        else PRUEFEN(name == zeile.left(doppelpunkt).toUpper() && rest == zeile.mid(doppelpunkt + 1));
        (void)album::OhneTilde(rest);
    }
    return 0;
}
