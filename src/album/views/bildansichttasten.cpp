// The picture view by key: the keys choose a point of the picture (a mark, else the
// centre) and the view acts there as a click would.
#include "album/views/bildansicht.h"
#include "album/views/bildansichtpanels.h"
#include "book/views/bildflaeche.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace album {

bool Bildansicht::Taste(const QKeyEvent &taste) {
    if (!ImageMain->isVisible()) return false;
    const bool umschalt = taste.modifiers().testFlag(Qt::ShiftModifier);
    const QPoint punkt = Markenpunkt();
    switch (taste.key()) {
    case Qt::Key_N: MarkeWaehlen(umschalt ? -1 : 1); return true;
    case Qt::Key_M: flaecheMaus(QEvent::MouseButtonPress, Qt::LeftButton, punkt); return true;
    case Qt::Key_Delete:
        if (!Shape1->isVisible() || MarkeUnterMaus <= 0) return false;
        flaecheMaus(QEvent::MouseButtonPress, Qt::RightButton, punkt);
        return true;
    case Qt::Key_B:
        // The top edge of the picture is where the mouse opens its text.
        flaecheMaus(QEvent::MouseButtonPress, Qt::LeftButton,
                    QPoint(ImageMain->x() + ImageMain->width() / 2, ImageMain->y()));
        return true;
    case Qt::Key_Plus:
        if (VergroesserungLaden()) flaecheMaus(QEvent::MouseButtonPress, Qt::LeftButton, punkt);
        return true;
    case Qt::Key_Minus: Imagebig->hide(); return true;
    default: return false;
    }
}

void Bildansicht::BildlaufFragen() {
    BildlaufPanel *dialog = PanelBildlauf();
    dialog->show();
    dialog->raise();
    dialog->SpinEditBildlauf->setFocus(Qt::OtherFocusReason);
    dialog->SpinEditBildlauf->selectAll();
}

int Bildansicht::MarkeWaehlen(int schritt) {
    const qsizetype anzahl = marken_.marken.size();
    if (anzahl == 0 || !ImageMain->isVisible()) return 0;
    // From the mark chosen last (or under the mouse) on, over lines without a mark.
    int k = MarkeUnterMaus;
    for (qsizetype versuch = 0; versuch < anzahl; ++versuch) {
        k = int((k - 1 + schritt + 2 * anzahl) % anzahl) + 1;
        const Marke &marke = marken_.marken[k - 1];
        if (marke.entfernt || marke.text.isEmpty()) continue;
        MarkeUnterMaus = k;
        LabelShape->setText(marke.text);
        markeRahmen(marke.x, marke.y);
        Q_EMIT hinweis(marke.text);
        return k;
    }
    return 0;
}

QPoint Bildansicht::Markenpunkt() const {
    if (Shape1->isVisible() && MarkeUnterMaus > 0 && MarkeUnterMaus <= marken_.marken.size()) {
        const Marke &marke = marken_.marken[MarkeUnterMaus - 1];
        if (!marke.entfernt) return ImageMain->pos() + QPoint(marke.x, marke.y);
    }
    return ImageMain->pos() + QPoint(ImageMain->width() / 2, ImageMain->height() / 2);
}

bool Bildansicht::VergroesserungLaden() {
    if (!Vergroesserung && SpeedButtonEnlarge->isVisible()) SpeedButtonEnlargeMouseUp(Qt::LeftButton);
    return Vergroesserung;
}

} // namespace album
