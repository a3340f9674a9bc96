#pragma once
// File access by stored path ("C:\root\Quarn\Pages\Quarn.1"). Names are looked up
// ignoring letter case, component by component, as the program's data was made on a
// file system that ignores case. Every write replaces its file atomically.
#include "platform/aenderung.h"
#include "platform/drivemap.h"
#include "platform/folderindex.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

namespace platform {

class Files {
public:
    explicit Files(DriveMap drives = DriveMap::system());

    const DriveMap &drives() const { return drives_; }

    // Native path of a stored path; existing components are matched ignoring case,
    // missing ones are kept as written. Empty for an unmapped drive or a path that
    // climbs out of its drive with "..".
    QString native(const QString &storedPath) const;
    // The stored form of a native absolute path.
    QString stored(const QString &nativePath) const { return drives_.toDrivePath(nativePath); }

    bool exists(const QString &storedPath) const; // a file, not a folder
    bool folderExists(const QString &storedPath) const;
    qint64 size(const QString &storedPath) const; // -1 when missing
    // Whole file, at most maxBytes; false when missing, unreadable or larger.
    bool read(const QString &storedPath, QByteArray *out, qint64 maxBytes = 64 << 20) const;
    // The first maxBytes of a file (all of a smaller one); false when missing or
    // unreadable. `abgeschnitten` tells whether the file goes on beyond them.
    bool readHead(const QString &storedPath, QByteArray *out, qint64 maxBytes, bool *abgeschnitten) const;
    // Replaces the file atomically: on failure the old file stays whole. A symbolic
    // link in the file's place is replaced itself; its target is never written.
    bool write(const QString &storedPath, const QByteArray &bytes) const;
    // The same, but the new file is not synced to disk before it takes the old one's
    // place: for runs that write many files and then call syncFolder once. Readers
    // still see the old file or the new one whole, never a part.
    bool writeUnsynced(const QString &storedPath, const QByteArray &bytes) const;
    // Puts on disk everything written to the file system that holds the folder.
    bool syncFolder(const QString &storedFolder) const;
    // Replaces several files in one folder as one change (platform/aenderung.h): all of
    // them or none, also across a crash. Returns -1 on success, else the index of the
    // file whose new content could not be written or put in place; every file then
    // keeps its old content, or the next recovery puts all new ones in place.
    struct Neu {
        QString storedPath;
        QByteArray bytes;
        // Instead of `bytes`: the native name of a finished draft beside the target
        // (Entwurf::abschliessen). It is moved in place, or removed when the write fails.
        QString fertig = {};
    };
    int writeAll(const QList<Neu> &dateien) const;
    // Finishes an interrupted change in the folder and removes what unfinished writes
    // left (only under the data root's lock); reste() names them without touching them.
    using Wiederherstellung = platform::Wiederherstellung;
    Wiederherstellung vollenden(const QString &storedFolder) const;
    QStringList reste(const QString &storedFolder) const;
    bool remove(const QString &storedPath) const;
    bool makeFolder(const QString &storedPath) const;
    // Copies the bytes atomically and the permissions after them.
    bool copy(const QString &fromStored, const QString &toStored) const;
    // Names (not paths) of the files in a folder matching a wildcard such as "*.txt",
    // ignoring case, sorted.
    QStringList list(const QString &storedFolder, const QString &wildcard) const;

private:
    int ersetzen(const QList<Neu> &dateien, bool syncen) const;

    DriveMap drives_;
    // Shared by copies: they look at the same folders.
    std::shared_ptr<FolderIndex> index_ = std::make_shared<FolderIndex>();
};

// Text lines of a Windows-1252 file; CR LF, bare LF and bare CR all end a line.
QStringList splitLines(const QByteArray &bytes);
// Lines joined with CR LF after each line, in Windows-1252.
QByteArray joinLines(const QStringList &lines);

} // namespace platform
