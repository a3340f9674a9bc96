#include "app/core/startlogik.h"

namespace app {

Schriftskalierung SchriftgradFuer(int ppi) {
    Schriftskalierung s;
    if (ppi <= 96) return s;
    s.skalieren = true;
    const int a = ppi / 24;
    if (a == 5)
        s.Schriftgrad = 6;
    else if (a == 6)
        s.Schriftgrad = 5;
    else if (a >= 7 && a <= 100)
        s.Schriftgrad = 3;
    s.warnen = a > 6 || ppi % 24 != 0;
    return s;
}

Eroeffnung::Schritt Eroeffnung::tick() {
    Schritt s;
    if (angezeigt_.size() < buchTitel_.size()) {
        const int anzahl = (deckelTag_ - 20) / 5;
        if (anzahl > 0 && buchTitel_.left(anzahl) != angezeigt_) {
            angezeigt_ = buchTitel_.left(anzahl);
            s.titelNeu = true;
            s.titel = angezeigt_;
        }
        ++deckelTag_;
        return s;
    }
    if (buchTakt_ < kBuchTakte) s.buchTakt = ++buchTakt_;
    return s;
}

TourBild TourTakt(int tick) {
    using A = TourBild::Art;
    switch (tick) {
    case 4: return {A::Bild, 237, 269, "CBTjump"};
    case 5: return {A::Bild, 196, 251, "CBTrun2"};
    case 6: return {A::Bild, 174, 251, "CBTrun1"};
    case 7: return {A::Bild, 112, 251, "CBTrun2"};
    case 8: return {A::Bild, 90, 251, "CBTrun1"};
    case 9: return {A::Bild, 30, 251, "CBTrun2"};
    case 10: return {A::Bildschirm5, 0, 0, {}};
    case 18: return {A::Anhalten, 0, 0, {}};
    default: return {};
    }
}

} // namespace app
