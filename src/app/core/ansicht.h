#pragma once
// The reader's own view preferences: how large the book is drawn and whether a turned
// page can be seen turning. They belong to the person at the screen, not to the
// project, so they live in the user's configuration (group "Ansicht"), never in a
// project's settings file.
#include <QString>

class QSettings;

namespace app {

struct Buchgroesse {
    enum class Art { Passend, Original, Faktor };
    Art art = Art::Original;
    double faktor = 1.0; // only for Art::Faktor

    static Buchgroesse ausText(const QString &text); // unknown text: Passend
    QString alsText() const;
    bool operator==(const Buchgroesse &) const = default;
};

// The fixed factors offered besides "Passend" and "Original".
inline constexpr double kFesteFaktoren[] = {1.5, 2.0, 3.0};

// The largest factor, in quarter steps, at which a screen of so many device pixels
// still holds the book and its tabs as an 800 x 600 screen does; never below 1.
double PassenderFaktor(int breite, int hoehe);

// The factor the book is drawn at on a screen of so many device pixels: a fixed
// factor is held to what the screen holds ("Passend").
double Zeichenfaktor(const Buchgroesse &groesse, int breite, int hoehe);

struct Ansicht {
    // The defaults of a window built without preferences: the exact pixel layout,
    // pages turned without animation.
    Buchgroesse buchgroesse;
    bool blaetternZeigen = false;

    // The reader's preferences; absent keys mean "Passend" and visible page turning.
    static Ansicht lesen(QSettings &vorlieben);
    void schreiben(QSettings &vorlieben) const;
};

} // namespace app
