#pragma once
// A change of several files in one folder that a crash cannot split. The new files are
// first written whole beside their targets; then a journal in the folder names each new
// file and its target, and only then are they renamed into place. Whoever next opens
// the folder to write (the program at its start, the tool before a writing command)
// finishes a change whose journal is there, and removes the new files of writes that
// never got that far: the folder holds the old files or the new ones, never a mix.
#include <QString>
#include <QStringList>

namespace platform {

// How every file written beside its target ends until it takes the target's place.
inline constexpr char kNeuEndung[] = ".pagora-neu";
// The pattern of the new file written beside `ziel` (a file name) for QTemporaryFile:
// hidden, and short enough for any file system however long the target's name is.
QString neuerName(const QString &ziel);
// The journal of a change under way, in the folder of its files.
inline constexpr char kJournalName[] = ".pagora-journal";

// Puts finished new files (native paths, each beside its target in one folder) in
// place as one change. -1 on success. Else the index of the file that failed: before
// the journal stands, every new file is removed and nothing changed; after it, the
// journal stays and the next recovery finishes the change.
int aenderungAusfuehren(const QStringList &neue, const QStringList &ziele);

struct Wiederherstellung {
    bool vollendet = false; // an interrupted change was finished
    int entfernt = 0;       // new files of writes that never took their place
    bool fehler = false;    // the change could not be finished (the journal stays)
};
// Finishes the folder's interrupted change and removes what unfinished writes left.
// Only for a process that holds the data root's lock.
Wiederherstellung aenderungVollenden(const QString &nativeFolder);

// The journal and new files a recovery would find in the folder, by name.
QStringList aenderungsReste(const QString &nativeFolder);

} // namespace platform
