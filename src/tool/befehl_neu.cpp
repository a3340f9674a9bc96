#include "tool/befehl_neu.h"

#include "authoring/core/projektanlage.h"
#include "project/core/exelaufwerk.h"
#include "project/core/projektdateien.h"
#include "tool/werkzeug.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

namespace {

enum Ausgang { Erfolg = 0, Abgelehnt = 1, Aufruffehler = 2 };

const char *kHilfeNeu = QT_TRANSLATE_NOOP(
    "Werkzeug", "Aufruf: pagora-tool [--root ORDNER] neu NAME VERZEICHNIS\n"
                "Legt ein neues Projekt an wie \"Neues Projekt\" im Fenster Bearbeitung: das Verzeichnis mit\n"
                "Album, Slides, Pages und Huge, die Programmdatei NAME.exe, die Standardhilfe und NAME.ini mit\n"
                "Titel und Pfad. Ohne --root ist die Datenwurzel der Ordner von pagora-tool.\n"
                "Vorhandene Seiten, Bilderliste und Bilder bleiben erhalten; nur die Programmdatei wird ersetzt.\n"
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
    for (qsizetype i = 1; i < argumente.size(); ++i) {
        const QString &x = argumente[i];
        if (x == "--root" && i + 1 < argumente.size())
            wurzel = argumente[++i];
        else if (x == "--help" || x == "-h")
            hilfe = true;
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
    z.StammVerzeichnis = lw.stammVerzeichnis;
    z.HilfeVerzeichnis = z.StammVerzeichnis + "Help\\";
    z.Vorgaben = z.einstellungen;

    const auto r = authoring::ProjektAnlegen(z.dateien, {z.StammVerzeichnis, name, ordner});
    for (const QString &w : r.warnungen)
        klage(w);
    if (r.status != authoring::Projektergebnis::Status::Fertig) {
        klage(r.meldung);
        return Abgelehnt;
    }
    authoring::NeuesProjektEinstellen(z, name, ordner);
    if (!projekt::IniDateiSchreiben(z)) {
        klage(
            Werkzeug::tr("Die Einstellungsdatei %1.ini kann nicht geschrieben werden.").arg(z.StammVerzeichnis + name));
        return Abgelehnt;
    }
    sag(Werkzeug::tr("Projekt %1 im Verzeichnis %2 angelegt.").arg(name, z.ProjektVerzeichnis));
    return r.warnungen.isEmpty() ? Erfolg : Abgelehnt;
}
