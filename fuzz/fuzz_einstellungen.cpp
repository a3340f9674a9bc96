// Any bytes as a settings file: reading never crashes or hangs, every value stays
// within 200 characters, and what is written reads back to the same table.
#include "project/core/einstellungen.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray datei(reinterpret_cast<const char *>(data), qsizetype(size));
    const projekt::Einstellungen vorgaben;
    projekt::Einstellungen e;
    e.lesen(datei);
    for (int i = 0; i < projekt::kEinstellungsAnzahl; ++i)
        if (e[i].wert.size() > projekt::kMaxWertLaenge) std::abort();
    const QByteArray geschrieben = e.schreiben(vorgaben);
    projekt::Einstellungen wieder;
    wieder.lesen(geschrieben);
    // Values holding a line break cannot come from a file; all others must survive.
    if (!(wieder == e)) std::abort();
    if (wieder.schreiben(vorgaben) != geschrieben) std::abort();
    return 0;
}
