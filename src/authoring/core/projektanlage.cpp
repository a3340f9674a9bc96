#include "authoring/core/projektanlage.h"

#include "project/core/projektdateien.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace authoring {
namespace {

QString tr(const char *text) {
    return QCoreApplication::translate("Projektanlage", text);
}

QString dateinamenWarnung() {
    return tr("Ein Dateiname darf keines der folgenden Zeichen enthalten: \\ / : * ? \" < > |");
}

// True when the folder lies strictly below the data root once links are followed. The
// folder is one name without separators (the file-name test saw to that), so a folder
// that does not exist yet will lie right below the root.
bool unterDerWurzel(const platform::Files &dateien, const QString &stamm, const QString &ordner) {
    const QString wurzel = QFileInfo(dateien.native(stamm)).canonicalFilePath();
    const QString ziel = dateien.native(stamm + ordner);
    if (wurzel.isEmpty() || ziel.isEmpty()) return false;
    const QFileInfo info(ziel);
    if (!info.exists()) return true;
    return info.canonicalFilePath().startsWith(wurzel + '/');
}

struct Kopie {
    QString quelle;
    QString ziel;
    bool ersetzen;
};

} // namespace

std::optional<QString> DateinamenPruefen(const QString &text) {
    static const QString verboten = QStringLiteral("\\/:*?\"<>|");
    for (const QChar c : text)
        if (verboten.contains(c)) return dateinamenWarnung();
    if (text.contains(QStringLiteral(".."))) return dateinamenWarnung();
    return std::nullopt;
}

Projektergebnis ProjektAnlegen(const platform::Files &dateien, const Projektauftrag &a) {
    using Status = Projektergebnis::Status;
    Projektergebnis r;
    for (const QString &text : {a.programmName, a.ordner}) {
        if (const auto warnung = DateinamenPruefen(text)) {
            r.status = Status::Abgelehnt;
            r.meldung = *warnung;
            return r;
        }
    }
    if (a.programmName.trimmed().isEmpty() || a.ordner.trimmed().isEmpty()) {
        r.status = Status::Abgelehnt;
        r.meldung = tr("Programmname und Verzeichnis dürfen nicht leer sein.");
        return r;
    }
    // The name the drive locator and the settings reader will give the project back.
    if (!projekt::GueltigerProgrammName(a.programmName)) {
        r.status = Status::Abgelehnt;
        r.meldung = tr("Ein Programmname darf keinen Punkt, keine Steuerzeichen und keine Leerzeichen am Anfang oder "
                       "Ende enthalten: Programm- und Einstellungsdatei werden sonst nicht wiedergefunden.");
        return r;
    }
    if (!unterDerWurzel(dateien, a.stammVerzeichnis, a.ordner)) {
        r.status = Status::Abgelehnt;
        r.meldung = dateinamenWarnung();
        return r;
    }

    const QString f = a.stammVerzeichnis + a.ordner + "\\";
    for (const QString &ordner : {f, f + "Album\\", f + "Slides\\", f + "Pages\\", f + "Huge\\"})
        dateien.makeFolder(ordner); // an existing folder is fine; a missing one fails the copies

    const QString seiten = f + "Pages\\" + a.programmName;
    const Kopie kopien[] = {
        {a.stammVerzeichnis + "Names.exe", f + "Album\\Names.exe", false},
        {a.stammVerzeichnis + "Help\\Projekt.dat", a.stammVerzeichnis + a.programmName + ".exe", true},
        {a.stammVerzeichnis + "Help\\default.6", seiten + ".6", false},
        {a.stammVerzeichnis + "Help\\default.7", seiten + ".7", false},
    };
    for (const Kopie &k : kopien) {
        if (!dateien.exists(k.quelle)) {
            r.warnungen << tr("Kann Datei %1 nicht erstellen (%2 fehlt)").arg(k.ziel, k.quelle);
            continue;
        }
        if (!k.ersetzen && dateien.exists(k.ziel)) continue;
        if (!dateien.copy(k.quelle, k.ziel)) {
            r.status = Status::Fehler;
            r.meldung = tr("Die Datei %1 kann nicht nach %2 kopiert werden. Das Projekt wurde nicht fertig angelegt.")
                            .arg(k.quelle, k.ziel);
            return r;
        }
    }
    return r;
}

void NeuesProjektEinstellen(projekt::Zustand &z, const QString &programmName, const QString &ordner) {
    z.einstellungen = z.Vorgaben;
    z.ProgrammName = programmName;
    z.einstellungen.setzen("Title", programmName.left(projekt::kMaxWertLaenge));
    z.einstellungen.setzen("Path", ordner.left(projekt::kMaxWertLaenge));
    z.ProjektVerzeichnis = z.StammVerzeichnis + ordner + "\\";
    // This table is the project's settings file from now on, even where an older one lies.
    z.einstellungsQuelle = z.StammVerzeichnis + programmName + ".ini";
    projekt::SeitenDateiNamenNachfuehren(z);
}

} // namespace authoring
