#include "platform/folderindex.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace platform {

QString FolderIndex::find(const QString &folder, const QString &name) {
    struct stat st;
    if (::stat(QFile::encodeName(folder).constData(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        folders_.remove(folder);
        return {};
    }
    Listing &listing = folders_[folder];
    if (listing.seconds != st.st_mtim.tv_sec || listing.nanoseconds != st.st_mtim.tv_nsec) {
        listing.seconds = st.st_mtim.tv_sec;
        listing.nanoseconds = st.st_mtim.tv_nsec;
        listing.byFoldedName.clear();
        const QStringList entries =
            QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString &e : entries) {
            const QString key = e.toCaseFolded();
            if (!listing.byFoldedName.contains(key)) listing.byFoldedName.insert(key, e);
        }
    }
    return listing.byFoldedName.value(name.toCaseFolded());
}

} // namespace platform
