#pragma once
// Windows bitmap files, read fast: an uncompressed 24- or 32-bit bitmap is copied row
// by row; anything else goes through Qt's image readers. Reads are capped in size.
#include <QIODevice>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

namespace platform {

struct BitmapHeader {
    qint64 dataOffset = 0;
    int width = 0;
    int height = 0; // negative: rows stored top-down
    int bits = 0;
    quint32 compression = 0;
    bool plain() const { return compression == 0 && (bits == 24 || bits == 32); }
    qint64 rowBytes() const { return ((qint64(width) * bits + 31) / 32) * 4; }
};

// The header of a bitmap file; nothing for anything else or absurd sizes.
std::optional<BitmapHeader> readBitmapHeader(QIODevice &device);

// The picture, or only the part of it inside `area` (picture coordinates) when that
// is given; nothing when the file is missing, broken or larger than maxPixels.
std::optional<QImage> readBitmap(const QString &nativePath, qint64 maxPixels = qint64(1) << 28, QRect area = {});

// Width and height without decoding; nothing for a file that is no picture.
std::optional<QSize> bitmapSize(const QString &nativePath);

} // namespace platform
