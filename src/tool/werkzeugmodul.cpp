#include "tool/werkzeugmodul.h"

#include "tool/werkzeug.h"

#include <QCoreApplication>
#include <QLibrary>

QFunctionPointer werkzeugmodul(const QString &werkzeugOrdner, const QString &modul, const char *befehl) {
    for (const QString &ort : {werkzeugOrdner + '/' + modul, werkzeugOrdner + "/" PAGORA_MODULE_AUS_BIN "/" + modul}) {
        QLibrary bibliothek(ort);
        if (QFunctionPointer f = bibliothek.resolve(befehl)) return f;
    }
    return nullptr;
}

QString befehlsmodulFehlt() {
    return Werkzeug::tr("Der Teil von pagora-tool, der Bilder liest und schreibt (pagora-tool-befehle.so), fehlt "
                        "neben %1; bitte installieren Sie Pagora neu.")
        .arg(QCoreApplication::applicationDirPath());
}
