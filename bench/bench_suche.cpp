// Search and picture benchmarks, each against a reference measured in the same run:
//  - the tolerant text search through 2,000 pages for a word on the last page, against
//    `grep -c` over the same page file;
//  - the album search through 5,000 mark files, against `grep -ri` over the same files;
//  - the next picture (ImageForwardClick) for 1920 x 1080 bitmaps, load plus repaint,
//    against the plain repaint.
#include "album/views/bildansicht.h"
#include "app/views/timageform.h"
#include "book/core/seitensatz.h"
#include "platform/fonts.h"
#include "search/core/falten.h"
#include "search/core/suche.h"
#include "stillemeldungen.h"

#include "median.h"
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

double befehl(const QStringList &teile) {
    std::fflush(stdout);
    QElapsedTimer uhr;
    uhr.start();
    const pid_t kind = fork();
    if (kind == 0) {
        if (!freopen("/dev/null", "w", stdout)) _exit(127);
        std::vector<QByteArray> b;
        for (const QString &t : teile)
            b.push_back(t.toLocal8Bit());
        std::vector<char *> argv;
        for (QByteArray &t : b)
            argv.push_back(t.data());
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(kind, &status, 0);
    return uhr.nsecsElapsed() / 1e6;
}

void schreiben(const QString &pfad, const QByteArray &bytes) {
    QFile f(pfad);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

void textsuche(const QString &seitendatei, const QString &ordner) {
    QFile quelle(seitendatei);
    if (!quelle.open(QIODevice::ReadOnly)) return;
    const QByteArray buch = quelle.readAll();
    QByteArray seiten;
    while (seiten.size() < 1999 * book::kSeitensatzGroesse)
        seiten += buch;
    seiten.truncate(1999 * book::kSeitensatzGroesse);
    book::Seitensatz letzte;
    letzte.setzen(14, "Hier steht das Wort Zaunk\xf6nigsstra\xdf"
                      "e ganz am Ende.");
    seiten += letzte.bytes();
    const QString datei = ordner + "/such.5";
    schreiben(datei, seiten);
    std::vector<double> wir, grep;
    for (int lauf = 0; lauf < 9; ++lauf) {
        grep.push_back(befehl({"grep", "-c", "Zaunk", datei}));
        QElapsedTimer uhr;
        uhr.start();
        platform::RecordFile f;
        f.open(datei, book::kSeitensatzGroesse);
        const auto fund = search::SeitendateiDurchsuchen(f, search::modifiedUpcase("Zaunkönigstrasse"), true);
        wir.push_back(uhr.nsecsElapsed() / 1e6);
        if (!fund || fund->position != 2000) std::printf("Textsuche: Fund falsch!\n");
    }
    const double w = median(wir), r = median(grep);
    std::printf("Textsuche durch 2000 Seiten, schreibungstolerant (Median aus 9)\n");
    std::printf("  Pagora   %8.2f ms\n  grep -c  %8.2f ms\n  Verhältnis %6.2fx   (Ziel: höchstens 3x)\n", w, r, w / r);
}

void albumsuche(const QString &ordner) {
    const QString album = ordner + "/P/Album";
    QDir().mkpath(album);
    for (int i = 0; i < 5000; ++i) {
        const QString name = album + QStringLiteral("/Bild%1").arg(i, 4, 10, QChar('0'));
        schreiben(name + ".bmp", "BM");
        QByteArray marken;
        for (int m = 0; m < 5; ++m)
            marken += QByteArray("0100,0200,Ein Kommentar zu Bild ") + QByteArray::number(i) + " Nummer " +
                      QByteArray::number(m) + (i == 4321 && m == 3 ? " mit dem Leuchtturm" : "") + "\r\n";
        schreiben(name + ".txt", marken);
    }
    platform::Files dateien;
    const QString projekt = dateien.stored(ordner + "/P/");
    std::vector<double> wir, grep;
    for (int lauf = 0; lauf < 5; ++lauf) {
        grep.push_back(befehl({"grep", "-ri", "leuchtturm", album}));
        QElapsedTimer uhr;
        uhr.start();
        const auto funde = search::BilderDurchsuchen(dateien, projekt, search::modifiedUpcase("Leuchtturm"), true);
        wir.push_back(uhr.nsecsElapsed() / 1e6);
        if (funde.size() != 1) std::printf("Albumsuche: %d Funde statt 1!\n", int(funde.size()));
    }
    const double w = median(wir), r = median(grep);
    std::printf("Albumsuche durch 5000 Markierungsdateien (Median aus 5)\n");
    std::printf("  Pagora   %8.2f ms\n  grep -ri %8.2f ms\n  Verhältnis %6.2fx   (Ziel: höchstens 3x)\n", w, r, w / r);
}

void naechstesBild(const QString &ordner) {
    const QString wurzel = ordner + "/wurzel";
    QDir().mkpath(wurzel + "/Pagora/Album");
    QDir().mkpath(wurzel + "/Pagora/Pages");
    schreiben(wurzel + "/names.exe", "x");
    schreiben(wurzel + "/Pagora.ini", "ShowCBT=0\r\n");
    QByteArray liste;
    for (int i = 0; i < 8; ++i) {
        QImage bild(1920, 1080, QImage::Format_RGB32);
        bild.fill(QColor::fromHsv(i * 40, 120, 200));
        bild.save(wurzel + QStringLiteral("/Pagora/Album/B%1.bmp").arg(i), "BMP");
        liste += "B" + QByteArray::number(i) + ":Bild\r\n";
    }
    schreiben(wurzel + "/Pagora/Pages/Pagora.3", liste);
    app::Zustand zustand;
    zustand.programmDatei = zustand.dateien.stored(wurzel + "/Pagora.exe");
    platform::SimulatedScreen screen({1920, 1080, 96});
    testing::StilleMeldungen still;
    app::TImageForm form(zustand, screen, still);
    form.setFenster(nullptr, nullptr);
    form.eroeffnungAnhalten();
    form.show();
    zustand.BildIndex = 0;
    form.bildansicht()->BildLaden(QString());
    QImage ziel(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    std::vector<double> weiter, malen;
    for (int i = 0; i < 21; ++i) {
        if (zustand.BildIndex >= 7) {
            zustand.BildIndex = 0;
            form.bildansicht()->BildLaden(QString());
        }
        QElapsedTimer uhr;
        uhr.start();
        form.bildansicht()->ImageForwardClick();
        form.render(&ziel);
        weiter.push_back(uhr.nsecsElapsed() / 1e6);
        uhr.restart();
        form.render(&ziel);
        malen.push_back(uhr.nsecsElapsed() / 1e6);
    }
    const double w = median(weiter), m = median(malen);
    std::printf("Nächstes Bild, 1920 x 1080 (Median aus 21)\n");
    std::printf(
        "  Laden + Neuzeichnen %8.2f ms   (Ziel: unter 30 ms)\n  Neuzeichnen allein  %8.2f ms\n  Verhältnis %6.2fx\n",
        w, m, w / m);
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication anwendung(argc, argv);
    platform::registerBundledFonts();
    if (argc < 2) {
        std::fprintf(stderr, "Aufruf: %s SEITENDATEI\n", argv[0]);
        return 2;
    }
    QTemporaryDir ordner;
    textsuche(QString::fromLocal8Bit(argv[1]), ordner.path());
    albumsuche(ordner.path());
    naechstesBild(ordner.path());
    return 0;
}
