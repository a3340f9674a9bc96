#include "book/views/seitenmemo.h"

#include <QPainter>

namespace book {

SeitenMemo::SeitenMemo(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
}

void SeitenMemo::setZeilen(const QStringList &zeilen) {
    zeilen_ = zeilen;
    update();
}

void SeitenMemo::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setFont(font());
    p.setPen(QColor(30, 26, 20));
    const int zeilen = int(qMin<qsizetype>(zeilen_.size(), height() / kZeilenHoehe + 1));
    for (int i = 0; i < zeilen; ++i)
        p.drawText(QRect(2, i * kZeilenHoehe, width() - 2, kZeilenHoehe), Qt::AlignLeft | Qt::AlignVCenter,
                   zeilen_[i]);
}

} // namespace book
