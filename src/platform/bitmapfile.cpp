#include "platform/bitmapfile.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <cstring>

namespace platform {

namespace {

// The size Qt's reader tells without decoding; a top-down bitmap tells its height
// negative. Invalid when the reader cannot tell.
QSize leserGroesse(QImageReader &reader) {
    const QSize size = reader.size();
    return QSize(size.width(), qAbs(size.height()));
}

} // namespace

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

std::optional<QSize> bitmapSize(const QString &nativePath) {
    QFile f(nativePath);
    if (nativePath.isEmpty() || !f.open(QIODevice::ReadOnly)) return std::nullopt;
    if (const auto h = readBitmapHeader(f)) return QSize(h->width, qAbs(h->height));
    f.close();
    QImageReader reader(nativePath);
    const QSize size = leserGroesse(reader);
    if (!size.isValid()) return std::nullopt;
    return size;
}

std::optional<QImage> readBitmap(const QString &nativePath, qint64 maxPixels, QRect area) {
    QFile f(nativePath);
    if (nativePath.isEmpty() || !f.open(QIODevice::ReadOnly)) return std::nullopt;
    const auto h = readBitmapHeader(f);
    if (h && h->plain()) {
        const int w = h->width, rows = qAbs(h->height);
        if (qint64(w) * rows > maxPixels) return std::nullopt;
        const QRect part = area.isValid() ? area.intersected(QRect(0, 0, w, rows)) : QRect(0, 0, w, rows);
        if (part.isEmpty()) return QImage();
        const qint64 rowBytes = h->rowBytes();
        if (h->dataOffset + rowBytes * rows > f.size()) return std::nullopt;
        // Converted to 32-bit pixels while reading, so showing it needs no second pass.
        QImage image(part.size(), QImage::Format_RGB32);
        if (image.isNull()) return std::nullopt;
        const int step = h->bits / 8;
        // Rows are read in blocks of consecutive stored rows, a few system calls in all.
        constexpr int kBlock = 32;
        QByteArray block(rowBytes * kBlock + 4, '\0'); // room to read four bytes at the last pixel
        int y = part.top();
        while (y <= part.bottom()) {
            const int n = qMin(kBlock, part.bottom() - y + 1);
            // Stored bottom-up, the block's rows lie from the last one upwards in the file.
            const int firstStored = h->height > 0 ? rows - 1 - (y + n - 1) : y;
            const qint64 bytes = rowBytes * n;
            if (!f.seek(h->dataOffset + qint64(firstStored) * rowBytes) || f.read(block.data(), bytes) != bytes)
                return std::nullopt;
            for (int i = 0; i < n; ++i) {
                const int inBlock = h->height > 0 ? n - 1 - i : i;
                const char *src = block.constData() + inBlock * rowBytes + qint64(part.left()) * step;
                auto *dst = reinterpret_cast<quint32 *>(image.scanLine(y + i - part.top()));
                // Little-endian B, G, R in the low three bytes of each four-byte load.
                for (int x = 0; x < part.width(); ++x, src += step) {
                    quint32 bgr;
                    std::memcpy(&bgr, src, 4);
                    dst[x] = 0xff000000u | qFromLittleEndian(bgr);
                }
            }
            y += n;
        }
        return image;
    }
    f.close();
    QImageReader reader(nativePath);
    const QSize size = leserGroesse(reader);
    if (size.isValid() && qint64(size.width()) * size.height() > maxPixels) return std::nullopt;
    QImage image;
    if (!reader.read(&image) || qint64(image.width()) * image.height() > maxPixels) return std::nullopt;
    if (area.isValid()) {
        // Like the plain path: a part outside the picture is an empty picture, never the whole.
        const QRect part = area.intersected(image.rect());
        image = part.isEmpty() ? QImage() : image.copy(part);
    }
    return image;
}

} // namespace platform
