#pragma once
// Panel 3: asks whether the album spreads shall be made now, as that can take
// minutes for a large archive.
#include "authoring/views/aufgabenpanel.h"

class QLabel;
class QPushButton;

namespace authoring {

class Albumfrage : public Aufgabenpanel {
    Q_OBJECT
public:
    explicit Albumfrage(Bearbeitungskontext &kontext);

private:
    QLabel *LabelAlbumFrage;
    QPushButton *BitBtnJetzt;
    QPushButton *BitBtnSpaeter;
};

} // namespace authoring
