#pragma once
// The tool's own texts: German, or through Werkzeug::tr the translation the locale
// chooses. The page listing's markers ("--- Seite", "[Bild]") are a format and stay.
#include <QCoreApplication>

struct Werkzeug {
    Q_DECLARE_TR_FUNCTIONS(Werkzeug)
};
