#include "authoring/core/projektanlage.h"

#include "project/core/projektdateien.h"
#include "project/core/projektort.h"

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

std::optional<QString> ProjektPruefen(const platform::Files &dateien, const Projektauftrag &a) {
    for (const QString &text : {a.programmName, a.ordner}) {
        if (const auto warnung = DateinamenPruefen(text)) return warnung;
    }
    if (a.programmName.trimmed().isEmpty() || a.ordner.trimmed().isEmpty()) {
        return tr("Programmname und Verzeichnis dürfen nicht leer sein.");
    }
    for (const QString &text : {a.programmName, a.ordner}) {
        if (projekt::VorbehaltenerName(text)) {
            return tr("\"%1\" ist der Name einer Datei oder eines Ordners von Pagora selbst und kann kein "
                      "Projekt benennen.")
                .arg(text);
        }
    }
    // The name the drive locator and the settings reader will give the project back.
    if (!projekt::GueltigerProgrammName(a.programmName)) {
        return tr("Ein Programmname darf keinen Punkt, keine Steuerzeichen und keine Leerzeichen am Anfang oder "
                  "Ende enthalten: Programm- und Einstellungsdatei werden sonst nicht wiedergefunden.");
    }
    if (dateien.exists(a.stammVerzeichnis + a.ordner)) {
        return tr("%1 ist eine Datei, kein Verzeichnis.").arg(dateien.native(a.stammVerzeichnis + a.ordner));
    }
    if (!unterDerWurzel(dateien, a.stammVerzeichnis, a.ordner)) {
        return dateinamenWarnung();
    }

    return std::nullopt;
}

Projektergebnis ProjektAnlegen(const platform::Files &dateien, const Projektauftrag &a) {
    using Status = Projektergebnis::Status;
    Projektergebnis r;
    if (const auto warnung = ProjektPruefen(dateien, a)) {
        r.status = Status::Abgelehnt;
        r.meldung = *warnung;
        return r;
    }

    const projekt::Projektort ort{a.stammVerzeichnis, a.programmName, a.ordner + "\\", {}};
    const QString f = ort.ordner();
    for (const QString &ordner : {f, ort.albumOrdner(), f + "Slides\\", ort.seitenOrdner(), f + "Huge\\"})
        dateien.makeFolder(ordner); // an existing folder is fine; a missing one fails the copies

    const Kopie kopien[] = {
        {a.stammVerzeichnis + "Names.exe", ort.albumOrdner() + "Names.exe", false},
        {ort.hilfeOrdner() + "Projekt.dat", a.stammVerzeichnis + a.programmName + ".exe", true},
        {ort.hilfeOrdner() + "default.6", ort.datei(projekt::Seitendatei::HilfeInhalt), false},
        {ort.hilfeOrdner() + "default.7", ort.datei(projekt::Seitendatei::HilfeSeiten), false},
    };
    for (const Kopie &k : kopien) {
        if (!dateien.exists(k.quelle)) {
            r.warnungen
                << tr("Kann Datei %1 nicht erstellen (%2 fehlt)").arg(dateien.native(k.ziel), dateien.native(k.quelle));
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

bool EinstellungenVorhanden(const platform::Files &dateien, const Projektauftrag &a) {
    return dateien.exists(a.stammVerzeichnis + a.programmName + ".ini");
}

bool NeuesProjektEinstellen(projekt::Zustand &z, const Projektauftrag &a, Einstellungsbeginn beginn) {
    const QString pfad = projekt::Projektort::pfadAus(a.ordner.left(projekt::kMaxWertLaenge), a.programmName);
    if (beginn == Einstellungsbeginn::Behalten) {
        if (!projekt::EinstellungsdateiLesen(z, a.stammVerzeichnis + a.programmName)) return false;
        // The file stays as it is, byte for byte, unless it names another folder.
        if (z.ort.pfad.compare(pfad, Qt::CaseInsensitive) == 0) return true;
    } else {
        z.einstellungen = z.Vorgaben;
        z.einstellungen.setzen("Title", a.programmName.left(projekt::kMaxWertLaenge));
        z.einstellungenZuGross = false;
    }
    z.einstellungen.setzen("Path", a.ordner.left(projekt::kMaxWertLaenge));
    z.ortSetzen(projekt::OrtFuer(z, a.stammVerzeichnis, a.programmName, z.einstellungen.wert("Path")));
    // This table is the project's settings file from now on, even where an older one lies.
    z.einstellungsQuelle = z.ort.einstellungsDatei();
    return projekt::IniDateiSchreiben(z);
}

} // namespace authoring
