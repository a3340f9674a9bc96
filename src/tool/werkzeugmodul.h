#pragma once
// The tool's modules: the parts of pagora-tool that need Qt's picture or window
// libraries, loaded only by the commands that use them.
#include <QFunctionPointer>
#include <QString>

// The function `befehl` of the module `modul` ("pagora-tool-befehle"), beside the tool in
// the build's data root or, installed, in the program's folder; null when neither has it.
QFunctionPointer werkzeugmodul(const QString &werkzeugOrdner, const QString &modul, const char *befehl);

// What the tool says when its commands module is not where it belongs.
QString befehlsmodulFehlt();
