#include "app/views/tastensperre.h"

#include <QEvent>

namespace app {

bool Tastensperre::eventFilter(QObject *obj, QEvent *event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) return true;
    return QObject::eventFilter(obj, event);
}

} // namespace app
