#pragma once
// The program state on a fixture data root, as the drive locator would leave it for
// programme `name`: for the tests of the application core and the windows.
#include "app/core/zustand.h"
#include "fixture.h"

namespace testing {

inline void zustandEinrichten(const Datenwurzel &w, app::Zustand &z, const QString &name = "Pagora") {
    z.StammVerzeichnis = w.gespeichert();
    z.ProgrammName = name;
    z.programmDatei = w.gespeichert() + name + ".exe";
    z.TextSeitenDateiName = w.gespeichert() + name + "\\Pages\\" + name + ".5";
    z.HilfeSeitenDateiName = w.gespeichert() + name + "\\Pages\\" + name + ".7";
}

} // namespace testing
