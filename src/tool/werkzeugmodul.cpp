#include "tool/werkzeugmodul.h"

#include <QLibrary>

QFunctionPointer werkzeugmodul(const QString &werkzeugOrdner, const QString &modul, const char *befehl) {
    for (const QString &ort : {werkzeugOrdner + '/' + modul, werkzeugOrdner + "/" PAGORA_MODULE_AUS_BIN "/" + modul}) {
        QLibrary bibliothek(ort);
        if (QFunctionPointer f = bibliothek.resolve(befehl)) return f;
    }
    return nullptr;
}
