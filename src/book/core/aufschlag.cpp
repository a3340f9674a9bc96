#include "book/core/aufschlag.h"

namespace book {

Aufschlag AufschlagFuer(int n, const Buchumfang &umfang, bool umschlag, bool tourAn, bool buchbildGeladen) {
    if (n < 0 && !umschlag) n = 0;
    Aufschlag a;
    a.verlangt = n;
    a.tourFigur = n <= -2 && tourAn;
    a.deckblatt = n < 0 && n != -3;
    a.textLinks = n >= 0 || n == -3;
    a.textRechts = (n > 0 && n <= umfang.TextSeitenZahl) || (n > 2000 && n <= umfang.HilfeSeitenZahl + 2000);
    if (buchbildGeladen && a.deckblatt)
        a.einband = Aufschlag::Einband::Umschlag;
    else if (n >= 0 || (n == -3 && !buchbildGeladen))
        a.einband = Aufschlag::Einband::Buch;
    a.seitenzahlen = n % 1000 > 0;
    if (n >= 0 && n % 1000 == 0) a.inhaltTeil = n / 1000 + 1;
    switch (n) {
    case -6:
        a.tour = Tourbild::Sitzen;
        a.textLinks = false;
        break;
    case -5: a.tour = Tourbild::Rand; break;
    case -4: a.tour = Tourbild::Arm; break;
    case -3:
        a.tour = Tourbild::Engel;
        a.inhaltTeil = 1;
        break;
    case -2:
        a.tour = Tourbild::Ende;
        a.textLinks = false;
        break;
    default: break;
    }
    if (n > 0 && n % 1000 != 0 && n % 2 != 0) ++n;
    a.seite = {n};
    return a;
}

} // namespace book
