#pragma once
// The program state on a fixture data root, as the drive locator would leave it for
// programme `name`: for the tests of the application core and the windows.
#include "app/core/zustand.h"
#include "fixture.h"

namespace testing {

inline void zustandEinrichten(const Datenwurzel &w, app::Zustand &z, const QString &name = "Pagora") {
    z.programmDatei = w.gespeichert() + name + ".exe";
    z.programmOrt = {w.gespeichert(), name, name + "\\", {}};
    z.ortSetzen(z.programmOrt);
}

} // namespace testing
