#include "book/views/bildflaeche.h"

#include <QPainter>

namespace book {

Bildflaeche::Bildflaeche(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void Bildflaeche::setBild(QImage teil, QPoint versatz, QSize ganz) {
    teil_ = QPixmap::fromImage(std::move(teil));
    versatz_ = versatz;
    resize(ganz);
    update();
}

void Bildflaeche::leeren() {
    teil_ = QPixmap();
    update();
}

void Bildflaeche::paintEvent(QPaintEvent *) {
    if (teil_.isNull()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform); // drawn larger than its pixels when the book is scaled
    p.drawPixmap(versatz_, teil_);
}

} // namespace book
