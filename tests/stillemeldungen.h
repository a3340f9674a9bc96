#pragma once
// Helpers for tests that drive the windows: message boxes that answer themselves,
// and what a user would see.
#include "app/views/meldungen.h"

#include <QWidget>

namespace testing {

class StilleMeldungen : public app::Meldungen {
public:
    void zeigen(Art, const QString &) override {}
    bool okAbbrechen(const QString &) override { return true; }
};

// Records every message and question; questions get `antwort`.
class Meldungsaufzeichnung : public app::Meldungen {
public:
    void zeigen(Art art, const QString &text) override { boxen << qMakePair(art, text); }
    bool okAbbrechen(const QString &text) override {
        fragen << text;
        return antwort;
    }
    QList<QPair<Art, QString>> boxen;
    QStringList fragen;
    bool antwort = true;
};

// What a user would see: the widget is shown within its window.
inline bool sichtbar(const QWidget *w) {
    return w->isVisibleTo(w->window());
}

} // namespace testing
