#pragma once
// Modal messages to the user, behind one interface so that every window can ask and
// tests can see and answer them.
#include <QString>

namespace platform {

class Meldungen {
public:
    enum class Art { Fehler, Information, Warnung };
    virtual ~Meldungen() = default;
    virtual void zeigen(Art art, const QString &text) = 0;  // OK button only
    virtual bool okAbbrechen(const QString &text) = 0;      // true for OK
};

} // namespace platform
