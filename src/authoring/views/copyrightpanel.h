#pragma once
// Panel 10: the copyright page, written directly on the left page of the reading part's
// contents spread and saved as "Pages\<name>.4". While the author writes, the main
// window turns no pages on the arrow keys.
#include "authoring/views/aufgabenpanel.h"

class QPushButton;

namespace authoring {

class Copyrightpanel : public Aufgabenpanel {
    Q_OBJECT
public:
    // The rows the page shows.
    static constexpr int kSeitenZeilen = 29;

    explicit Copyrightpanel(Bearbeitungskontext &kontext);

    void PanelCopyrightClick();
    void PanelSaveClick();
    void ok() override { PanelSaveClick(); }
    // Ends the writing without saving; the typed text stays on the page until the page
    // is shown again.
    void beenden();
    bool CopyrightBearbeitung() const { return bearbeitung_; }

private:
    QPushButton *PanelSave;
    QPushButton *BitBtn6;
    QString seitendatei() const;
    bool bearbeitung_ = false;
};

} // namespace authoring
