#pragma once
// Which page comes next when the reader turns back or forward: the one sequence
// through cover, tour, contents spreads, reading part, album and help.
#include <array>
#include <cstddef>
#include <optional>

namespace book {

// Paging through a part's contents spreads.
struct Inhaltsstand {
    int Aktuell = 1;
    int Anzahl = 1;
};

struct Buchumfang {
    int TextSeitenZahl = 0;
    int HilfeSeitenZahl = 0;
    int BilderAnzahl = 0;
};

// What a turn asks the display to do.
struct Blaetterziel {
    bool zeigen = false;        // false: nothing happens
    int seite = 0;              // the number to show
    bool danebenSetzen = false; // AktuelleSeite takes `seite` before the display
};

// Part index of a page number: n div 1000 + 1, the tour screens counting as part 1.
inline int Teil(int n) {
    return n / 1000 + 1;
}

// Turn back; may change the contents paging of the current part.
Blaetterziel ZurueckBlaettern(int aktuelleSeite, std::array<Inhaltsstand, 4> &stand, const Buchumfang &umfang);
// Turn forward. The tour screen -4 is passed through: the result is then -3.
Blaetterziel VorBlaettern(int aktuelleSeite, std::array<Inhaltsstand, 4> &stand, const Buchumfang &umfang);

// The first and the last spread of the part page n lies in: the part's contents, and the
// spread that turning back from the next part's contents shows (the help: its last
// page). Nothing on the cover and the tour.
struct Teilgrenzen {
    int anfang = 0;
    int ende = 0;
};
std::optional<Teilgrenzen> TeilGrenzen(int n, const Buchumfang &umfang);

} // namespace book
