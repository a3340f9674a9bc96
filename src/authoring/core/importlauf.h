#pragma once
// One import of a text file into a project, as the program's import panel and
// `pagora-tool import` run it: the text is mapped rather than read, its pages go to a
// draft beside the page file as they fill, and the finished pages replace the old ones
// whole, together with the contents file when asked to, or nothing is replaced.
#include "authoring/core/textimport.h"
#include "project/core/zustand.h"

#include <QByteArrayView>
#include <functional>

namespace authoring {

struct Importauftrag {
    QString textDatei;           // native path of the text
    bool hilfe = false;          // the help part (page file .7, contents .6), else the reading part (.5, .1)
    bool mitInhalt = true;       // the contents file is replaced with the pages
    bool silbentrennung = false; // split words that do not fit with a hyphen
};

struct Importlauf {
    enum class Status {
        Fertig,
        TextUnlesbar,     // the text file could not be opened
        OhneTrennmuster,  // hyphenation asked for, but its patterns are missing
        Abgebrochen,      // stopped through the progress callback
        NichtGeschrieben, // `datei` could not be written; nothing was replaced
    };
    Status status = Status::Fertig;
    QString datei;        // the file the status names
    QString seitenDatei;  // stored path of the page file
    QString inhaltsDatei; // stored path of the contents file
    Importergebnis ergebnis;
    int fehlendeBilder = 0; // pictures named in the text that could not be placed
    bool utf8 = false;      // the text looked like UTF-8; it was read as Windows-1252 all the same
};

// Runs the import. `bildFehler` hears the message of each picture that could not be
// placed; `fortschritt`, after each page, the bytes of the text behind the import and
// its size, and stops the import by returning false.
Importlauf TextImportieren(const projekt::Zustand &z, const Importauftrag &auftrag,
                           const std::function<void(const QString &)> &bildFehler,
                           const std::function<bool(qint64, qint64)> &fortschritt = {});

// What the author should know of a finished import, one message each: source lines
// cut for want of a place to break, pages beyond 999, pictures not placed, a text that
// looked like UTF-8 (`textName` names it).
QStringList Importwarnungen(const Importlauf &lauf, const QString &textName);

// Bytes that look like UTF-8: at least one sequence of several bytes and no broken
// one. A sequence cut off at the end of the bytes does not count against them.
bool SiehtNachUtf8Aus(QByteArrayView bytes);

} // namespace authoring
