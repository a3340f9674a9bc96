#pragma once
// Panels 11 and 12: what to do with the contents memo on the book, "Speichern" and
// cancel; panel 12 adds the choice of the part whose contents are edited.
#include "authoring/views/aufgabenpanel.h"

class QLabel;
class QPushButton;

namespace authoring {

class Panel11Inhaltsverzeichnis : public Aufgabenpanel {
    Q_OBJECT
public:
    explicit Panel11Inhaltsverzeichnis(Bearbeitungskontext &kontext);
    // The panel either saves the contents on the book or first asks which part's.
    void auswahlZeigen(bool zeigen);

private:
    QLabel *LabelInhalt;
    QWidget *PanelVerzeichnisAuswahl;
    QPushButton *AuswahlLeseteil;
    QPushButton *AuswahlAlbum;
    QPushButton *AuswahlBenutzerHilfe;
    QPushButton *AuswahlAutorHilfe;
    QPushButton *PanelSaveContents;
    QPushButton *BitBtn1;
};

} // namespace authoring
