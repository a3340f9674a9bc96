#include "authoring/views/einstellungenspeichern.h"

#include "authoring/views/bearbeitungskontext.h"
#include "project/core/projektdateien.h"

#include <QCoreApplication>

namespace authoring {

bool EinstellungenSpeichern(Bearbeitungskontext &kontext) {
    const projekt::Zustand &z = kontext.zustand();
    if (z.NurLesen) return false;
    if (projekt::IniDateiSchreiben(z)) return true;
    const QString datei = z.dateien.native(z.StammVerzeichnis + z.ProgrammName + ".ini");
    kontext.meldungen().zeigen(platform::Meldungen::Art::Fehler,
                               QCoreApplication::translate("authoring::TBearbeitung",
                                                           "Die Einstellungen können nicht in %1 gespeichert werden.")
                                   .arg(datei));
    return false;
}

} // namespace authoring
