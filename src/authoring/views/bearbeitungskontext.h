#pragma once
// What a task panel may ask of the authoring window: the project, the book, messages,
// the screen, and the few things it does with the window itself (hide it, move it
// aside, bring another panel to the front). The window implements it; panels know
// nothing else of it.
#include "authoring/views/buchsteuerung.h"
#include "platform/meldungen.h"
#include "platform/screen.h"
#include "project/core/zustand.h"

#include <QFont>

namespace authoring {

class Fortschrittsanzeige;
class Inhaltsbearbeitung;
class Bilderlisteneditor;

// The tasks of the authoring window, each with its panel. The values are the window's
// Tag, which Enter reads to decide whether the panel in front has an OK.
enum class Aufgabe {
    Start = 1,          // one entry per task
    Albumfrage = 3,     // glue the new pictures into the album now or later
    NeuesProjekt = 4,   // programme name and folder of a new project
    Hintergrund = 5,    // the background picture
    Projektwechsel = 6, // load another project by its settings file
    Import = 7,         // the text import
    Titel = 8,          // title and subtitle
    Register = 9,       // the register tabs
    Copyright = 10,     // the copyright page
    Inhalt = 11,        // the contents just made, for retouching
    InhaltWaehlen = 12, // the contents of a part the author chooses
};

class Bearbeitungskontext {
public:
    virtual ~Bearbeitungskontext() = default;

    virtual projekt::Zustand &zustand() const = 0;
    // The book the panels show their results in; null until the main window hands it over.
    virtual Buchsteuerung *buch() const = 0;
    virtual platform::Meldungen &meldungen() const = 0;
    virtual platform::ScreenInfo bildschirm() const = 0;
    // The window's font and width, which the panels' controls follow.
    virtual QFont schrift() const = 0;
    virtual int breite() const = 0;

    // Brings the panel of `aufgabe` to the front and shows the window.
    virtual void Auswahl(Aufgabe aufgabe) = 0;
    virtual void verbergen() = 0;
    // The window into the bottom left or right corner, where it leaves the book free.
    virtual void inDieEcke(bool rechts) = 0;
    // Cancel of the task panels: ends the writing on the copyright page, takes the
    // contents memos off the book and hides the window.
    virtual void abbrechen() = 0;
    // Album production, with the progress in the book.
    virtual void bilderInsAlbum() = 0;
    // The contents of part `teil` (0 album, 1 reading part, 2 author help, 3 user help)
    // on the book for editing.
    virtual void NurInhaltsverzeichnis(int teil) = 0;
    virtual Inhaltsbearbeitung &inhaltsbearbeitung() const = 0;

    // The progress strip at the bottom of the screen (null without a book).
    virtual Fortschrittsanzeige *fortschritt() = 0;
    // The list editor has opened or given up: the progress strip goes, and the pending
    // tick that would open it is forgotten.
    virtual void listeneditorBereit() = 0;
    // The picture list editor if it was made.
    virtual Bilderlisteneditor *vorhandenerListeneditor() const = 0;

protected:
    Bearbeitungskontext() = default;
    Bearbeitungskontext(const Bearbeitungskontext &) = default;
    Bearbeitungskontext &operator=(const Bearbeitungskontext &) = default;
};

} // namespace authoring
