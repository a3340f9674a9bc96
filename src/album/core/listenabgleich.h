#pragma once
// The picture list compared with the bitmaps in the project's "Album\" folder: which
// listed pictures have no bitmap any more, and which bitmaps are not listed yet.
#include "platform/files.h"

#include <QStringList>

namespace album {

struct NeuesBild {
    QString name;  // the file name up to its first "."
    QString datei; // the file name itself ("Foto.alt.bmp")
};

struct Listenabgleich {
    int VorhandeneBilder = 0; // lines whose picture exists
    QStringList fehlende;     // names without a bitmap, from the last line to the first
    QList<NeuesBild> neue;    // bitmaps no line names, sorted by name ignoring case
    QStringList langeNamen;   // names of new bitmaps longer than 40 characters, last first
};

// Compares `zeilen` with "<projektVerzeichnis>Album\*.bmp"; the folder is listed once.
// The project's background picture `hintergrund` is never offered as a new picture.
Listenabgleich ListeAbgleichen(const platform::Files &dateien, const QString &projektVerzeichnis,
                               const QStringList &zeilen, const QString &hintergrund = {});

// Names joined with ", " for a message box, cut to at most 253 characters.
QString NamenFuerMeldung(const QStringList &namen);

} // namespace album
