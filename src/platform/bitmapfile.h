#pragma once
// Windows bitmap files, read fast: an uncompressed 24- or 32-bit bitmap is copied row
// by row; anything else goes through Qt's image readers. Reads are capped in size.
#include "platform/bitmapheader.h"
#include "platform/mappedfile.h"

#include <QFile>
#include <QIODevice>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

namespace platform {

// An uncompressed 24- or 32-bit bitmap file kept open, from which any part is
// converted when wanted: a picture drawn straight from its file needs no copy of its
// own in memory, and the first frame waits for no copy to be made.
class BitmapSource {
public:
    // Nothing for a file that is missing, of another kind, broken or larger than maxPixels.
    static std::unique_ptr<BitmapSource> open(const QString &nativePath, qint64 maxPixels = qint64(1) << 28);
    ~BitmapSource();
    BitmapSource(const BitmapSource &) = delete;
    BitmapSource &operator=(const BitmapSource &) = delete;
    QSize size() const { return QSize(header_.width, qAbs(header_.height)); }
    // Writes the part `area` (inside the picture) as 32-bit pixels to `target`, rows
    // `targetRowBytes` apart; false when the file can no longer be read.
    bool read(QRect area, uchar *target, qsizetype targetRowBytes);
    // Gives the file's pages back after a series of reads; the next read takes them again.
    void release();

private:
    explicit BitmapSource(const QString &nativePath) : file_(nativePath) {}
    QFile file_;
    BitmapHeader header_;
    std::unique_ptr<MappedFile> mapped_; // the pixel rows, once read
    bool mapFailed_ = false;
};

// The picture, or only the part of it inside `area` (picture coordinates) when that
// is given; nothing when the file is missing, broken or larger than maxPixels.
std::optional<QImage> readBitmap(const QString &nativePath, qint64 maxPixels = qint64(1) << 28, QRect area = {});

// Width and height without decoding; nothing for a file that is no picture.
std::optional<QSize> bitmapSize(const QString &nativePath);

} // namespace platform
