#pragma once
// One import of a text file into a project, as the program's import panel and
// `pagora-tool import` run it: the text is mapped rather than read, its pages go to a
// draft beside the page file as they fill, and the finished pages replace the old ones
// whole, together with the contents file when asked to, or nothing is replaced.
#include "album/core/kleinbild.h"
#include "authoring/core/textimport.h"
#include "authoring/core/textkodierung.h"
#include "project/core/zustand.h"

#include <QByteArrayView>
#include <QSize>
#include <functional>

namespace authoring {

struct Importauftrag {
    QString textDatei;             // native path of the text
    bool hilfe = false;            // the help part (page file .7, contents .6), else the reading part (.5, .1)
    bool mitInhalt = true;         // the contents file is replaced with the pages
    bool silbentrennung = false;   // split words that do not fit with a hyphen
    bool ohneFremdzeichen = false; // a UTF-8 text loses the characters Windows-1252 cannot hold
};

struct Importlauf {
    enum class Status {
        Fertig,
        TextUnlesbar,     // the text file could not be opened
        KeineTextdatei,   // a device, a pipe or a folder, not a text file
        TextZuGross,      // larger than platform::kMaxInputBytes
        Fremdzeichen,     // a UTF-8 text holds characters Windows-1252 cannot; nothing was written
        OhneTrennmuster,  // hyphenation asked for, but its patterns are missing
        Abgebrochen,      // stopped through the progress callback
        NichtGeschrieben, // `datei` could not be written; nothing was replaced
    };
    Status status = Status::Fertig;
    QString datei;        // the file the status names
    QString seitenDatei;  // stored path of the page file
    QString inhaltsDatei; // stored path of the contents file
    Importergebnis ergebnis;
    int fehlendeBilder = 0;           // pictures named in the text that could not be placed
    QList<Fremdzeichen> fremdzeichen; // with Status::Fremdzeichen: which, and where
    qsizetype fremdeStellen = 0;
};

// What the import asks of pictures with Qt's GUI library behind it, handed in by the
// caller: the command-line import loads that library only when a picture needs it.
struct Bildwerkzeuge {
    // The small copy of an album picture the text names and has none yet (album::Kleinbild).
    album::Kleinbildergebnis (*kleinbild)(const platform::Files &dateien, const QString &projektVerzeichnis,
                                          const QString &name);
    // Width and height of a picture file (platform::bitmapSize).
    std::optional<QSize> (*groesse)(const QString &nativePath);

    static Bildwerkzeuge mitGui(); // the two named above
};

// Runs the import. `bildFehler` hears the message of each picture that could not be
// placed; `fortschritt`, after each page, the bytes of the text behind the import and
// its size, and stops the import by returning false.
Importlauf TextImportieren(const projekt::Zustand &z, const Importauftrag &auftrag, const Bildwerkzeuge &werkzeuge,
                           const std::function<void(const QString &)> &bildFehler,
                           const std::function<bool(qint64, qint64)> &fortschritt = {});

// What the author should know of a finished import, one message each: source lines
// cut for want of a place to break, pages beyond 999, pictures not placed.
QStringList Importwarnungen(const Importlauf &lauf, const QString &textName);

} // namespace authoring
