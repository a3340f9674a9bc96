#include "platform/inputfile.h"

#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace platform {

InputCheck checkInput(const QString &nativePath, qint64 maxBytes) {
    // The program's own pictures built into it (Qt resources, ":/...") lie in memory.
    if (nativePath.startsWith(':')) {
        const QFileInfo eigen(nativePath);
        return !eigen.exists() ? InputCheck::Missing : eigen.size() > maxBytes ? InputCheck::TooLarge : InputCheck::Ok;
    }
    struct stat st {};
    if (nativePath.isEmpty() || ::stat(QFile::encodeName(nativePath).constData(), &st) != 0) return InputCheck::Missing;
    if (!S_ISREG(st.st_mode)) return InputCheck::NotAFile;
    if (qint64(st.st_size) > maxBytes) return InputCheck::TooLarge;
    return InputCheck::Ok;
}

} // namespace platform
