#pragma once
// Which command a click on the image menu picture (512 × 65, eight cells of 64) means.
namespace app {

enum class MenueBefehl {
    Keiner,
    Bearbeitung,
    Lesen,
    Album,
    Hilfe,
    Suchen,
    Bildlauf,
    Drucken,
    Hintergrundbild,
    Windowsstil,
    Beenden
};

// x, y relative to the picture. While a tour screen from -3 down is shown only
// the exit cell works.
inline MenueBefehl MenueZelle(int x, int y, int aktuelleSeite) {
    if (x < 0 || x >= 512) return MenueBefehl::Keiner;
    const int zelle = x / 64;
    if (aktuelleSeite < -2 && zelle != 7) return MenueBefehl::Keiner;
    switch (zelle) {
    case 0: return MenueBefehl::Bearbeitung;
    case 1: return MenueBefehl::Lesen;
    case 2: return MenueBefehl::Album;
    case 3: return MenueBefehl::Hilfe;
    case 4: return MenueBefehl::Suchen;
    case 5: return MenueBefehl::Bildlauf;
    case 6:
        if (x - 384 <= 38) return MenueBefehl::Drucken;
        return y <= 32 ? MenueBefehl::Hintergrundbild : MenueBefehl::Windowsstil;
    default: return MenueBefehl::Beenden;
    }
}

} // namespace app
