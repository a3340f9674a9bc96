#pragma once
// The printed spread: the open book (640 × 480) on white, without the book picture, the
// register tabs and the ribbons; on an album spread without the sheet's middle band.
// While it lives the book panel is laid out for printing; it is laid back afterwards.
#include <QImage>
#include <QPixmap>

class QPainter;
class QPicture;

namespace book {

class BuchPanel;

// Plays a recording of drawing commands made in layout pixels into `maler`.
void AufzeichnungMalen(QPainter &maler, const QPicture &befehle);

class Druckseite {
public:
    static constexpr int kBreite = 640;
    static constexpr int kHoehe = 480;

    Druckseite(BuchPanel &buch, bool albumSeite);
    ~Druckseite();
    Druckseite(const Druckseite &) = delete;
    Druckseite &operator=(const Druckseite &) = delete;

    // The spread drawn by the book's own controls into a painter whose window is
    // 640 × 480: the text stays text, pictures keep their pixels.
    void malen(QPainter &maler) const;
    QImage bild() const;

private:
    BuchPanel &buch_;
    QPixmap albumAlt_;
};

} // namespace book
