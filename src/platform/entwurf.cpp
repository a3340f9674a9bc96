#include "platform/entwurf.h"

#include "platform/files.h"

#include <QFileInfo>
#include <unistd.h>

namespace platform {

Entwurf::Entwurf(const Files &dateien, const QString &storedPath) {
    const QString ziel = dateien.native(storedPath);
    if (ziel.isEmpty()) return;
    const QFileInfo info(ziel);
    datei_.setFileTemplate(info.absolutePath() + "/." + info.fileName() + ".XXXXXX");
    ok_ = datei_.open();
}

bool Entwurf::anhaengen(QByteArrayView bytes) {
    ok_ = ok_ && datei_.write(bytes.data(), bytes.size()) == bytes.size();
    return ok_;
}

QString Entwurf::abschliessen() {
    ok_ = ok_ && datei_.flush() && ::fsync(datei_.handle()) == 0;
    if (!ok_) return {};
    datei_.setAutoRemove(false);
    const QString name = datei_.fileName();
    datei_.close();
    ok_ = false; // handed over: nothing more goes in
    return name;
}

} // namespace platform
