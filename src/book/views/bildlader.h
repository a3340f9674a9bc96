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
// Background colour of a surface, and nothing else: the texts and fields on it keep
// their own colours (a whole palette made from black would turn them white on black).
void Grundfarbe(QWidget *widget, const QColor &farbe);

// The picture with every pixel of its bottom-left pixel's colour made transparent,
// as the tour figures, ribbons and tabs are drawn on a key colour.
QPixmap MitTransparenz(const QImage &bild);

// The picture for the screen. When the screen is drawn larger than the layout's
// pixels, the program's own artwork `name` is drawn afresh from its vector source at
// the screen's resolution, as long as `bild` has the size that artwork was made for
// (a picture replaced by another of a different size is shown as it is). Artwork whose
// words the program's language writes otherwise is drawn afresh at any factor. A keyed
// picture has its key colour made transparent.
QPixmap Bildschirmbild(const QImage &bild, const QString &name, bool geschluesselt = false);

// An SVG source with the words of its <text> elements in the program's language.
QString Bildworte(const QString &svg);

// The window artwork built into the program (":/art/<name>.bmp"), for the screen.
QPixmap Kunstbild(const QString &name, bool geschluesselt = false);

// The page-turning and picture arrow, pointing left or right, on its key colour made
// transparent.
QPixmap Pfeilbild(bool links);

} // namespace book
