#include "book/views/bildflaeche.h"

#include <QPaintEvent>
#include <QPainter>

namespace book {
namespace {

// Rows converted at a time: a band of a wide screen stays within a few hundred
// kilobytes, memory the heap hands out again for the next band.
constexpr int kBandZeilen = 16;

} // namespace

Bildflaeche::Bildflaeche(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void Bildflaeche::setBild(QImage teil, QPoint versatz, QSize ganz) {
    quelle_.reset();
    teilRect_ = QRect(versatz, teil.size());
    bild_ = QPixmap::fromImage(std::move(teil));
    resize(ganz);
    update();
}

void Bildflaeche::setBild(std::unique_ptr<platform::BitmapSource> quelle, QRect teil) {
    bild_ = QPixmap();
    resize(quelle->size());
    teilRect_ = teil.intersected(QRect(QPoint(), quelle->size()));
    quelle_ = std::move(quelle);
    update();
}

void Bildflaeche::leeren() {
    bild_ = QPixmap();
    quelle_.reset();
    teilRect_ = QRect();
    update();
}

void Bildflaeche::paintEvent(QPaintEvent *event) {
    QPainter p(this);
    if (quelle_ && p.deviceTransform().type() > QTransform::TxTranslate) {
        // Drawn larger than its pixels (the book is scaled): held decoded and smoothed.
        QImage teil(teilRect_.size(), QImage::Format_RGB32);
        if (!teil.isNull() && quelle_->read(teilRect_, teil.bits(), teil.bytesPerLine()))
            bild_ = QPixmap::fromImage(std::move(teil));
        quelle_.reset();
    }
    if (quelle_) {
        const QRect ziel = event->rect().intersected(teilRect_);
        if (ziel.isEmpty()) return;
        if (band_.width() < ziel.width()) band_ = QImage(ziel.width(), kBandZeilen, QImage::Format_RGB32);
        for (int y = ziel.top(); y <= ziel.bottom(); y += kBandZeilen) {
            const QRect zeilen(ziel.left(), y, ziel.width(), qMin(kBandZeilen, ziel.bottom() - y + 1));
            if (!quelle_->read(zeilen, band_.bits(), band_.bytesPerLine())) break;
            p.drawImage(zeilen.topLeft(), band_, QRect(QPoint(), zeilen.size()));
        }
        quelle_->release();
        return;
    }
    if (bild_.isNull()) return;
    p.setRenderHint(QPainter::SmoothPixmapTransform); // drawn larger than its pixels when the book is scaled
    p.drawPixmap(teilRect_.topLeft(), bild_);
}

} // namespace book
