#include "tool/befehl_neu.h"

#include "authoring/core/projektanlage.h"
#include "project/core/exelaufwerk.h"
#include "project/core/projektdateien.h"
#include "tool/werkzeug.h"
#include "tool/werkzeugsperre.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <optional>

namespace {

enum Ausgang { Erfolg = 0, Abgelehnt = 1, Aufruffehler = 2 };

const char *kHilfeNeu = QT_TRANSLATE_NOOP(
    "Werkzeug", "Aufruf: pagora-tool [--root ORDNER] neu [--behalten|--zuruecksetzen] NAME VERZEICHNIS\n"
                "Legt ein neues Projekt an wie \"Neues Projekt\" im Fenster Bearbeitung: das Verzeichnis mit\n"
                "Album, Slides, Pages und Huge, die Programmdatei NAME.exe, die Standardhilfe und NAME.ini mit\n"
                "Titel und Pfad. Ohne --root ist die Datenwurzel der Ordner von pagora-tool.\n"
                "Vorhandene Seiten, Bilderliste und Bilder bleiben erhalten; nur die Programmdatei wird ersetzt.\n"
                "Gibt es NAME.ini schon, lehnt neu ab, außer mit --behalten (Einstellungen bleiben, nur der Pfad\n"
                "wird VERZEICHNIS) oder --zuruecksetzen (Einstellungen beginnen neu mit Titel und Pfad).\n"
                "Rückgabe 1 auch, wenn eine Vorlage fehlte: das Projekt ist dann angelegt, aber unvollständig.\n");

void sag(const QString &text) {
    std::fputs(qPrintable(text + '\n'), stdout);
}
void klage(const QString &text) {
    std::fputs(qPrintable(text + '\n'), stderr);
}

} // namespace

std::optional<int> befehlNeu(const QStringList &argumente) {
    QString wurzel;
    QStringList rest;
    bool hilfe = false;
    std::optional<authoring::Einstellungsbeginn> beginn;
    for (qsizetype i = 1; i < argumente.size(); ++i) {
        const QString &x = argumente[i];
        if (x == "--root" && i + 1 < argumente.size())
            wurzel = argumente[++i];
        else if (x == "--help" || x == "-h")
            hilfe = true;
        else if (x == "--behalten" && !beginn)
            beginn = authoring::Einstellungsbeginn::Behalten;
        else if (x == "--zuruecksetzen" && !beginn)
            beginn = authoring::Einstellungsbeginn::Neu;
        else
            rest << x;
    }
    if (rest.isEmpty() || rest.first() != "neu") return std::nullopt;
    if (hilfe) {
        sag(Werkzeug::tr(kHilfeNeu));
        return Erfolg;
    }
    if (rest.size() != 3 || rest.mid(1).join(QString()).startsWith("--")) {
        klage(Werkzeug::tr(kHilfeNeu));
        return Aufruffehler;
    }
    const QString name = rest[1];
    const QString ordner = rest[2];

    projekt::Zustand z;
    if (wurzel.isEmpty()) wurzel = QCoreApplication::applicationDirPath();
    z.programmDatei = z.dateien.stored(QDir(wurzel).absolutePath() + "/pagora-tool");
    const auto lw = projekt::ExeLaufwerk(z.dateien, z.programmDatei);
    if (lw.status != projekt::Laufwerksergebnis::Status::Gefunden) {
        klage(Werkzeug::tr("Keine Pagora-Datenwurzel: \"names.exe\" fehlt in %1.").arg(wurzel));
        return Abgelehnt;
    }
    z.programmOrt = lw.ort;
    z.ortSetzen(lw.ort);
    z.Vorgaben = z.einstellungen;

    const authoring::Projektauftrag auftrag{lw.ort.stamm, name, ordner};
    const bool vorhanden =
        projekt::GueltigerProgrammName(name) && authoring::EinstellungenVorhanden(z.dateien, auftrag);
    if (vorhanden && !beginn) {
        klage(Werkzeug::tr("Das Projekt %1 gibt es schon: %1.ini bliebe nicht, wie sie ist. --behalten legt es neu an "
                           "und behält seine Einstellungen, --zuruecksetzen beginnt sie neu.")
                  .arg(name));
        return Abgelehnt;
    }
    const auto sperre = werkzeugSperre(z);
    if (!sperre) return Abgelehnt;
    const auto r = authoring::ProjektAnlegen(z.dateien, auftrag);
    for (const QString &w : r.warnungen)
        klage(w);
    if (r.status != authoring::Projektergebnis::Status::Fertig) {
        klage(r.meldung);
        return Abgelehnt;
    }
    if (!authoring::NeuesProjektEinstellen(z, auftrag, vorhanden ? *beginn : authoring::Einstellungsbeginn::Neu)) {
        klage(Werkzeug::tr("Die Einstellungsdatei %1 kann nicht gelesen oder geschrieben werden.")
                  .arg(z.dateien.native(auftrag.stammVerzeichnis + name + ".ini")));
        return Abgelehnt;
    }
    sag(Werkzeug::tr("Projekt %1 im Verzeichnis %2 angelegt.").arg(name, z.dateien.native(z.ProjektVerzeichnis)));
    return r.warnungen.isEmpty() ? Erfolg : Abgelehnt;
}
