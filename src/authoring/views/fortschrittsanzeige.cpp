#include "authoring/views/fortschrittsanzeige.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QWidget>

namespace authoring {

Fortschrittsanzeige::Fortschrittsanzeige(QWidget *feld) : QObject(feld), feld_(feld) {
    feld_->setAutoFillBackground(true);
    QPalette farbe = feld_->palette();
    farbe.setColor(QPalette::Window, QColor(192, 192, 192));
    farbe.setColor(QPalette::WindowText, Qt::black);
    feld_->setPalette(farbe);
    LabelFortschrittTitel = new QLabel(feld_);
    LabelFortschrittTitel->setObjectName("LabelFortschrittTitel");
    LabelFortschritt = new QLabel(feld_);
    LabelFortschritt->setObjectName("LabelFortschritt");
    LabelFortschritt->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LabelFortschritt->setMinimumWidth(40);
    auto *zeile = new QHBoxLayout(feld_);
    zeile->setContentsMargins(8, 2, 8, 2);
    zeile->addWidget(LabelFortschrittTitel, 1);
    zeile->addWidget(LabelFortschritt);
}

void Fortschrittsanzeige::zeigen(const QString &ueberschrift, const QString &text) {
    LabelFortschrittTitel->setText(ueberschrift);
    LabelFortschritt->setText(text);
    feld_->show();
    feld_->raise();
}

void Fortschrittsanzeige::setText(const QString &text) {
    LabelFortschritt->setText(text);
}
void Fortschrittsanzeige::neuZeichnen() {
    feld_->repaint();
}
void Fortschrittsanzeige::verbergen() {
    feld_->hide();
}
bool Fortschrittsanzeige::sichtbar() const {
    return feld_->isVisibleTo(feld_->parentWidget());
}

} // namespace authoring
