#include "platform/translation.h"

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>

namespace platform {

bool installTranslation(QCoreApplication &app, const QLocale &locale) {
    // The interface languages in the user's order (LANGUAGE first, as Qt reads them):
    // the first one the program speaks wins. German is the source language and needs no
    // file, so a German entry before any other keeps German.
    for (const QString &eintrag : locale.uiLanguages()) {
        const QLocale sprache(eintrag);
        if (sprache.language() == QLocale::German) return false;
        if (sprache.language() == QLocale::C || sprache.language() == QLocale::AnyLanguage) continue;
        const QString datei =
            QStringLiteral(":/i18n/pagora_") + QLocale::languageToCode(sprache.language()) + QStringLiteral(".qm");
        if (!QFile::exists(datei)) continue;
        auto *uebersetzung = new QTranslator(&app);
        if (uebersetzung->load(datei)) return QCoreApplication::installTranslator(uebersetzung);
        delete uebersetzung;
    }
    return false;
}

} // namespace platform
