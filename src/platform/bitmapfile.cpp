#include "platform/bitmapfile.h"

#include "platform/inputfile.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <cstring>
#if defined(__x86_64__) || defined(__i386__)
#include <tmmintrin.h>
#endif

namespace platform {

namespace {

// One row of three-byte pixels (B, G, R) to 32-bit pixels.
void bgrZeile(const uchar *src, quint32 *dst, int n) {
    for (int x = 0; x < n; ++x, src += 3)
        dst[x] = 0xff000000u | quint32(src[2]) << 16 | quint32(src[1]) << 8 | src[0];
}

#if defined(__x86_64__) || defined(__i386__)
// The same, four pixels from each sixteen bytes loaded, while sixteen bytes remain of
// the `vorrat` bytes that follow `src`: the start's wallpaper is as large as the screen,
// and the plain loop was a tenth of the time to the first frame.
__attribute__((target("ssse3"))) void bgrZeileSsse3(const uchar *src, qint64 vorrat, quint32 *dst, int n) {
    const __m128i verteilen = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i deckend = _mm_set1_epi32(int(0xff000000u));
    int x = 0;
    for (; x + 4 <= n && vorrat >= 16; x += 4, src += 12, vorrat -= 12) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(src));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + x), _mm_or_si128(_mm_shuffle_epi8(v, verteilen), deckend));
    }
    bgrZeile(src, dst + x, n - x);
}

bool hatSsse3() {
    static const bool ja = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("ssse3") != 0;
    }();
    return ja;
}
#endif

// A row of `n` pixels of `step` bytes at `src`, followed by `vorrat` readable bytes in all.
void zeileWandeln(const uchar *src, qint64 vorrat, int step, quint32 *dst, int n) {
    if (step == 3) {
#if defined(__x86_64__) || defined(__i386__)
        if (hatSsse3()) return bgrZeileSsse3(src, vorrat, dst, n);
#endif
        return bgrZeile(src, dst, n);
    }
    // Four-byte pixels: B, G, R and an unused byte.
    for (int x = 0; x < n; ++x, src += step)
        dst[x] = 0xff000000u | (qFromLittleEndian<quint32>(src) & 0xffffffu);
}

// The size Qt's reader tells without decoding; a top-down bitmap tells its height
// negative. Invalid when the reader cannot tell.
QSize leserGroesse(QImageReader &reader) {
    const QSize size = reader.size();
    return QSize(size.width(), qAbs(size.height()));
}

} // namespace

std::optional<QSize> bitmapSize(const QString &nativePath) {
    if (checkInput(nativePath) != InputCheck::Ok) return std::nullopt;
    if (const auto size = bitmapHeaderSize(nativePath)) return size;
    QImageReader reader(nativePath);
    const QSize size = leserGroesse(reader);
    if (!size.isValid()) return std::nullopt;
    return size;
}

std::unique_ptr<BitmapSource> BitmapSource::open(const QString &nativePath, qint64 maxPixels) {
    if (checkInput(nativePath) != InputCheck::Ok) return nullptr;
    std::unique_ptr<BitmapSource> source(new BitmapSource(nativePath));
    if (!source->file_.open(QIODevice::ReadOnly)) return nullptr;
    const auto h = readBitmapHeader(source->file_);
    if (!h || !h->plain() || qint64(h->width) * qAbs(h->height) > maxPixels ||
        h->dataOffset + h->rowBytes() * qAbs(h->height) > source->file_.size())
        return nullptr;
    source->header_ = *h;
    return source;
}

bool BitmapSource::read(QRect area, uchar *target, qsizetype targetRowBytes) {
    const BitmapHeader &h = header_;
    const int rows = qAbs(h.height);
    if (area.isEmpty() || !QRect(0, 0, h.width, rows).contains(area)) return false;
    const qint64 rowBytes = h.rowBytes();
    const int step = h.bits / 8;
    // Only the stored rows of the part are read: from a mapping of the file where the
    // system gives one (no copy, only the pages touched are read, and the mapping made
    // once serves every band of a picture drawn from its file), else into memory.
    const int firstStored = h.height > 0 ? rows - 1 - area.bottom() : area.top();
    const qint64 offset = h.dataOffset + qint64(firstStored) * rowBytes;
    const qint64 length = rowBytes * area.height();
    // A file cut short since it was opened is neither mapped nor read past its end;
    // a mapping is taken for a series of reads and given back after it. Cut short while
    // mapped (by another program, between two bands or during one), the guarded read
    // fails where a plain one would end the program.
    if (!mapped_) {
        if (h.dataOffset + rowBytes * rows > file_.size()) return false;
        if (!mapFailed_) mapped_ = MappedFile::map(file_.handle(), h.dataOffset, rowBytes * rows);
        mapFailed_ = !mapped_;
    }
    struct Auftrag {
        qint64 vorne, rowBytes, length, links;
        int step, hoehe, breite;
        bool vonUnten;
        uchar *target;
        qsizetype targetRowBytes;
    };
    // Plain values only: a read cut short leaves this where it stopped.
    const auto wandeln = [](const uchar *daten, void *kontext) {
        const auto &a = *static_cast<const Auftrag *>(kontext);
        daten += a.vorne;
        for (int y = 0; y < a.hoehe; ++y) {
            const int stored = a.vonUnten ? a.hoehe - 1 - y : y;
            const qint64 anfang = qint64(stored) * a.rowBytes + a.links * a.step;
            zeileWandeln(daten + anfang, a.length - anfang, a.step,
                         reinterpret_cast<quint32 *>(a.target + y * a.targetRowBytes), a.breite);
        }
    };
    Auftrag auftrag{0,      rowBytes,      length, area.left(), step, area.height(), area.width(), h.height > 0,
                    target, targetRowBytes};
    if (mapped_) {
        auftrag.vorne = offset - h.dataOffset;
        return mapped_->read(wandeln, &auftrag);
    }
    if (!file_.seek(offset)) return false;
    const QByteArray gelesen = file_.read(length);
    if (gelesen.size() != length) return false;
    wandeln(reinterpret_cast<const uchar *>(gelesen.constData()), &auftrag);
    return true;
}

BitmapSource::~BitmapSource() {
    release();
}

void BitmapSource::release() {
    mapped_.reset();
}

std::optional<QImage> readBitmap(const QString &nativePath, qint64 maxPixels, QRect area) {
    QFile f(nativePath);
    if (checkInput(nativePath) != InputCheck::Ok || !f.open(QIODevice::ReadOnly)) return std::nullopt;
    const auto h = readBitmapHeader(f);
    if (h && h->plain()) {
        f.close();
        const auto source = BitmapSource::open(nativePath, maxPixels);
        if (!source) return std::nullopt;
        const QRect whole(QPoint(), source->size());
        const QRect part = area.isValid() ? area.intersected(whole) : whole;
        if (part.isEmpty()) return QImage();
        // Converted to 32-bit pixels while reading, so showing it needs no second pass.
        QImage image(part.size(), QImage::Format_RGB32);
        if (image.isNull() || !source->read(part, image.bits(), image.bytesPerLine())) return std::nullopt;
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
