#include "book/views/bildlader.h"

#include "platform/bitmapfile.h"

namespace book {

std::optional<QImage> BitmapLaden(const platform::Files &dateien, const QString &storedPath) {
    return platform::readBitmap(dateien.native(storedPath));
}

void Textfarbe(QWidget *widget, const QColor &farbe) {
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, farbe);
    p.setColor(QPalette::Text, farbe);
    widget->setPalette(p);
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

QPixmap Pfeilbild(bool links) {
    return MitTransparenz(QImage(links ? QStringLiteral(":/art/PfeilLinks.bmp") : QStringLiteral(":/art/PfeilRechts.bmp"), "BMP"));
}

} // namespace book
