#pragma once
// The file side of a project's settings: reading and writing `<ProgrammName>.ini`
// and `Autor.ini`, the write test, opening the page files, and tidying up at exit.
// What the settings mean on screen is applied by the main window.
#include "project/core/zustand.h"

#include <optional>

namespace projekt {

// A programme name the program itself could have made: what the drive locator reads
// back from "<name>.exe" unchanged (no "."), and safe as a file name stem (none of
// \ / : * ? " < > |, no control characters, no blank at either end, not empty).
// A reserved name (VorbehaltenerName) is none either.
bool GueltigerProgrammName(const QString &name);

// A name of the program's own files in the data root ("names", "Autor", "Help", the
// tool and its module), compared ignoring case: no project may take it, as its
// programme file, settings or folder would replace or mix with them.
bool VorbehaltenerName(const QString &name);

// The write test in the data root: "Test.txt" holding "Test", created and deleted.
bool SchreibTest(const Zustand &z);

// Claims the data root for this instance ("Pagora.lock" there). False when another
// running instance holds it: this one must then save nothing. A lock left by an
// instance that died is taken over.
bool DatenwurzelSperren(Zustand &z);

// The largest settings file read: its keys may stand anywhere in it. A larger one is
// read as far as this and never rewritten (Zustand::einstellungenZuGross).
constexpr qint64 kMaxEinstellungsdatei = qint64(64) << 20;

// The place of the project `name` on `stamm` whose settings say `pfad`: the page files
// beside the programme where it is the programme's own project on a CD.
Projektort OrtFuer(const Zustand &z, const QString &stamm, const QString &name, const QString &pfad);

// Reads the settings file of `name` (which may carry a data root in front,
// "E:\Quarn") into the table, starting from the defaults, and moves the project's
// place there. False when the file does not exist or cannot be read; then nothing
// changes.
bool EinstellungsdateiLesen(Zustand &z, QString name);

// Writes the settings file when the write test succeeds. An existing file is
// replaced only when the table was read from it (or made for it on purpose, see
// Zustand::einstellungsQuelle): a file that could not be read is never overwritten
// with a table that did not come from it. False when nothing was written or the
// replacement failed; the old file then stays whole.
bool IniDateiSchreiben(const Zustand &z);

// Writes `Autor.ini` into `eigeneWurzel` (the programme's own data root). When the
// current data root fails the write test, ProgrammName takes that root in front.
bool AutorIniSchreiben(Zustand &z, const QString &eigeneWurzel);

// The project name `Autor.ini` names, or no value when the file is missing or its
// first line is no programme name (with or without a data root in front).
std::optional<QString> AutorIniLesen(const Zustand &z);

// (Re)opens the help and reading-part page files and counts their records.
void SeitenDateienOeffnen(Zustand &z);

// Finishes a change of several files that a crash interrupted in the project and
// removes what unfinished writes left (in the data root, the project folder, its Pages
// and Album). Only for the holder of the data root's lock.
platform::Wiederherstellung AenderungenVollenden(const Zustand &z);
// What such a recovery would find, as stored paths, without touching it.
QStringList AenderungsReste(const Zustand &z);

// Deletes the empty mark files "Album\*.txt" of the project.
int LeereKommentareLoeschen(const Zustand &z);

} // namespace projekt
