#pragma once
// Album production as the author sees it: the spreads are composed from the picture list,
// and meanwhile the book shows the spread being glued with its captions and the progress
// in percent. The book is repainted at most once per display frame, so showing the work
// costs little of it.
#include "authoring/core/albumproduktion.h"

#include <QObject>

namespace authoring {

class Bearbeitungskontext;

class Albumherstellung : public QObject {
    Q_OBJECT
public:
    Albumherstellung(Bearbeitungskontext &kontext, QObject *eltern);

    // The whole production; at its end the book shows the album's contents page and the
    // new contents lists go out with inhaltHergestellt.
    Albumergebnis AlbumBearbeiten();

    // The shortest time between two repaints of the book, in milliseconds; by default
    // one frame of the screen.
    void setBildabstand(int ms) { bildabstand_ = ms; }
    // Repaints of the book during the last run.
    int neuZeichnungen() const { return neuZeichnungen_; }

Q_SIGNALS:
    // A slot with a heading or a picture is done; `prozent` is the progress shown.
    void slotFertig(int slot, int prozent);
    // The album's two contents lists as production made them.
    void inhaltHergestellt(const QStringList &links, const QStringList &rechts);

private:
    void labelsLeeren();

    Bearbeitungskontext &kontext_;
    int bildabstand_;
    int neuZeichnungen_ = 0;
};

} // namespace authoring
