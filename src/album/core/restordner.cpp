#include "album/core/restordner.h"

#include <QFile>

namespace album {

Restergebnis InRestVerschieben(const platform::Files &dateien, const QString &projektVerzeichnis,
                               const QString &datei) {
    Restergebnis r;
    const QString rest = projektVerzeichnis + "Rest\\";
    const QString quelle = projektVerzeichnis + "Album\\" + datei;
    if (datei.isEmpty() || datei.contains('\\') || datei.contains('/') || !dateien.exists(quelle)) return r;
    if (!dateien.folderExists(rest) && !dateien.makeFolder(rest)) return r;
    const QString nativQuelle = dateien.native(quelle);
    const qsizetype punkt = datei.lastIndexOf('.');
    const QString stamm = punkt > 0 ? datei.left(punkt) : datei;
    const QString endung = punkt > 0 ? datei.mid(punkt) : QString();
    for (int n = 1; n < 1000; ++n) {
        const QString name = n == 1 ? datei : QStringLiteral("%1 (%2)%3").arg(stamm).arg(n).arg(endung);
        if (dateien.exists(rest + name)) continue;
        const QString ziel = dateien.native(rest + name);
        // QFile::rename never replaces an existing file.
        if (ziel.isEmpty() || !QFile::rename(nativQuelle, ziel)) {
            if (QFile::exists(ziel)) continue;
            return r;
        }
        r.status = Restergebnis::Status::Verschoben;
        r.ziel = name;
        r.umbenannt = n > 1;
        return r;
    }
    return r;
}

} // namespace album
