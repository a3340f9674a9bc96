#pragma once
// The small preview of a background picture: the screen drawn into the 80 × 60 field
// of a 102 × 109 picture, one pixel for every s-th pixel of the picture (s = screen
// width div 80), as much of the picture as the screen would show.
#include <QImage>
#include <QRect>
#include <QSize>

namespace authoring {

constexpr QSize kTapetenGroesse(102, 109);
constexpr QRect kTapetenFeld(12, 10, 80, 60);

// The empty preview: a small monitor whose screen field is silver.
QImage TapetenRahmen();

// Fills the field of `vorschau` silver, then samples `bild` (none: the field stays
// silver). The part of the picture beyond the screen is not sampled.
void Tapete(QImage &vorschau, const QImage *bild, QSize bildschirm);

} // namespace authoring
