// Any bytes as a picture file: the size probe platform::bitmapSize and
// platform::readBitmap, whole and in part. No crash, no hang; the probe agrees with the
// header and with every picture read; a part is exactly that part of the whole picture.
#include "platform/bitmapfile.h"

#include "pruefen.h"
#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

namespace {

constexpr qint64 kHoechstens = qint64(1) << 22; // keeps runs fast; larger pictures are refused

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    static QTemporaryDir ordner;
    const QString pfad = ordner.path() + "/bild.bmp";
    {
        QFile f(pfad);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        f.write(bytes);
    }

    QBuffer puffer;
    puffer.setData(bytes);
    puffer.open(QIODevice::ReadOnly);
    const auto kopf = platform::readBitmapHeader(puffer);
    if (kopf) PRUEFEN(kopf->width >= 1 && kopf->width <= 65535 && kopf->height != 0 && qAbs(kopf->height) <= 65535);

    const auto groesse = platform::bitmapSize(pfad);
    if (kopf) PRUEFEN(groesse && groesse->width() == kopf->width && groesse->height() == qAbs(kopf->height));

    const auto ganz = platform::readBitmap(pfad, kHoechstens);
    if (!ganz) return 0;
    PRUEFEN(groesse.has_value());
    if (ganz->isNull()) return 0;
    PRUEFEN(ganz->size() == *groesse && qint64(ganz->width()) * ganz->height() <= kHoechstens);

    // A part chosen by the last bytes: inside, overlapping an edge, or outside.
    const auto b = [&](size_t i) { return i < size ? int(data[size - 1 - i]) : 0; };
    const QRect bereich(b(0) % 96 - 16, b(1) % 96 - 16, b(2) % 64 + 1, b(3) % 64 + 1);
    const auto teil = platform::readBitmap(pfad, kHoechstens, bereich);
    PRUEFEN(teil.has_value());
    const QRect innen = bereich.intersected(ganz->rect());
    if (innen.isEmpty())
        PRUEFEN(teil->isNull());
    else
        PRUEFEN(teil->size() == innen.size());
    // Pixels are compared for the bitmaps read here. Qt's own BMP reader leaves the
    // pixels of a truncated RLE bitmap unwritten, so two reads of one may differ.
    if (kopf && kopf->plain() && !innen.isEmpty()) PRUEFEN(*teil == ganz->copy(innen));
    return 0;
}
