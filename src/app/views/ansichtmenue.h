#pragma once
// "Buchgröße" and "Blättern zeigen" in the view menu. A choice is the reader's own: it
// is kept in the user's configuration at once. Page turning follows the tick mark
// straight away; a new book size is drawn from the next start, as the whole screen is
// laid out for it.
#include "app/core/ansicht.h"
#include "platform/meldungen.h"

#include <QObject>

class QMenu;

namespace app {

class AnsichtMenue : public QObject {
    Q_OBJECT
public:
    // `passend`: the fitting factor of this screen, the largest step offered.
    AnsichtMenue(QMenu &ansicht, Ansicht &werte, double passend, platform::Meldungen &meldungen);

private:
    void buchgroesseWaehlen(const Buchgroesse &groesse);
    void sichern() const;

    Ansicht &werte_;
    platform::Meldungen &meldungen_;
};

} // namespace app
