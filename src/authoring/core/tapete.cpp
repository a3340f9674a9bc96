#include "authoring/core/tapete.h"

#include <QPainter>

namespace authoring {

QImage TapetenRahmen() {
    QImage bild(kTapetenGroesse, QImage::Format_RGB32);
    bild.fill(QColor(155, 251, 193)); // the authoring window's colour
    QPainter p(&bild);
    const QRect gehaeuse = kTapetenFeld.adjusted(-6, -6, 6, 6);
    p.fillRect(gehaeuse, QColor(64, 64, 64));
    p.fillRect(QRect(gehaeuse.center().x() - 8, gehaeuse.bottom() + 1, 16, 10), QColor(96, 96, 96));
    p.fillRect(QRect(gehaeuse.center().x() - 24, gehaeuse.bottom() + 11, 48, 5), QColor(64, 64, 64));
    p.end();
    Tapete(bild, nullptr, {});
    return bild;
}

void Tapete(QImage &vorschau, const QImage *bild, QSize bildschirm) {
    for (int y = kTapetenFeld.top(); y <= kTapetenFeld.bottom(); ++y)
        for (int x = kTapetenFeld.left(); x <= kTapetenFeld.right(); ++x)
            vorschau.setPixel(x, y, qRgb(192, 192, 192));
    if (!bild || bild->isNull()) return;
    const int w = qMin(bild->width(), bildschirm.width());
    const int h = qMin(bild->height(), bildschirm.height());
    const int s = bildschirm.width() / 80;
    if (s <= 0) return;
    const int spalten = w / s;
    const int zeilen = h / s;
    // The sample of the last column or row may lie just beyond the picture's edge;
    // it takes the edge pixel instead.
    for (int d = 1; d <= spalten; ++d)
        for (int i = 0; i < zeilen; ++i) {
            const int x = d + 11, y = i + 10;
            if (x >= vorschau.width() || y >= vorschau.height()) continue;
            const int qx = qMin(d * s, bild->width() - 1), qy = qMin((i + 1) * s, bild->height() - 1);
            vorschau.setPixel(x, y, bild->pixel(qx, qy));
        }
}

} // namespace authoring
