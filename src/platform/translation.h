#pragma once
// The program speaks German; under another locale it shows the translation built into
// it for that language, where there is one (":/i18n/pagora_<language>.qm").
#include <QLocale>

class QCoreApplication;

namespace platform {

// Installs the translation for the locale's interface languages on the application;
// false (and German) when none fits. The application keeps the translator.
bool installTranslation(QCoreApplication &app, const QLocale &locale = QLocale());

} // namespace platform
