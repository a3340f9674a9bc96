#include "tool/werkzeugsperre.h"

#include "project/core/projektdateien.h"
#include "tool/aufruf.h"
#include "tool/werkzeug.h"

std::unique_ptr<platform::Sperrdatei> werkzeugSperre(const projekt::Zustand &z) {
    const QString datei = z.dateien.native(z.ort.stamm + "Pagora.lock");
    auto sperre = platform::Sperrdatei::nehmen(datei);
    if (!sperre) {
        klage(Werkzeug::tr("Pagora oder ein anderer Aufruf von pagora-tool schreibt gerade in %1 (%2 ist gesperrt). "
                           "Bitte schließen Sie Pagora und versuchen Sie es noch einmal.")
                  .arg(z.dateien.native(z.ort.stamm), datei));
        return nullptr;
    }
    const auto w = projekt::AenderungenVollenden(z);
    if (w.vollendet)
        klage(Werkzeug::tr("Eine unterbrochene Änderung in %1 wurde zu Ende geführt.").arg(z.ort.ordner()));
    return sperre;
}
