#include "book/views/bildlader.h"

namespace book {

std::optional<QImage> BitmapLaden(const platform::Files &dateien, const QString &storedPath) {
    const QString nativ = dateien.native(storedPath);
    if (nativ.isEmpty()) return std::nullopt;
    QImage bild;
    if (!bild.load(nativ, "BMP")) return std::nullopt;
    return bild;
}

QPixmap MitTransparenz(const QImage &bild) {
    if (bild.isNull()) return {};
    QImage argb = bild.convertToFormat(QImage::Format_ARGB32);
    const QRgb schluessel = argb.pixel(0, argb.height() - 1);
    for (int y = 0; y < argb.height(); ++y) {
        QRgb *zeile = reinterpret_cast<QRgb *>(argb.scanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (zeile[x] == schluessel) zeile[x] = 0;
    }
    return QPixmap::fromImage(argb);
}

} // namespace book
