// Any bytes as album input: as a picture list (every heading becomes contents lines
// that fit their width and end in the album page) and as a bitmap file that the
// thumbnail sampler reads (no crash, no hang, samples of the promised size or none).
#include "album/core/bilderliste.h"
#include "album/core/kleinbild.h"
#include "album/core/punktproben.h"
#include "authoring/core/albumproduktion.h"
#include "platform/bitmapfile.h"
#include "platform/cp1252.h"
#include "platform/files.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    static const platform::ByteWidths masse(6.0);

    const QStringList liste = platform::splitLines(bytes.left(4096));
    for (qsizetype i = 0; i < liste.size(); ++i) {
        QString rest, name;
        album::ListenzeileZerlegen(liste[i], &rest, &name);
        if (!liste[i].startsWith(":I:")) continue;
        QStringList memo;
        authoring::InhaltAlbum(memo, liste[i], int(i / 8 + 1), masse);
        if (memo.isEmpty() || !memo.last().endsWith(QString::number(i / 8 + 1))) std::abort();
    }

    static QTemporaryDir ordner;
    const QString datei = ordner.path() + "/bild.bmp";
    QFile f(datei);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    f.write(bytes);
    f.close();
    const int d = size ? data[0] % 16 + 1 : 1;
    const auto masseBild = platform::bitmapSize(datei);
    if (masseBild && qint64(masseBild->width()) * masseBild->height() > (qint64(1) << 26)) return 0; // keep runs fast
    if (const auto proben = album::Punktproben(datei, d); proben && masseBild) {
        if (proben->width() != (masseBild->width() + d - 1) / d) std::abort();
    }
    return 0;
}
