#pragma once
// A picture laid on the screen at its full size, of which only the part that can be
// seen is used: a background larger than the screen costs no more than the screen.
// A plain bitmap is drawn straight from its file, a band of rows at a time, so that it
// needs no copy in memory and the first frame waits for none; a picture of another
// kind, or one drawn scaled, is held decoded.
#include "platform/bitmapfile.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <memory>

namespace book {

class Bildflaeche : public QWidget {
    Q_OBJECT
public:
    explicit Bildflaeche(QWidget *parent = nullptr);
    // `teil` is the part of a picture of size `ganz` that begins at `versatz`.
    // Taken over without a copy when it is already in the screen's pixel format.
    void setBild(QImage teil, QPoint versatz, QSize ganz);
    // The part `teil` of the picture in `quelle`, drawn from the file when shown.
    void setBild(std::unique_ptr<platform::BitmapSource> quelle, QRect teil);
    void leeren();
    // The part of the picture shown, in the picture's coordinates.
    QRect teil() const { return teilRect_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap bild_;
    std::unique_ptr<platform::BitmapSource> quelle_;
    QImage band_; // rows on their way from the file to the screen
    QRect teilRect_;
};

} // namespace book
