#pragma once
// Panel 1, the start panel: one entry per authoring task.
#include "authoring/views/aufgabenpanel.h"

class QPushButton;

namespace authoring {

class Startpanel : public Aufgabenpanel {
    Q_OBJECT
public:
    explicit Startpanel(TBearbeitung &fenster);

    QPushButton *ImageRunDemo;
    QPushButton *ImageTextImport;
    QPushButton *ImageFundamentals;
    QPushButton *ImageNeueBilder;
    QPushButton *ImageBilderInsAlbum;
    QPushButton *PanelProjektTitel;
    QPushButton *PanelRegister;
    QPushButton *Inhaltsverzeichnisbearbeiten;
    QPushButton *PanelCopyright;
};

} // namespace authoring
