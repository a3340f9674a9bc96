#pragma once
// The user's own data root, made on the first start from the installed one, which is
// read-only: the programme files become links to the installed program, the bitmaps and
// Help/Projekt.dat links to the installed files, and everything else a copy the user may
// change. A folder is a data root when it holds names.exe.
//
// A root is made whole or not at all. A missing root is assembled in a hidden folder
// beside it (".pagora-neu.XXXXXX") and renamed into place; an empty folder the user
// named keeps its identity (a mount point, a link's target, the working folder): the
// root is assembled in a hidden folder inside it and its entries are moved out,
// names.exe last. Every copy is checked, and every failure removes what was made.
// Nothing is written outside the root's parent folder, apart from making missing
// folders above it. First starts on one parent folder take turns (flock on it), so a
// second start waits and then uses the root the first one made.
#include <QString>
#include <csignal>

namespace launcher {

struct Installation {
    QString daten;    // the installed data root, read-only, with links resolved
    QString programm; // the installed program, with links resolved
};

struct Bereitstellung {
    enum class Ausgang { Bereit, Fehler, Abgebrochen };
    Ausgang ausgang = Ausgang::Fehler;
    QString wurzel;  // the data root with links resolved, when ready
    QString meldung; // why not, when failed
};

// Makes `gewaehlt` (absolute, or relative to the working folder) a data root when it is
// missing or an empty folder; a root is used as it is. A signal handler sets `abbruch`:
// the first start then stops and removes what it made.
Bereitstellung bereitstellen(const QString &gewaehlt, const Installation &installation,
                             const volatile std::sig_atomic_t *abbruch);

} // namespace launcher
