#include "platform/inputfile.h"

#include <QFile>
#include <sys/stat.h>

namespace platform {

InputCheck checkInput(const QString &nativePath, qint64 maxBytes) {
    struct stat st {};
    if (nativePath.isEmpty() || ::stat(QFile::encodeName(nativePath).constData(), &st) != 0) return InputCheck::Missing;
    if (!S_ISREG(st.st_mode)) return InputCheck::NotAFile;
    if (qint64(st.st_size) > maxBytes) return InputCheck::TooLarge;
    return InputCheck::Ok;
}

} // namespace platform
