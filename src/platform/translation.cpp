#include "platform/translation.h"

#include <QCoreApplication>
#include <QTranslator>

namespace platform {

bool installTranslation(QCoreApplication &app, const QLocale &locale) {
    auto *uebersetzung = new QTranslator(&app);
    // German is the source language: a German locale needs no file.
    if (locale.language() == QLocale::German || !uebersetzung->load(locale, "pagora", "_", ":/i18n")) {
        delete uebersetzung;
        return false;
    }
    return QCoreApplication::installTranslator(uebersetzung);
}

} // namespace platform
