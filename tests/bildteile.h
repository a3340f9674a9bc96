#pragma once
// The picture view's controls as a screen reader or a test finds them: by their names
// on the main window. A control renamed or gone stops the test at once.
#include "book/views/bildflaeche.h"
#include "buchteile.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace testing {

struct Bildteile {
    explicit Bildteile(const QObject &fenster)
        : Flaeche(kindNamens<QWidget>(fenster, "Flaeche")),
          ImageMain(kindNamens<book::Bildflaeche>(fenster, "ImageMain")),
          LabelHuge(kindNamens<QLabel>(fenster, "LabelHuge")), ImageLast(kindNamens<QLabel>(fenster, "ImageLast")),
          ImageNext(kindNamens<QLabel>(fenster, "ImageNext")), Imagebig(kindNamens<QLabel>(fenster, "Imagebig")),
          SpeedButtonEnlarge(kindNamens<QPushButton>(fenster, "SpeedButtonEnlarge")),
          Shape1(kindNamens<QWidget>(fenster, "Shape1")), LabelShape(kindNamens<QLabel>(fenster, "LabelShape")),
          Timer2(kindNamens<QTimer>(fenster, "Timer2")) {}

    QWidget *Flaeche;
    book::Bildflaeche *ImageMain;
    QLabel *LabelHuge;
    QLabel *ImageLast;
    QLabel *ImageNext;
    QLabel *Imagebig;
    QPushButton *SpeedButtonEnlarge;
    QWidget *Shape1;
    QLabel *LabelShape;
    QTimer *Timer2; // the slide show's clock
};

} // namespace testing
