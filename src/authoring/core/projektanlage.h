#pragma once
// A new project: the test of the names an author types, the folders and copies that
// make the project on disk, and the settings it starts with. The authoring window and
// `pagora-tool neu` both go through these functions.
#include "platform/files.h"
#include "project/core/zustand.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace authoring {

// The file-name test of one typed text: the warning to show, or none when it passes.
// Besides the characters \ / : * ? " < > |, a text holding ".." is refused with the
// same warning, as it would climb out of the data root.
std::optional<QString> DateinamenPruefen(const QString &text);

struct Projektauftrag {
    QString stammVerzeichnis; // data root, with trailing "\"
    QString programmName;
    QString ordner; // project folder as typed, below the data root
};

struct Projektergebnis {
    enum class Status { Fertig, Abgelehnt, Fehler };
    Status status = Status::Fertig;
    // Warnings on the way (a missing source), in the order they arose; creation went on.
    QStringList warnungen;
    // Abgelehnt: the file-name warning. Fehler: the failure that stopped the creation.
    QString meldung;
};

// Makes the project's folders and files in their order: the folder, Album, Slides,
// Pages and Huge, Album\Names.exe, the programme file <name>.exe in the data root
// (always replaced), then Pages\<name>.6 and .7 from the help templates. Present files
// other than the programme file are kept. Refuses a name or folder that fails the
// file-name test, an empty one, a name or folder of the program's own files, a folder
// that is a file, and a folder that does not lie below the data root.
Projektergebnis ProjektAnlegen(const platform::Files &dateien, const Projektauftrag &auftrag);
// The same refusals without making anything: the warning, or nothing when the name and
// folder may be made. The window asks it at the first OK already.
std::optional<QString> ProjektPruefen(const platform::Files &dateien, const Projektauftrag &auftrag);

// True when the project already has a settings file, which making it again would
// either keep or start over.
bool EinstellungenVorhanden(const platform::Files &dateien, const Projektauftrag &auftrag);

enum class Einstellungsbeginn {
    Neu,      // the defaults with Title and Path: a project starts over
    Behalten, // the project's own settings file, with Path set to the folder given
};

// Makes the new project the open one and writes its settings file, so that it can be
// chosen again at once. `Neu`: the defaults with Title and Path (each cut to 200
// characters). `Behalten`: the settings file as it is, rewritten only when its Path
// names another folder. False when the settings could not be read or written.
bool NeuesProjektEinstellen(projekt::Zustand &z, const Projektauftrag &auftrag, Einstellungsbeginn beginn);

} // namespace authoring
