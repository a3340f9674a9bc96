#pragma once
// The five register tabs as the author edits them: per tab a caption, the book part it
// points into and a page within that part, read from and stored into the settings
// (Sheet1..5, Mark1..5).
#include "project/core/einstellungen.h"

#include <QString>
#include <array>

namespace authoring {

constexpr int kGriffAnzahl = 5;

enum class Buchteil { Keiner, Text, Bilder, Hilfe };

struct Griffzeile {
    QString text;
    Buchteil teil = Buchteil::Keiner;
    QString seite; // the page within the part, as typed
};

struct Griffziel {
    QString text;  // empty: the tab is dropped
    int seite = 0; // page-number scheme of the book
};

// The part a stored target page lies in; a page outside the three parts leaves `bisher`.
Buchteil TeilDerSeite(int seite, Buchteil bisher);

// A row's caption and target page. A row without a part loses its caption. The page
// field is read as a signed number (0 when it is none) and held within its part.
Griffziel Griffdaten(const Griffzeile &zeile);

// The rows from the settings; a row keeps its part where the stored page names none.
std::array<Griffzeile, kGriffAnzahl> GriffzeilenLesen(const projekt::Einstellungen &e,
                                                      const std::array<Buchteil, kGriffAnzahl> &bisher);

// Sheet<k> := the row's caption; Mark<k> := its page when the caption is not empty.
void GriffeEintragen(projekt::Einstellungen &e, const std::array<Griffzeile, kGriffAnzahl> &zeilen);

} // namespace authoring
