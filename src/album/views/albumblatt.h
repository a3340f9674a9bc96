#pragma once
// The album sheet of the book: its 16 captions for the spread shown, and the clicks and
// hints over its cells. The sheet picture itself belongs to the book.
#include "platform/screen.h"

#include <QObject>
#include <array>

class QLabel;
class QWidget;

namespace album {

class Bildansicht;
class Bilderlistenmodell;

class Albumblatt : public QObject {
    Q_OBJECT
public:
    // The captions are laid on `panelAlbum`; `imageAlbum` takes the mouse; `aufschlag`
    // is the album spread shown (1 for the first). The captions follow every change of
    // `liste`.
    Albumblatt(QWidget *panelAlbum, QLabel *imageAlbum, const Bilderlistenmodell &liste, Bildansicht &ansicht,
               const int &aufschlag, const platform::Screen &screen);

    // Caption k % 16 from list line k; a k beyond every list empties it.
    void LabelZeigen(int k);
    // The captions of the spread shown.
    void AufschlagZeigen();
    void leeren();
    void ImageAlbumMouseDown(int x, int y);
    void ImageAlbumMouseMove(int x, int y);

    std::array<QLabel *, 16> AlbumLabels{};

Q_SIGNALS:
    // The mouse is over the sheet: the page arrows and the menu give way.
    void mausBewegt();

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    // The cells by key: Tab reaches each cell with a picture or title, the arrows move
    // between the cells as they lie on the sheet, Return opens the cell's picture.
    void tastenEinrichten();
    // Whether cell k (0..15) of the spread shown holds list line `zeile`, and its name.
    void zelleBedienbar(int k, const QString &zeile);
    void zelleWechseln(int k, int spalten, int zeilen);
    // The cell (1..16) at sheet point (x, y), its caption included; 0 for none.
    int zelle(int x, int y, bool schwebend) const;
    QLabel *imageAlbum_;
    const Bilderlistenmodell &liste_;
    Bildansicht &ansicht_;
    const int &aufschlag_;
    const platform::Screen &screen_;
};

} // namespace album
