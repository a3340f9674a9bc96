#include "project/core/zustand.h"

namespace projekt {

void Zustand::ortSetzen(const Projektort &neu) {
    ort = neu;
    StammVerzeichnis = neu.stamm;
    ProgrammName = neu.name;
    ProjektPfad = neu.pfad;
    ProjektVerzeichnis = neu.ordner();
    HilfeVerzeichnis = neu.hilfeOrdner();
    TextSeitenDateiName = neu.textSeiten();
    HilfeSeitenDateiName = neu.hilfeSeiten();
}

} // namespace projekt
