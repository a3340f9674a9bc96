#pragma once
// One task panel of the authoring window: a frame in the window's colour that the
// window brings to the front. Enter on the window runs the panel's OK.
#include <QFrame>

namespace authoring {

class Bearbeitungskontext;

class Aufgabenpanel : public QFrame {
    Q_OBJECT
public:
    Aufgabenpanel(Bearbeitungskontext &kontext, const QString &name);
    // The panel's OK action; a panel without one ignores Enter.
    virtual void ok() {}

protected:
    Bearbeitungskontext &kontext_;
};

} // namespace authoring
