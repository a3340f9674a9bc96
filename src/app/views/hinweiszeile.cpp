#include "app/views/hinweiszeile.h"

#include <QEvent>
#include <QLabel>

namespace app {

Hinweiszeile::Hinweiszeile(QWidget *parent) : QWidget(parent) {
    setObjectName("PanelName");
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(250, 244, 226)));
    LabelName = new QLabel(this);
    LabelName->setObjectName("LabelName");
    LabelName->move(8, 3);
    LabelName->installEventFilter(this);
    resize(16, 20);
    hide();
}

QString Hinweiszeile::text() const {
    return LabelName->text();
}

void Hinweiszeile::zeigen(const QString &text, int bildschirmBreite, bool menueSichtbar) {
    LabelName->setText(text);
    LabelName->adjustSize();
    resize(LabelName->width() + 16, LabelName->height() + 6);
    move((bildschirmBreite - width()) / 2, heimY_);
    setVisible(!text.isEmpty() && !menueSichtbar);
    raise();
}

void Hinweiszeile::zeigenUeber(const QString &text, int bildschirmBreite, int oberkante) {
    zeigen(text, bildschirmBreite, false);
    move(x(), qMin(heimY_, oberkante - height() - 4));
}

void Hinweiszeile::platzieren(int x, int y) {
    heimY_ = y;
    move(x, y);
}

bool Hinweiszeile::eventFilter(QObject *obj, QEvent *event) {
    // A click on the hint is no click on the picture beneath it.
    if (obj == LabelName && event->type() == QEvent::MouseButtonPress) return true;
    return QWidget::eventFilter(obj, event);
}

} // namespace app
