#pragma once
// The launcher's own texts: German, or through Starter::tr the translation the locale
// chooses.
#include <QCoreApplication>

struct Starter {
    Q_DECLARE_TR_FUNCTIONS(Starter)
};
