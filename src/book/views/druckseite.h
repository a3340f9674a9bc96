#pragma once
// The printed page of the book: the open book (640 × 480) on white, without the book
// picture and the register tabs; on an album spread without the sheet's middle band.
#include <QImage>

namespace book {

class BuchPanel;

QImage Druckseite(BuchPanel &buch, bool albumSeite);

} // namespace book
