#include "authoring/views/aufgabenpanel.h"

#include "authoring/views/tbearbeitung.h"

namespace authoring {

Aufgabenpanel::Aufgabenpanel(TBearbeitung &fenster, const QString &name) : fenster_(fenster) {
    setObjectName(name);
    setAccessibleName(name);
}

} // namespace authoring
