#pragma once
// Modal message boxes, behind one interface so tests can see and answer them.
#include <QString>
#include <QStringList>

class QWidget;

namespace app {

class Meldungen {
public:
    enum class Art { Fehler, Information, Warnung };
    virtual ~Meldungen() = default;
    virtual void zeigen(Art art, const QString &text) = 0;  // OK button only
    virtual bool okAbbrechen(const QString &text) = 0;      // true for OK
};

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
