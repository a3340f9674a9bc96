#pragma once
// The four title elements of a project as the settings hold them: the screen title
// with its shadow (main window coordinates), the book title and the subtitle on the
// cover (coordinates within the book). Font sizes are points at 96 dpi, before the
// scaling for large-font screens.
#include "project/core/einstellungen.h"

namespace projekt {

struct Titelgestaltung {
    QString titel;
    int titelLinks = 0;
    int titelOben = 0;
    int titelGroesse = 0;
    int schattenLinks = 0;
    int schattenOben = 0;
    int buchtitelOben = 0;
    int buchtitelGroesse = 0;
    QString untertitel;
    int untertitelOben = 0;
    int untertitelGroesse = 0;

    static Titelgestaltung aus(const Einstellungen &e);
    // Fills the eleven keys of the title (texts cut to 200 characters).
    void eintragen(Einstellungen &e) const;
    bool operator==(const Titelgestaltung &) const = default;
};

} // namespace projekt
