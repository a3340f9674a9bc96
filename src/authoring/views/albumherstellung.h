#pragma once
// Album production as the author sees it: the spreads are composed from the picture list,
// and meanwhile the book shows the spread being glued with its captions and the progress
// in percent. The book is repainted at most once per display frame, so showing the work
// costs little of it.
#include "authoring/core/albumproduktion.h"

#include <QObject>

namespace authoring {

class TBearbeitung;

class Albumherstellung : public QObject {
    Q_OBJECT
public:
    explicit Albumherstellung(TBearbeitung &fenster);

    // The whole production; at its end the book shows the album's contents page and the
    // window carries the new contents lists (TBearbeitung::albumInhaltHergestellt).
    Albumergebnis AlbumBearbeiten();

    // The shortest time between two repaints of the book, in milliseconds; by default
    // one frame of the screen.
    void setBildabstand(int ms) { bildabstand_ = ms; }
    // Repaints of the book during the last run.
    int neuZeichnungen() const { return neuZeichnungen_; }

Q_SIGNALS:
    // A slot with a heading or a picture is done; `prozent` is the progress shown.
    void slotFertig(int slot, int prozent);

private:
    void labelsLeeren();

    TBearbeitung &fenster_;
    int bildabstand_;
    int neuZeichnungen_ = 0;
};

} // namespace authoring
