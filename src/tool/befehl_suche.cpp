#include "tool/befehl_suche.h"

#include "book/core/seitenformat.h"
#include "platform/cp1252.h"
#include "platform/recordfile.h"
#include "search/core/falten.h"
#include "search/core/suche.h"
#include "tool/werkzeug.h"

int befehlSuche(const projekt::Zustand &z, const QString &teil, const QString &begriff,
                const std::function<void(const QString &)> &zeile, const std::function<void(const QString &)> &klage) {
    if ((teil != "text" && teil != "help" && teil != "album") || begriff.isEmpty()) return 2;
    constexpr bool tolerant = true;
    const QString gefaltet = search::Falten(begriff, tolerant);
    int treffer = 0;
    if (teil == "album") {
        for (const search::Albumfund &f :
             search::BilderDurchsuchen(z.dateien, z.ProjektVerzeichnis, gefaltet, tolerant)) {
            zeile(f.bild + ": " + f.kommentar.trimmed());
            ++treffer;
        }
        return treffer > 0 ? 0 : 1;
    }
    const QString datei = teil == "help" ? z.HilfeSeitenDateiName : z.TextSeitenDateiName;
    platform::RecordFile seiten;
    if (!seiten.open(z.dateien.native(datei), book::kSeitensatzGroesse)) {
        klage(Werkzeug::tr("Die Seitendatei %1 kann nicht gelesen werden.").arg(datei));
        return 1;
    }
    // Each search reads on from the record after the last hit: one hit per page, its
    // last matching line.
    const search::Seitensuche suche(gefaltet, tolerant);
    while (const auto fund = suche.weiter(seiten)) {
        QByteArray text = fund->text;
        while (text.endsWith(' '))
            text.chop(1);
        zeile(QLatin1String("Seite ") + QString::number(fund->position) + QLatin1String(", Zeile ") +
              QString::number(fund->zeile) + QLatin1String(": ") + platform::fromCp1252(text));
        ++treffer;
    }
    return treffer > 0 ? 0 : 1;
}
