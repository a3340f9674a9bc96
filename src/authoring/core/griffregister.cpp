#include "authoring/core/griffregister.h"

#include "book/core/ziffernwert.h"

namespace authoring {

namespace {

QString schluessel(const char *art, int k) {
    return QLatin1String(art) + QString::number(k + 1);
}

int basis(Buchteil teil) {
    switch (teil) {
    case Buchteil::Bilder: return 1000;
    case Buchteil::Hilfe: return 2000;
    default: return 0;
    }
}

} // namespace

Buchteil TeilDerSeite(int seite, Buchteil bisher) {
    if (seite >= 0 && seite <= 999) return Buchteil::Text;
    if (seite >= 1000 && seite <= 1999) return Buchteil::Bilder;
    if (seite >= 2000 && seite <= 2999) return Buchteil::Hilfe;
    return bisher;
}

Griffziel Griffdaten(const Griffzeile &zeile) {
    if (zeile.teil == Buchteil::Keiner) return {};
    bool zahl = false;
    const int seite = zeile.seite.trimmed().toInt(&zahl);
    // A page outside 0..999 would lead into the neighbouring part.
    return {zeile.text, basis(zeile.teil) + (zahl ? qBound(0, seite, 999) : 0)};
}

std::array<Griffzeile, kGriffAnzahl> GriffzeilenLesen(const projekt::Einstellungen &e,
                                                      const std::array<Buchteil, kGriffAnzahl> &bisher) {
    std::array<Griffzeile, kGriffAnzahl> zeilen;
    for (int k = 0; k < kGriffAnzahl; ++k) {
        const int ziel = book::ZiffernWert(e.wert(schluessel("Mark", k)));
        Griffzeile &z = zeilen[size_t(k)];
        z.text = e.wert(schluessel("Sheet", k));
        z.seite = QString::number(ziel % 1000);
        z.teil = TeilDerSeite(ziel, bisher[size_t(k)]);
    }
    return zeilen;
}

void GriffeEintragen(projekt::Einstellungen &e, const std::array<Griffzeile, kGriffAnzahl> &zeilen) {
    for (int k = 0; k < kGriffAnzahl; ++k) {
        const Griffziel ziel = Griffdaten(zeilen[size_t(k)]);
        e.setzen(schluessel("Sheet", k), ziel.text);
        if (!e.wert(schluessel("Sheet", k)).isEmpty()) e.setzen(schluessel("Mark", k), QString::number(ziel.seite));
    }
}

} // namespace authoring
