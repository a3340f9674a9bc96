#include "platform/entwurf.h"

#include "platform/aenderung.h"
#include "platform/files.h"

#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/uio.h>
#include <unistd.h>

namespace platform {

Entwurf::Entwurf(const Files &dateien, const QString &storedPath) {
    const QString ziel = dateien.native(storedPath);
    if (ziel.isEmpty()) return;
    const QFileInfo info(ziel);
    datei_.setFileTemplate(info.absolutePath() + '/' + neuerName(info.fileName()));
    ok_ = datei_.open();
}

namespace {
constexpr qint64 kSchritt = 1 << 20;
constexpr int kHoechstens = 1024; // pieces per call (IOV_MAX)
} // namespace

bool Entwurf::anhaengen(QByteArray stueck) {
    if (!ok_) return false;
    if (stueck.isEmpty()) return true;
    // Bytes the piece only points to (fromRawData) may change before they are written.
    if (!stueck.data_ptr().d_ptr()) stueck = QByteArray(stueck.constData(), stueck.size());
    gesammelt_ += stueck.size();
    stuecke_.push_back(std::move(stueck));
    return gesammelt_ < kSchritt && stuecke_.size() < size_t(kHoechstens) ? true : leeren();
}

bool Entwurf::leeren() {
    size_t naechstes = 0;
    qsizetype versatz = 0; // bytes of stuecke_[naechstes] already written
    while (ok_ && naechstes < stuecke_.size()) {
        iovec teile[kHoechstens];
        int anzahl = 0;
        for (size_t i = naechstes; i < stuecke_.size() && anzahl < kHoechstens; ++i, ++anzahl) {
            const qsizetype ab = i == naechstes ? versatz : 0;
            teile[anzahl] = {const_cast<char *>(stuecke_[i].constData() + ab), size_t(stuecke_[i].size() - ab)};
        }
        const ssize_t n = ::writev(datei_.handle(), teile, anzahl);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok_ = false;
            break;
        }
        geschrieben_ += n;
        for (qsizetype rest = n; rest > 0;) { // a short write goes on where it stopped
            const qsizetype offen = stuecke_[naechstes].size() - versatz;
            if (rest < offen) {
                versatz += rest;
                break;
            }
            rest -= offen;
            ++naechstes;
            versatz = 0;
        }
    }
    stuecke_.clear();
    gesammelt_ = 0;
    // The disk starts on each finished megabyte while the rest is still being made,
    // so that the sync at the end has little left to wait for. Only a hint: the sync
    // alone makes the draft whole on disk.
    if (ok_ && geschrieben_ - angestossen_ >= kSchritt) {
        const qint64 bis = geschrieben_ / kSchritt * kSchritt;
        ::sync_file_range(datei_.handle(), angestossen_, bis - angestossen_, SYNC_FILE_RANGE_WRITE);
        angestossen_ = bis;
    }
    return ok_;
}

QString Entwurf::abschliessen(bool syncen) {
    ok_ = leeren() && datei_.flush() && (!syncen || ::fsync(datei_.handle()) == 0);
    if (ok_ && !syncen) ::sync_file_range(datei_.handle(), 0, 0, SYNC_FILE_RANGE_WRITE);
    if (!ok_) return {};
    datei_.setAutoRemove(false);
    const QString name = datei_.fileName();
    datei_.close();
    ok_ = false; // handed over: nothing more goes in
    return name;
}

} // namespace platform
