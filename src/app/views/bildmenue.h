#pragma once
// The image menu strip at the bottom of the screen (`PanelMenu`): the eight-cell
// picture `ImageMenu` in `PanelMenue` and, to its left, the bookmark holder with the
// found-list picture, offered once a search has found something.
#include "app/core/menuezelle.h"

#include <QLabel>
#include <QWidget>
#include <array>

namespace app {

class BildMenue : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBildBreite = 512;
    static constexpr int kHoehe = 65;
    static constexpr int kHalterBreite = 148;
    static constexpr int kFundliste = 5;

    explicit BildMenue(QWidget *parent = nullptr);
    // Lays the strip across the screen width with the picture ending at the book's right edge.
    void anordnen(int bildschirmBreite, int bildschirmHoehe, int buchLinks);
    // Bookmarks can be laid only into the book: without it the cover hides them.
    void lesezeichenAbdecken(bool abdecken);
    // What a cell of the menu picture does, for the hint line.
    static QString Zellenhinweis(MenueBefehl befehl);
    // Offers the found list again once a search has filled it.
    void fundlisteAnbieten();
    // Bookmark `nummer` (1..4) lies in the holder, or in the book.
    void lesezeichenImHalter(int nummer, bool imHalter);
    // The captions under the holder, and their font.
    void beschriften(const QString &lesezeichen, const QString &fundliste);
    void beschriftungsschrift(const QFont &schrift);

Q_SIGNALS:
    // X, Y relative to ImageMenu.
    void ImageMenuMouseDown(int x, int y);
    void ImageMenuMouseMove(int x, int y);
    void lesezeichenGeklickt(int nummer); // a bookmark taken from the holder, 1..4
    // The mouse over a bookmark in the holder (1..4), the found list (kFundliste) or
    // anything else of the strip beside the menu picture (0).
    void lesezeichenMausBewegt(int nummer);
    void fundlisteGeklickt();

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *PanelMenue;
    QLabel *ImageMenu;
    QWidget *LesezeichenPanel;
    std::array<QLabel *, 4> LesezeichenU{};
    QLabel *LabelLesezeichen;
    QLabel *LabelFundliste;
    QLabel *ImageFundliste;
    QWidget *LesezeichenAbdeckung;
};

} // namespace app
