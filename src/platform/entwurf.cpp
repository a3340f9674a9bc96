#include "platform/entwurf.h"

#include "platform/aenderung.h"
#include "platform/files.h"

#include <QFileInfo>
#include <fcntl.h>
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
} // namespace

bool Entwurf::anhaengen(QByteArrayView bytes) {
    if (!ok_) return false;
    if (puffer_.size() + bytes.size() > kSchritt && !leeren()) return false;
    // A piece as large as the buffer goes to the file as it is.
    if (bytes.size() >= kSchritt) return schreiben(bytes);
    if (puffer_.capacity() < kSchritt) puffer_.reserve(kSchritt);
    puffer_.append(bytes.data(), bytes.size());
    return true;
}

bool Entwurf::leeren() {
    if (puffer_.isEmpty()) return ok_;
    schreiben(puffer_);
    puffer_.resize(0); // the room stays for the next megabyte
    return ok_;
}

bool Entwurf::schreiben(QByteArrayView bytes) {
    ok_ = ok_ && datei_.write(bytes.data(), bytes.size()) == bytes.size() && datei_.flush();
    geschrieben_ += bytes.size();
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
