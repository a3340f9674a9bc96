#pragma once
// A picture laid on the screen at its full size, of which only the part that can be
// seen is held in memory: a background larger than the screen costs no more than the
// screen.
#include <QPixmap>
#include <QWidget>

namespace book {

class Bildflaeche : public QWidget {
    Q_OBJECT
public:
    explicit Bildflaeche(QWidget *parent = nullptr);
    // `teil` is the part of a picture of size `ganz` that begins at `versatz`.
    // Taken over without a copy when it is already in the screen's pixel format.
    void setBild(QImage teil, QPoint versatz, QSize ganz);
    void leeren();
    const QPixmap &teil() const { return teil_; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QPixmap teil_;
    QPoint versatz_;
};

} // namespace book
