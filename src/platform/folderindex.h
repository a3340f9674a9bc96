#pragma once
// Names in a folder looked up ignoring letter case, with one listing per folder: the
// listing is kept until the folder's modification time changes, so a lookup of a
// name that is not there costs a status call, not a listing.
#include <QHash>
#include <QString>

namespace platform {

class FolderIndex {
public:
    // The entry of `folder` (native, ending in "/") whose name equals `name` ignoring
    // case, the first in name order when several do; empty when none does.
    QString find(const QString &folder, const QString &name);
    // Drops what is known of a folder the program has just changed.
    void forget(const QString &folder) { folders_.remove(folder); }

private:
    struct Listing {
        qint64 seconds = -1;
        qint64 nanoseconds = -1;
        QHash<QString, QString> byFoldedName;
    };
    QHash<QString, Listing> folders_;
};

} // namespace platform
