#pragma once
// The reader's process-wide state: the open project's and the reader's own view
// preferences. The application owns one; tests build a fresh one.
#include "app/core/ansicht.h"
#include "project/core/zustand.h"

namespace app {

struct Zustand : projekt::Zustand {
    using projekt::Zustand::Zustand;

    Ansicht ansicht; // the reader's view preferences, read at start
};

} // namespace app
