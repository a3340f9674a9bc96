#pragma once
// While a page of the book is being written on, the main window handles no keys: the
// arrows move the caret and never turn a page, Escape and the exit key do nothing.
// Installed on the main window; keys the page itself took never reach it.
#include <QObject>

namespace app {

class Tastensperre : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;
};

} // namespace app
