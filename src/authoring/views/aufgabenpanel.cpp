#include "authoring/views/aufgabenpanel.h"

#include "authoring/views/bearbeitungskontext.h"

namespace authoring {

Aufgabenpanel::Aufgabenpanel(Bearbeitungskontext &kontext, const QString &name) : kontext_(kontext) {
    setObjectName(name);
    setAccessibleName(name);
}

} // namespace authoring
