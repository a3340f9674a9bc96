#pragma once
// The main window and the authoring window on a fixture data root, opened as a user
// finds them: the opening run through, the authoring window wired to the book.
#include "app/core/zustand.h"
#include "app/views/timageform.h"
#include "authoring/views/tbearbeitung.h"
#include "buchfixture.h"
#include "fixture.h"
#include "platform/bitmapfile.h"
#include "stillemeldungen.h"

#include <memory>

namespace testing {

inline void fensterOeffnen(const Datenwurzel &w, const platform::Screen &screen, platform::Meldungen &meldungen,
                           std::unique_ptr<app::Zustand> &zustand, std::unique_ptr<app::TImageForm> &form,
                           std::unique_ptr<authoring::TBearbeitung> &bearbeitung) {
    zustand = std::make_unique<app::Zustand>(w.dateien());
    zustand->programmDatei = w.gespeichert() + "Pagora.exe";
    form = std::make_unique<app::TImageForm>(*zustand, screen, meldungen);
    form->eroeffnungAnhalten();
    bearbeitung = std::make_unique<authoring::TBearbeitung>(*zustand, screen, meldungen);
    form->setFenster(nullptr, bearbeitung.get());
    for (int i = 0; i < 60; ++i)
        form->TimerAnfangTimer();
    form->show();
}

// Both windows on a data root of their own, as a new author has it: the help's pictures,
// a text of four pages, the picture list `liste` and the picture Turm; no background
// picture. The boxes the program showed are kept.
struct ZweiFenster {
    void projektAnlegen(const QStringList &liste) {
        w.schreiben("names.exe", "x");
        for (const char *bild : {"CBT0", "Book"})
            w.bitmap(QStringLiteral("Help/%1.bmp").arg(QLatin1String(bild)), 20, 20);
        w.bitmap("Help/Album0.bmp", 524, 384, Qt::white);
        w.text("Pagora.ini", {"ShowCBT=0"});
        w.text("Pagora/Pages/Pagora.1", {"Anfang        2"});
        w.schreiben("Pagora/Pages/Pagora.5", seitendatei(4));
        w.text("Pagora/Pages/Pagora.3", liste);
        w.bitmap("Pagora/Album/Turm.bmp", 400, 300, Qt::darkBlue);
    }
    void oeffnen() {
        fensterOeffnen(w, screen, meldungen, zustand, form, bearbeitung);
        form->activateWindow();
    }
    QStringList boxen() const {
        QStringList t;
        for (const auto &[art, text] : meldungen.boxen)
            t << text;
        return t;
    }
    Datenwurzel w;
    platform::SimulatedScreen screen{{1024, 768, 96}};
    Meldungsaufzeichnung meldungen;
    std::unique_ptr<app::Zustand> zustand;
    std::unique_ptr<app::TImageForm> form;
    std::unique_ptr<authoring::TBearbeitung> bearbeitung;
};

// The thumbnail in cell k of a spread file of the album: its middle pixel's colour.
inline QColor albumZelle(const Datenwurzel &w, const QString &datei, int k) {
    const auto bild = platform::readBitmap(w.nativ(datei));
    if (!bild) return {};
    const int x = (k % 16 < 8 ? 0 : 296) + (k % 2) * 120 + 56, y = ((k % 8) / 2) * 96 + 10;
    return bild->pixelColor(x, y);
}

} // namespace testing
