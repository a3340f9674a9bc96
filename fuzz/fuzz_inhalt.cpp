// Any bytes as a contents file (".1", ".2", ".6"): every contents spread of the part is
// laid out as the book shows it, and every shown entry is followed as a click would.
// No crash, no hang; the same spread count on every spread, at most 29 entries a page,
// page numbers of at most four digits.
#include "book/core/seitenanzeige.h"
#include "platform/files.h"

#include "pruefen.h"

#include <cstdint>

namespace {

void klicken(const QStringList &seite) {
    for (int i = -1; i <= seite.size(); ++i) {
        const int ziel = book::InhaltZiel(seite, i);
        PRUEFEN(ziel >= 0 && ziel <= 9999);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QStringList eintraege =
        platform::splitLines(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const int anzahl = book::InhaltFuer(eintraege, 1).anzahl;
    PRUEFEN(anzahl >= 1);
    // One spread past the last, as a stale position from another project would ask.
    for (int aktuell = 1; aktuell <= anzahl + 1; ++aktuell) {
        const book::Inhaltsseite s = book::InhaltFuer(eintraege, aktuell);
        PRUEFEN(s.anzahl == anzahl && s.inhalt1.size() <= 29 && s.inhalt2.size() <= 29);
        if (aktuell == 1) PRUEFEN(s.inhalt2.isEmpty());
        klicken(s.inhalt1);
        klicken(s.inhalt2);
    }
    klicken(eintraege);
    return 0;
}
