#pragma once
// Which spread shows what: the decision taken each time the book is laid open at a
// page, apart from the widgets that carry it out.
#include "book/core/blaettern.h"
#include "book/core/buchseite.h"

namespace book {

// The tour's screens laid on the cover, -6 .. -2.
enum class Tourbild { Keins, Sitzen, Rand, Arm, Engel, Ende };

struct Aufschlag {
    int verlangt = 0;       // the page asked for; a cover screen without the cover: 0
    Buchseite seite;        // the page shown: an odd page gives way to its spread's right page
    bool tourFigur = false; // the tour figure on the book
    bool deckblatt = false; // the cover's title, subtitle and tick box
    bool textLinks = false; // the page memos
    bool textRechts = false;
    bool seitenzahlen = false; // the numbers above the pages
    enum class Einband { Bleibt, Umschlag, Buch } einband = Einband::Bleibt;
    int inhaltTeil = 0;              // 1..3: that part's contents list shown, 0: none
    Tourbild tour = Tourbild::Keins; // the tour's screen; its figure only with tourFigur
};

// The spread for page n. `umschlag`: the cover picture exists (without it the cover
// and tour screens open the text's contents instead); `tourAn`: the tour is wanted;
// `buchbildGeladen`: the book picture, not the cover, lies on the panel now.
Aufschlag AufschlagFuer(int n, const Buchumfang &umfang, bool umschlag, bool tourAn, bool buchbildGeladen);

} // namespace book
