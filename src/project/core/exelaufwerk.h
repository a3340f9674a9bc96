#pragma once
// Where the running programme and its data live: the programme name, the data root
// and the two page-record files, for a hard-disk installation ("names.exe" beside
// the programme) or a programme beside a CD in one of the drives D: to Z:.
#include "platform/files.h"
#include "project/core/projektort.h"

#include <QString>

namespace projekt {

struct Laufwerksergebnis {
    enum class Status { Gefunden, KeineCd, KopierFehler };
    Status status = Status::Gefunden;
    // The programme's own project before its settings are read: the folder named
    // after it, the page files in its Pages (or beside a programme run from a CD).
    Projektort ort;
    QString fehler; // the file that could not be copied
};

// programmDatei: stored path of the running programme file ("C:\opt\pagora\Quarn").
Laufwerksergebnis ExeLaufwerk(const platform::Files &dateien, const QString &programmDatei);

// The stored path of the running programme file: argv[0] when it names a path (so a
// link named after a project keeps that name), else the executable itself.
QString laufendeProgrammDatei(const platform::Files &dateien, const char *argv0);

} // namespace projekt
