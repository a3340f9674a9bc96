#pragma once
// Modal message boxes, behind one interface so tests can see and answer them. The
// boxes themselves are widgets and live with the windows (app::Meldungsboxen).
#include <QString>

namespace platform {

class Meldungen {
public:
    enum class Art { Fehler, Information, Warnung };
    virtual ~Meldungen() = default;
    virtual void zeigen(Art art, const QString &text) = 0; // OK button only
    virtual bool okAbbrechen(const QString &text) = 0;     // true for OK
    // A warning with Yes and No; true for Yes. A recorder that only knows OK and
    // Cancel answers it as such.
    virtual bool jaNein(const QString &text) { return okAbbrechen(text); }
};

} // namespace platform
