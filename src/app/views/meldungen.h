#pragma once
// Modal message boxes, behind one interface so tests can see and answer them.
#include "platform/meldungen.h"

#include <QStringList>

class QWidget;

namespace app {

using Meldungen = platform::Meldungen;

class Meldungsboxen : public Meldungen {
public:
    explicit Meldungsboxen(QWidget *eltern = nullptr) : eltern_(eltern) {}
    void setEltern(QWidget *eltern) { eltern_ = eltern; }
    void zeigen(Art art, const QString &text) override;
    bool okAbbrechen(const QString &text) override;

private:
    QWidget *eltern_;
};

} // namespace app
