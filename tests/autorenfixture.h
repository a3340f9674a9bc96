#pragma once
// The main window and the authoring window on a fixture data root, opened as a user
// finds them: the opening run through, the authoring window wired to the book.
#include "app/core/zustand.h"
#include "app/views/timageform.h"
#include "authoring/views/tbearbeitung.h"
#include "fixture.h"

#include <memory>

namespace testing {

inline void fensterOeffnen(const Datenwurzel &w, const platform::Screen &screen, platform::Meldungen &meldungen,
                           std::unique_ptr<app::Zustand> &zustand, std::unique_ptr<app::TImageForm> &form,
                           std::unique_ptr<authoring::TBearbeitung> &bearbeitung) {
    zustand = std::make_unique<app::Zustand>(w.dateien());
    zustand->programmDatei = w.gespeichert() + "Pagora.exe";
    form = std::make_unique<app::TImageForm>(*zustand, screen, meldungen);
    form->eroeffnungAnhalten();
    bearbeitung = std::make_unique<authoring::TBearbeitung>(*zustand, screen, meldungen);
    form->setFenster(nullptr, bearbeitung.get());
    for (int i = 0; i < 60; ++i)
        form->TimerAnfangTimer();
    form->show();
}

} // namespace testing
