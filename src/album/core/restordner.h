#pragma once
// Moving a picture out of the album into the project's "Rest\" folder.
#include "platform/files.h"

namespace album {

struct Restergebnis {
    enum class Status { Verschoben, Fehler };
    Status status = Status::Fehler;
    QString ziel;           // the file name it has in "Rest\"
    bool umbenannt = false; // "Rest\" already held a file of that name
};

// Moves "Album\<datei>" to "Rest\<datei>", making "Rest\" when it is missing. A file
// of that name already in "Rest\" is never replaced: the picture then gets the first
// free name "<stem> (2).bmp", "<stem> (3).bmp" ...
Restergebnis InRestVerschieben(const platform::Files &dateien, const QString &projektVerzeichnis, const QString &datei);

} // namespace album
