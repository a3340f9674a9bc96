#pragma once
// The arithmetic of start-up: the base font size for the screen, the opening
// animation (title typing, then the book opening behind the lid) and the figure
// animation of the guided tour, as logic objects that say what each tick shows.
#include <QString>

namespace app {

struct Schriftskalierung {
    int Schriftgrad = 7;
    bool warnen = false;    // show the two boxes about unsupported scaling
    bool skalieren = false; // above 96 ppi: the fonts are set to Schriftgrad
};
Schriftskalierung SchriftgradFuer(int ppi);

// Font size of a settings value: value × Schriftgrad div 7.
inline int SkalierteGroesse(int wert, int schriftgrad) {
    return int(qint64(wert) * schriftgrad / 7);
}

class Eroeffnung {
public:
    struct Schritt {
        bool titelNeu = false; // the screen title shows `titel` now
        QString titel;
        int buchTakt = 0; // 1..19: a step of the book opening; 0: none
    };
    static constexpr int kBuchTakte = 19;

    explicit Eroeffnung(QString buchTitel) : buchTitel_(std::move(buchTitel)) {}
    Schritt tick();
    bool fertig() const { return buchTakt_ >= kBuchTakte; }
    // Width of the lid panel after book step k (2..18): 20 narrower each step.
    static int DeckelBreite(int k) { return 360 - 20 * (k - 1); }

private:
    QString buchTitel_;
    QString angezeigt_;
    int deckelTag_ = 0; // title typing
    int buchTakt_ = 0;  // book opening
};

// The tour figure: what tick n of Timer1 does. The count is never reset.
struct TourBild {
    enum class Art { Nichts, Bild, Bildschirm5, Anhalten };
    Art art = Art::Nichts;
    int x = 0;
    int y = 0;
    QString name;
};
TourBild TourTakt(int tick);

} // namespace app
