#pragma once
// The header of a Windows bitmap file, read without Qt's image readers (and so
// without its GUI library).
#include <QIODevice>
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

// Width and height of a Windows bitmap file from its header; nothing for a file that
// is missing or of another kind (bitmapSize asks Qt's readers then).
std::optional<QSize> bitmapHeaderSize(const QString &nativePath);

} // namespace platform
