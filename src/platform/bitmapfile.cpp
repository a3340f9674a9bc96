#include "platform/bitmapfile.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <cstring>

namespace platform {

std::optional<BitmapHeader> readBitmapHeader(QIODevice &device) {
    const QByteArray b = device.read(54);
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
    const auto *p = reinterpret_cast<const uchar *>(b.constData());
    BitmapHeader h;
    h.dataOffset = qFromLittleEndian<quint32>(p + 10);
    if (qFromLittleEndian<quint32>(p + 14) < 40) return std::nullopt;
    h.width = qFromLittleEndian<qint32>(p + 18);
    h.height = qFromLittleEndian<qint32>(p + 22);
    h.bits = qFromLittleEndian<quint16>(p + 28);
    h.compression = qFromLittleEndian<quint32>(p + 30);
    if (h.width <= 0 || h.height == 0 || h.width > 65535 || h.height > 65535 || h.height < -65535) return std::nullopt;
    return h;
}

std::optional<QImage> readBitmap(const QString &nativePath, qint64 maxPixels) {
    QFile f(nativePath);
    if (nativePath.isEmpty() || !f.open(QIODevice::ReadOnly)) return std::nullopt;
    const auto h = readBitmapHeader(f);
    if (h && h->plain()) {
        const int w = h->width, rows = qAbs(h->height);
        if (qint64(w) * rows > maxPixels) return std::nullopt;
        const qint64 rowBytes = h->rowBytes();
        if (h->dataOffset + rowBytes * rows > f.size() || !f.seek(h->dataOffset)) return std::nullopt;
        // Converted to 32-bit pixels while reading, so showing it needs no second pass.
        QImage image(w, rows, QImage::Format_RGB32);
        if (image.isNull()) return std::nullopt;
        QByteArray row(rowBytes + 4, '\0');  // room to read four bytes at the last pixel
        const int step = h->bits / 8;
        for (int stored = 0; stored < rows; ++stored) {
            const int y = h->height > 0 ? rows - 1 - stored : stored;
            if (f.read(row.data(), rowBytes) != rowBytes) return std::nullopt;
            const char *src = row.constData();
            auto *dst = reinterpret_cast<quint32 *>(image.scanLine(y));
            // Little-endian B, G, R in the low three bytes of each four-byte load.
            for (int x = 0; x < w; ++x, src += step) {
                quint32 bgr;
                std::memcpy(&bgr, src, 4);
                dst[x] = 0xff000000u | qFromLittleEndian(bgr);
            }
        }
        return image;
    }
    f.close();
    QImageReader reader(nativePath);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > maxPixels) return std::nullopt;
    QImage image;
    if (!reader.read(&image)) return std::nullopt;
    return image;
}

} // namespace platform
