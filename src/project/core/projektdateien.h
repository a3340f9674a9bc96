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
bool GueltigerProgrammName(const QString &name);

// The write test in the data root: "Test.txt" holding "Test", created and deleted.
bool SchreibTest(const Zustand &z);

// Claims the data root for this instance ("Pagora.lock" there). False when another
// running instance holds it: this one must then save nothing. A lock left by an
// instance that died is taken over.
bool DatenwurzelSperren(Zustand &z);

// Reads the settings file of `name` (which may carry a data root in front,
// "E:\Quarn") into the table, starting from the defaults. False when the file does
// not exist; then the table and ProgrammName keep what they hold. Only the head of
// an oversized file is read: the keys stand in its first lines.
bool EinstellungsdateiLesen(Zustand &z, QString name);

// The page-record files follow the project when it is not the running programme's
// own (a project named by Autor.ini or chosen later): "<root><name>\Pages\<name>.5"
// and ".7". The programme's own project keeps the names the drive locator gave.
void SeitenDateiNamenNachfuehren(Zustand &z);

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

// ProjektVerzeichnis from the data root and ProjektPfad.
void ProjektVerzeichnisSetzen(Zustand &z);

// Deletes the empty mark files "Album\*.txt" of the project.
int LeereKommentareLoeschen(const Zustand &z);

} // namespace projekt
