#pragma once
// The program's message boxes: the interface is the platform's, the boxes are Qt's.
#include "platform/meldungen.h"

class QWidget;

namespace app {

using Meldungen = platform::Meldungen;

class Meldungsboxen : public Meldungen {
public:
    explicit Meldungsboxen(QWidget *eltern = nullptr) : eltern_(eltern) {}
    void setEltern(QWidget *eltern) { eltern_ = eltern; }
    void zeigen(Art art, const QString &text) override;
    bool okAbbrechen(const QString &text) override;
    bool jaNein(const QString &text) override;

private:
    QWidget *eltern_;
};

} // namespace app
