#include "album/core/punktproben.h"

#include "platform/bitmapfile.h"
#include "platform/inputfile.h"

#include <QFile>

#include <cerrno>
#include <unistd.h>

namespace album {

namespace {

// Exactly `n` bytes at `ab`, in one call unless the system splits it.
bool lesenAb(int fd, char *ziel, qint64 n, qint64 ab) {
    while (n > 0) {
        const ssize_t gelesen = ::pread(fd, ziel, size_t(n), off_t(ab));
        if (gelesen < 0 && errno == EINTR) continue;
        if (gelesen <= 0) return false;
        ziel += gelesen;
        ab += gelesen;
        n -= gelesen;
    }
    return true;
}

} // namespace

std::optional<QImage> Punktproben(const QString &nativePath, int d) {
    const auto probe = Punktproben(nativePath, [d](int, int) { return d; });
    return probe ? std::optional<QImage>(probe->proben) : std::nullopt;
}

std::optional<Stichprobe> Punktproben(const QString &nativePath, const std::function<int(int w, int h)> &teiler) {
    // Unbuffered: each sampled row is one positioned read of just the bytes up to its
    // last sample, never a block of the rows in between.
    QFile f(nativePath);
    if (platform::checkInput(nativePath) != platform::InputCheck::Ok ||
        !f.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return std::nullopt;
    const auto k = platform::readBitmapHeader(f);
    if (k && k->plain()) {
        const int w = k->width, h = qAbs(k->height);
        const int d = teiler(w, h);
        if (d < 1) return std::nullopt;
        const int bytesJePixel = k->bits / 8;
        const qint64 zeilenLaenge = k->rowBytes();
        if (k->dataOffset + zeilenLaenge * h > f.size()) return std::nullopt;
        const int sw = (w + d - 1) / d, sh = (h + d - 1) / d;
        QImage proben(sw, sh, QImage::Format_RGB32);
        const qint64 noetig = (qint64(sw) - 1) * d * bytesJePixel + bytesJePixel;
        QByteArray zeile(noetig, Qt::Uninitialized);
        for (int j = 0; j < sh; ++j) {
            const int y = j * d;
            const int gespeichert = k->height > 0 ? h - 1 - y : y;
            if (!lesenAb(f.handle(), zeile.data(), noetig, k->dataOffset + gespeichert * zeilenLaenge))
                return std::nullopt;
            auto *ziel = reinterpret_cast<QRgb *>(proben.scanLine(j));
            const auto *quelle = reinterpret_cast<const uchar *>(zeile.constData());
            for (int i = 0; i < sw; ++i) {
                const uchar *px = quelle + qint64(i) * d * bytesJePixel;
                ziel[i] = qRgb(px[2], px[1], px[0]);
            }
        }
        return Stichprobe{proben, QSize(w, h), d};
    }
    f.close();
    QImage bild;
    if (!bild.load(nativePath)) return std::nullopt;
    bild = bild.convertToFormat(QImage::Format_RGB32);
    const int d = teiler(bild.width(), bild.height());
    if (d < 1) return std::nullopt;
    const int sw = (bild.width() + d - 1) / d, sh = (bild.height() + d - 1) / d;
    QImage proben(sw, sh, QImage::Format_RGB32);
    for (int j = 0; j < sh; ++j)
        for (int i = 0; i < sw; ++i)
            proben.setPixel(i, j, bild.pixel(i * d, j * d));
    return Stichprobe{proben, bild.size(), d};
}

} // namespace album
