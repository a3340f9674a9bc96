// Showing a spread: SeitenZeigen plus the repaint of the main window for a text spread
// with two pictures, against one repaint of the unchanged window, at 1920 x 1080. With
// "blaettern" the same book on a 3840 x 2160 screen at the factor "Passend" gives, the
// page turn seen: the pictures taken at its start and each frame drawn.
#include "app/core/ansicht.h"
#include "app/views/buchlenkung.h"
#include "app/views/timageform.h"
#include "book/views/blaetteranimation.h"
#include "book/views/buchpanel.h"
#include "buchteile.h"
#include "platform/fonts.h"
#include "platform/screen.h"
#include "stillemeldungen.h"

#include "median.h"
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

int Blaettern(app::TImageForm &form, app::Zustand &zustand, int spread, double faktor) {
    zustand.ansicht.blaetternZeigen = true;
    book::Blaetteranimation &turn = *form.buchlenkung()->blaetteranimation();
    QImage bild(QSize(3840, 2160), QImage::Format_ARGB32_Premultiplied);
    bild.setDevicePixelRatio(faktor);
    std::vector<double> anfang, bilder;
    for (int i = 0; i < 21; ++i) {
        form.SeitenZeigen(spread == 2 ? 4 : 2);
        form.buchlenkung()->BlaetternBeenden();
        QElapsedTimer uhr;
        uhr.start();
        form.SeitenZeigen(spread);
        anfang.push_back(uhr.nsecsElapsed() / 1e6);
        // The layer is opaque: a frame repaints what of it changed since the last one.
        for (int k = 1; k <= 20; ++k) {
            turn.anhalten(k / 20.0);
            const QRect bereich = turn.Veraendert((k - 1) / 20.0, k / 20.0);
            uhr.restart();
            turn.render(&bild, turn.mapTo(&form, bereich.topLeft()), QRegion(bereich));
            bilder.push_back(uhr.nsecsElapsed() / 1e6);
        }
    }
    std::printf("Blättern gezeigt, 3840 x 2160 bei Faktor %.2f (Median aus 21 Umblättern, je 20 Bilder)\n", faktor);
    std::printf("  SeitenZeigen mit Bildern des Anfangs  %7.2f ms\n", median(anfang));
    std::printf("  ein Bild der Bewegung                 %7.2f ms   (Median; Ziel: unter 8 ms)\n", median(bilder));
    std::sort(bilder.begin(), bilder.end());
    std::printf("  95 %% der Bilder schneller als         %7.2f ms\n", bilder[bilder.size() * 95 / 100]);
    std::printf("  langsamstes Bild                      %7.2f ms\n", bilder.back());
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication anwendung(argc, argv);
    platform::registerBundledFonts();
    if (argc < 2) {
        std::fprintf(stderr, "Aufruf: %s DATENWURZEL\n", argv[0]);
        return 2;
    }
    const bool blaettern = argc > 2 && qstrcmp(argv[2], "blaettern") == 0;
    const double faktor = blaettern ? app::PassenderFaktor(3840, 2160) : 1.0;
    platform::setDrawingFactor(faktor);
    app::Zustand zustand;
    zustand.programmDatei =
        zustand.dateien.stored(QDir(QString::fromLocal8Bit(argv[1])).absoluteFilePath("Pagora.exe"));
    platform::SimulatedScreen screen(blaettern ? platform::ScreenInfo{int(3840 / faktor), int(2160 / faktor), 96}
                                               : platform::ScreenInfo{1920, 1080, 96});
    testing::StilleMeldungen still;
    app::TImageForm form(zustand, screen, still);
    form.setFenster(nullptr, nullptr);
    form.eroeffnungAnhalten();
    while (testing::kindNamens<QWidget>(form, "PanelDeckel")->isVisible() || !form.PanelBuch()->isVisibleTo(&form))
        form.TimerAnfangTimer();
    form.show();
    QCoreApplication::processEvents();

    // The first spread with two pictures.
    int spread = 0;
    for (int n = 2; n <= zustand.TextSeitenZahl && spread == 0; n += 2) {
        form.SeitenZeigen(n);
        if (form.buchlenkung()->TextbildZaehler >= 2) spread = n;
    }
    if (spread == 0) {
        std::fprintf(stderr, "Kein Aufschlag mit zwei Bildern gefunden.\n");
        return 1;
    }
    if (blaettern) return Blaettern(form, zustand, spread, faktor);
    // A repaint is the whole window painted into a frame of the screen's size.
    QImage bild(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    auto neuzeichnen = [&form, &bild] { form.render(&bild); };
    std::vector<double> zeigen, malen;
    for (int i = 0; i < 41; ++i) {
        form.SeitenZeigen(spread == 2 ? 4 : 2);
        neuzeichnen();
        QElapsedTimer uhr;
        uhr.start();
        form.SeitenZeigen(spread);
        neuzeichnen();
        zeigen.push_back(uhr.nsecsElapsed() / 1e6);
        uhr.restart();
        neuzeichnen();
        malen.push_back(uhr.nsecsElapsed() / 1e6);
    }
    const double z = median(zeigen), m = median(malen);
    std::printf("Aufschlag %d/%d mit zwei Bildern zeigen, 1920 x 1080 (Median aus 41)\n", spread - 1, spread);
    std::printf("  SeitenZeigen + Neuzeichnen   %7.2f ms   (Ziel: unter 16 ms)\n", z);
    std::printf("  Neuzeichnen allein           %7.2f ms\n", m);
    std::printf("  Verhältnis                   %7.2fx    (Ziel: unter 3x)\n", z / m);
    return 0;
}
