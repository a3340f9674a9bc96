#pragma once
// Panel 1, the start panel: one entry per authoring task. The window runs the task an
// entry names.
#include "authoring/views/aufgabenpanel.h"

namespace authoring {

class Startpanel : public Aufgabenpanel {
    Q_OBJECT
public:
    enum class Eintrag {
        Projektwechsel,
        TextImport,
        NeuesProjekt,
        NeueBilder,
        BilderInsAlbum,
        Titel,
        Register,
        Inhaltsverzeichnis,
        Copyright,
    };

    explicit Startpanel(Bearbeitungskontext &kontext);

Q_SIGNALS:
    void gewaehlt(authoring::Startpanel::Eintrag eintrag);
};

} // namespace authoring
