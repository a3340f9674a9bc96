#pragma once
// A new file written piece by piece beside the file it is to replace, for output too
// large to hold in memory. Nothing is visible under the target's name until
// Files::writeAll puts the finished draft in place; a draft never handed over is
// removed with this object.
#include <QByteArray>
#include <QString>
#include <QTemporaryFile>
#include <vector>

namespace platform {

class Files;

class Entwurf {
public:
    Entwurf(const Files &dateien, const QString &storedPath);

    bool ok() const { return ok_; }
    // Appends bytes; false (and from then on) when the disk refuses them. The piece is
    // kept, not copied (Qt's shared data), until it goes to the file.
    bool anhaengen(QByteArray stueck);
    // Writes out and syncs the draft and gives up its ownership: the native name of
    // the finished file for Files::Neu::fertig, or empty when it is not whole on disk.
    // Unsynced, the caller syncs the folder's file system once for many drafts
    // (Files::syncFolder) before it hands them on.
    QString abschliessen(bool syncen = true);

private:
    bool leeren();

    QTemporaryFile datei_;
    bool ok_ = false;
    // Pieces (page records) gather here and go to the file a megabyte at a time, in one
    // call and without being copied first: the system takes eleven megabytes in large
    // writes in half the time of 16 KB ones.
    std::vector<QByteArray> stuecke_;
    qint64 gesammelt_ = 0;   // their bytes
    qint64 geschrieben_ = 0; // bytes written to the file
    qint64 angestossen_ = 0; // of them handed to the disk ahead of the sync
};

} // namespace platform
