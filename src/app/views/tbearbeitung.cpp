#include "app/views/tbearbeitung.h"

#include <QGuiApplication>
#include <QScreen>

namespace app {

TBearbeitung::TBearbeitung(QWidget *parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
    setObjectName("Bearbeitung");
    setWindowTitle(tr("Bearbeitung"));
    resize(560, 400);
    hinweis_ = new QLabel(this);
    hinweis_->setGeometry(16, 16, 528, 40);
}

void TBearbeitung::Auswahl(int index) {
    panel_ = index;
    if (const QScreen *s = QGuiApplication::primaryScreen())
        move(s->geometry().center() - rect().center());
    show();
    raise();
}

void TBearbeitung::ImageFundamentalsClick() { Auswahl(0); }

} // namespace app
