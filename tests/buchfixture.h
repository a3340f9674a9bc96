#pragma once
// The main window on a small book: 9 text pages with a heading and a picture, 40
// pictures on album spreads, 4 help pages, on a simulated 1024 x 768 screen.
#include "app/views/timageform.h"
#include "book/core/seitensatz.h"
#include "book/views/buchpanel.h"
#include "buchteile.h"
#include "fixture.h"
#include "stillemeldungen.h"

#include <QtTest>
#include <memory>

namespace testing {

inline QByteArray seitendatei(int seiten, const QMap<int, QMap<int, QByteArray>> &besondere = {}) {
    QByteArray b;
    for (int s = 1; s <= seiten; ++s) {
        book::Seitensatz satz;
        satz.setzen(1, "Seite " + QByteArray::number(s));
        for (auto it = besondere.value(s).cbegin(); it != besondere.value(s).cend(); ++it)
            satz.setzen(it.key(), it.value());
        b += satz.bytes();
    }
    return b;
}

// The reader's window alone on the data root, its opening ticked 60 times by hand.
inline void leserOeffnen(const Datenwurzel &w, const platform::Screen &screen, app::Meldungen &meldungen,
                         std::unique_ptr<app::Zustand> &zustand, std::unique_ptr<app::TImageForm> &form) {
    zustand = std::make_unique<app::Zustand>(w.dateien());
    zustand->programmDatei = w.gespeichert() + "Pagora.exe";
    form = std::make_unique<app::TImageForm>(*zustand, screen, meldungen);
    form->eroeffnungAnhalten();
    form->setFenster(nullptr, nullptr);
    for (int i = 0; i < 60; ++i)
        form->TimerAnfangTimer();
}

struct Buch {
    explicit Buch(const QStringList &ini = {}) {
        w.schreiben("names.exe", "x");
        for (const char *bild : {"CBT0", "Book", "CBTend", "Album0"})
            w.bitmap(QStringLiteral("Help/%1.bmp").arg(QLatin1String(bild)), 20, 20);
        w.text("Pagora.ini", QStringList{"ShowCBT=0"} + ini);
        w.text("Pagora/Pages/Pagora.1", {"Anfang        2", "Mitte         5"});
        w.text("Pagora/Pages/Pagora.2", {"Bilder        1"});
        w.text("Pagora/Pages/Pagora.6", {"Hilfe         1"});
        QStringList liste;
        for (int i = 0; i < 40; ++i)
            liste << QStringLiteral("B%1:Bild %1~ kurz|Hinweis %1").arg(i);
        w.text("Pagora/Pages/Pagora.3", liste);
        w.schreiben("Pagora/Pages/Pagora.5", seitendatei(9, {{3,
                                                              {{4, "\xd0"
                                                                   "Eine"},
                                                               {5, "\xd0"
                                                                   "lange"},
                                                               {6, "\xd0"
                                                                   "Ueberschrift"}}},
                                                             {5,
                                                              {{4, ":B:Turm"},
                                                               {5, "\xa4"
                                                                   "Der Turm am "},
                                                               {6, "\xa4"
                                                                   "Markt"}}}}));
        w.schreiben("Pagora/Pages/Pagora.7", seitendatei(4));
        w.bitmap("Pagora/Slides/Turm.bmp", 200, 100, Qt::darkGreen);
        w.bitmap("Pagora/Pages/Pagora004.bmp", 524, 384, Qt::blue);
        w.bitmap("Pagora/Pages/Pagora002.bmp", 524, 384, Qt::red);
        leserOeffnen(w, screen, meldungen, zustand, form);
    }
    book::BuchPanel &b() const { return *form->PanelBuch(); }
    // The book opened whole, as the reader sees it once the title has typed itself (the
    // 60 ticks above may leave it half open, its left page outside).
    void ganzOeffnen() {
        for (int i = 0; i < 1000 && (b().width() != book::BuchPanel::kBreite ||
                                     testing::kindNamens<QWidget>(*form, "PanelDeckel")->isVisible());
             ++i)
            form->TimerAnfangTimer();
    }
    // The window shown and active: keys go where its focus is, as for a user.
    void zeigen() {
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void taste(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(form->windowHandle(), k, m); }
    Datenwurzel w;
    platform::SimulatedScreen screen{{1024, 768, 96}};
    StilleMeldungen meldungen;
    std::unique_ptr<app::Zustand> zustand;
    std::unique_ptr<app::TImageForm> form;
};

} // namespace testing
