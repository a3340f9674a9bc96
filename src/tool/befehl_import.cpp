#include "tool/befehl_import.h"

#include "authoring/core/importlauf.h"
#include "platform/bitmapheader.h"
#include "tool/werkzeug.h"
#include "tool/werkzeugmodul.h"
#include "tool/werkzeugsperre.h"

#include <QCoreApplication>

namespace {

// The commands module, loaded the first time a picture needs Qt's GUI library.
QFunctionPointer ausModul(const char *funktion) {
    return werkzeugmodul(QCoreApplication::applicationDirPath(), "pagora-tool-befehle", funktion);
}

album::Kleinbildergebnis kleinbild(const platform::Files &dateien, const QString &projektVerzeichnis,
                                   const QString &name) {
    static const auto macher =
        reinterpret_cast<decltype(authoring::Bildwerkzeuge::kleinbild)>(ausModul("pagora_werkzeug_kleinbild"));
    if (macher) return macher(dateien, projektVerzeichnis, name);
    album::Kleinbildergebnis r;
    r.fehler = befehlsmodulFehlt();
    return r;
}

// A Windows bitmap tells its size in its header; only a picture of another kind under
// that name needs Qt's readers.
std::optional<QSize> groesse(const QString &nativePath) {
    if (const auto kopf = platform::bitmapHeaderSize(nativePath)) return kopf;
    static const auto leser =
        reinterpret_cast<decltype(authoring::Bildwerkzeuge::groesse)>(ausModul("pagora_werkzeug_bildgroesse"));
    if (leser) return leser(nativePath);
    klage(befehlsmodulFehlt());
    return std::nullopt;
}

int importieren(projekt::Zustand &z, const Aufruf &a) {
    if ((a.teil != "text" && a.teil != "help") || a.datei.isEmpty()) return Aufruffehler;
    const authoring::Importauftrag auftrag{a.datei, a.teil == "help", true, a.silbentrennung, a.ersetzen};
    const authoring::Importlauf lauf = authoring::TextImportieren(z, auftrag, {kleinbild, groesse}, klage);
    const authoring::Importergebnis &r = lauf.ergebnis;
    using S = authoring::Importlauf::Status;
    switch (lauf.status) {
    case S::TextUnlesbar:
        klage(Werkzeug::tr("Die Textdatei %1 kann nicht gelesen werden.").arg(a.datei));
        return Abgelehnt;
    case S::KeineTextdatei:
        klage(Werkzeug::tr("%1 ist keine gewöhnliche Datei (ein Gerät, eine Pipe oder ein Ordner) und wird nicht "
                           "importiert.")
                  .arg(a.datei));
        return Abgelehnt;
    case S::TextZuGross:
        klage(Werkzeug::tr("Die Textdatei %1 ist größer als 1 GiB und wird nicht importiert.").arg(a.datei));
        return Abgelehnt;
    case S::Fremdzeichen:
        klage(authoring::FremdzeichenMeldung(a.datei, lauf.fremdzeichen, lauf.fremdeStellen));
        klage(Werkzeug::tr("Nichts wurde geschrieben. Mit --ersetzen wird der Text ohne diese Zeichen importiert."));
        return Abgelehnt;
    case S::OhneTrennmuster:
        klage(Werkzeug::tr("Die Trennmuster %1 fehlen (Paket hyphen-de); ohne sie gibt es keine Silbentrennung.")
                  .arg(lauf.datei));
        return Abgelehnt;
    case S::NichtGeschrieben:
    case S::Abgebrochen:
        klage(
            Werkzeug::tr("Die Datei %1 kann nicht geschrieben werden. Seiten und Inhaltsverzeichnis sind unverändert.")
                .arg(lauf.datei));
        return Abgelehnt;
    case S::Fertig: break;
    }
    sag(Werkzeug::tr("%1 Seiten, %2 Einträge im Inhaltsverzeichnis.")
            .arg(r.GeschriebeneSeiten)
            .arg(r.MemoInhalt.size()));
    const QStringList warnungen = authoring::Importwarnungen(lauf, a.datei);
    for (const QString &w : warnungen)
        klage(w);
    return warnungen.isEmpty() ? Erfolg : Abgelehnt;
}

} // namespace

int importAusfuehren(projekt::Zustand &z, const Aufruf &a) {
    // Writing takes the data root from the program and from the other writing commands.
    const auto sperre = werkzeugSperre(z);
    if (!sperre) return Abgelehnt;
    return importieren(z, a);
}
