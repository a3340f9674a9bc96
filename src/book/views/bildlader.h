#pragma once
// Loading the program's bitmaps by stored path. A missing or unreadable picture is
// no error for the reader: the caller keeps what it showed.
#include "platform/files.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <optional>

namespace book {

std::optional<QImage> BitmapLaden(const platform::Files &dateien, const QString &storedPath);

// Text colour of a label or list, through its palette (cheaper than a style sheet).
void Textfarbe(QWidget *widget, const QColor &farbe);

// The picture with every pixel of its bottom-left pixel's colour made transparent,
// as the tour figures, ribbons and tabs are drawn on a key colour.
QPixmap MitTransparenz(const QImage &bild);

// The page-turning and picture arrow, pointing left or right, on its key colour made
// transparent.
QPixmap Pfeilbild(bool links);

} // namespace book
