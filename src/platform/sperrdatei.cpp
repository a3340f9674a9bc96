#include "platform/sperrdatei.h"

#include <QFile>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

std::unique_ptr<Sperrdatei> Sperrdatei::nehmen(const QString &nativePath) {
    const QByteArray pfad = QFile::encodeName(nativePath);
    // The owner before may remove the file between its opening here and the lock: a
    // lock on a file no longer under the name locks nothing, and is taken again.
    for (int versuch = 0; versuch < 5; ++versuch) {
        const int fd = ::open(pfad.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0) return nullptr;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            return nullptr;
        }
        struct stat offen {
        }, benannt{};
        if (::fstat(fd, &offen) == 0 && ::stat(pfad.constData(), &benannt) == 0 && offen.st_dev == benannt.st_dev &&
            offen.st_ino == benannt.st_ino)
            return std::unique_ptr<Sperrdatei>(new Sperrdatei(fd, pfad));
        ::close(fd);
    }
    return nullptr;
}

Sperrdatei::~Sperrdatei() {
    // Removed while still held, so that nobody takes the lock on a file about to go.
    ::unlink(pfad_.constData());
    ::close(fd_);
}

} // namespace platform
