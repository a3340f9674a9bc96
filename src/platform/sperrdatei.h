#pragma once
// A lock file that marks a folder as taken by this process. The lock is the system's
// (flock), not the file's contents: it ends with its process however that ends, so no
// lock outlives its owner and none needs to be written to disk or judged stale.
#include <QString>
#include <memory>

namespace platform {

class Sperrdatei {
public:
    // The lock at `nativePath`, or nothing when another process or another lock of this
    // one holds it, or the file cannot be made.
    static std::unique_ptr<Sperrdatei> nehmen(const QString &nativePath);
    ~Sperrdatei(); // gives the lock up and removes the file

    Sperrdatei(const Sperrdatei &) = delete;
    Sperrdatei &operator=(const Sperrdatei &) = delete;

private:
    Sperrdatei(int fd, QByteArray pfad) : fd_(fd), pfad_(std::move(pfad)) {}
    int fd_;
    QByteArray pfad_;
};

} // namespace platform
