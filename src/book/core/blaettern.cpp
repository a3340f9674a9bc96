#include "book/core/blaettern.h"

#include <algorithm>

namespace book {

Blaetterziel ZurueckBlaettern(int n, std::array<Inhaltsstand, 4> &stand, const Buchumfang &umfang) {
    const int t = Teil(n);
    const bool teilGueltig = t >= 1 && t <= 3;
    if (n % 1000 == 0 && teilGueltig && stand[std::size_t(t)].Aktuell > 1) {
        --stand[std::size_t(t)].Aktuell;
        return {true, n, false};
    }
    if (n == -3) return {true, -2, false};
    if (n == 0) return {true, -1, true};
    if (n >= 1) {
        if (n % 1000 == 2 && teilGueltig && stand[std::size_t(t)].Anzahl > 1)
            stand[std::size_t(t)].Aktuell = stand[std::size_t(t)].Anzahl;
        int m = n > 1 ? n - 2 : n;
        if (m == 1998) m = umfang.BilderAnzahl / 8 + 1001;
        if (m == 998) m = umfang.TextSeitenZahl;
        return {true, m, true};
    }
    return {};
}

Blaetterziel VorBlaettern(int n, std::array<Inhaltsstand, 4> &stand, const Buchumfang &umfang) {
    const int t = Teil(n);
    if (n % 1000 == 0 && t >= 1 && t <= 3 && stand[std::size_t(t)].Aktuell < stand[std::size_t(t)].Anzahl) {
        ++stand[std::size_t(t)].Aktuell;
        return {true, n, false};
    }
    if (n >= umfang.HilfeSeitenZahl + 2001) return {};
    int m = n + 1;
    if (m / 2 == umfang.TextSeitenZahl / 2 + 1) m = 1000;
    if (m / 2 == umfang.BilderAnzahl / 16 + 501) m = 2000;
    return {true, m, true};
}

std::optional<Teilgrenzen> TeilGrenzen(int n, const Buchumfang &umfang) {
    const int t = Teil(n);
    if (n < 0 || t > 3) return std::nullopt;
    const int anfang = (t - 1) * 1000;
    if (t == 3) return Teilgrenzen{anfang, anfang + std::max(umfang.HilfeSeitenZahl, 0)};
    std::array<Inhaltsstand, 4> amAnfang{}; // each part's contents on its first spread
    return Teilgrenzen{anfang, ZurueckBlaettern(anfang + 1000, amAnfang, umfang).seite};
}

} // namespace book
