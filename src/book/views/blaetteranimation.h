#pragma once
// A page seen turning around the spine, drawn over the book from pictures of the
// spread before and after the turn. The book beneath already shows the new spread and
// this layer takes no mouse, so nothing waits for it: a click lands on the new spread,
// and a key completes the turn at once (beenden).
#include <QPixmap>
#include <QVariantAnimation>
#include <QWidget>

namespace book {

// Where the turning leaf lies at progress t (0..1) of a turn over a book of the given
// width: its target band, and whether its back (the new spread's side) shows.
struct Blattlage {
    double links = 0;
    double breite = 0;
    bool rueckseite = false;
};
Blattlage BlattlageBei(double t, int buchbreite, bool vorwaerts);

class Blaetteranimation : public QWidget {
public:
    static constexpr int kDauerMs = 200;

    explicit Blaetteranimation(QWidget *buch);

    void starten(const QPixmap &vorher, const QPixmap &nachher, bool vorwaerts);
    void beenden();
    bool laeuft() const { return isVisible(); }
    // A still frame of the turn, as at progress t (for pictures of the turn).
    void anhalten(double t);
    // What a step of the turn from progress `von` to `bis` repaints.
    QRect Veraendert(double von, double bis) const;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QPixmap vorher_;
    QPixmap nachher_;
    bool vorwaerts_ = true;
    double t_ = 0;
    QVariantAnimation lauf_;
};

} // namespace book
