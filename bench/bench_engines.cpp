// Engine benchmarks, each a ratio against a reference measured in the same run:
//  - importing a 5 MB German text against `fold -s -w 49` on the same file;
//  - album production of 200 pictures of 1600 x 1200 (pagora-tool album) against
//    ImageMagick `mogrify -sample` making the same thumbnails in one process,
//    with the peak memory of the production.
#include "album/core/punktproben.h"
#include "authoring/core/albumproduktion.h"
#include "authoring/core/textimport.h"
#include "platform/cp1252.h"
#include "platform/fonts.h"

#include "median.h"
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Prozess {
    double ms = 0;
    long spitzeKiB = 0;
    bool ok = false;
};

// Runs a command with its output thrown away; wall time and peak memory.
Prozess ausfuehren(const QStringList &befehl) {
    QElapsedTimer uhr;
    std::fflush(stdout);
    uhr.start();
    const pid_t kind = fork();
    if (kind == 0) {
        freopen("/dev/null", "w", stdout);
        std::vector<QByteArray> teile;
        for (const QString &t : befehl)
            teile.push_back(t.toLocal8Bit());
        std::vector<char *> argv;
        for (QByteArray &t : teile)
            argv.push_back(t.data());
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage r{};
    wait4(kind, &status, 0, &r);
    return {double(uhr.nsecsElapsed()) / 1e6, r.ru_maxrss, WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

class OhneBilder : public authoring::Bildquelle {
public:
    std::optional<int> vorhandeneHoehe(const QByteArray &) override { return 150; }
    int Kleinbild(const QByteArray &) override { return 0; }
};

void importMessen(const QString &quelle, const QString &ordner) {
    QFile f(quelle);
    if (!f.open(QIODevice::ReadOnly)) {
        std::printf("Import: Quelltext %s fehlt\n", qPrintable(quelle));
        return;
    }
    QByteArray eins = platform::toCp1252(QString::fromUtf8(f.readAll()));
    eins.replace("\n", "\r\n");
    QByteArray text;
    while (text.size() < 5 * 1024 * 1024)
        text += eins;
    const QString datei = ordner + "/text.txt";
    QFile aus(datei);
    aus.open(QIODevice::WriteOnly);
    aus.write(text);
    aus.close();

    const authoring::Importmasse masse = authoring::Importmasse::Bildschirm();
    std::vector<double> wir, fold, reinImport;
    int seiten = 0;
    for (int lauf = 0; lauf < 9; ++lauf) {
        fold.push_back(ausfuehren({"fold", "-s", "-w", "49", datei}).ms);
        QElapsedTimer uhr;
        uhr.start();
        QFile ein(datei);
        ein.open(QIODevice::ReadOnly);
        const QByteArray gelesen = ein.readAll();
        QByteArray seitenBytes;
        seitenBytes.reserve((gelesen.size() / 700 + 2) * book::kSeitensatzGroesse);
        OhneBilder bilder;
        const auto r = authoring::Buchmachen(gelesen, masse, bilder, [&seitenBytes](const book::Seitensatz &s) {
            seitenBytes += s.bytes();
            return true;
        });
        reinImport.push_back(double(uhr.nsecsElapsed()) / 1e6);
        QFile ziel(ordner + "/text.5");
        ziel.open(QIODevice::WriteOnly);
        ziel.write(seitenBytes);
        ziel.close();
        wir.push_back(double(uhr.nsecsElapsed()) / 1e6);
        seiten = r.GeschriebeneSeiten;
    }
    const double w = median(wir), r = median(fold);
    std::printf("Import von %.1f MB (%d Seiten, Median aus 9)\n", text.size() / 1048576.0, seiten);
    std::printf("  Pagora-Import   %8.1f ms (davon Umbruch und Seiten ohne Dateien %.1f ms)\n", w, median(reinImport));
    std::printf("  fold -s -w 49   %8.1f ms\n  Verhältnis      %8.2fx   (Ziel: höchstens 4x)\n", r, w / r);
}

void albumMessen(const QString &werkzeug, const QString &hilfe, const QString &ordner) {
    // A data root with one project of 200 pictures of 1600 x 1200 (links to one bitmap).
    QDir().mkpath(ordner + "/root/Help");
    QDir().mkpath(ordner + "/root/Bench/Album");
    QDir().mkpath(ordner + "/root/Bench/Pages");
    QDir().mkpath(ordner + "/mogrify");
    QFile::copy(hilfe + "/Album0.bmp", ordner + "/root/Help/Album0.bmp");
    QFile marke(ordner + "/root/names.exe");
    marke.open(QIODevice::WriteOnly);
    marke.close();
    QFile ini(ordner + "/root/Bench.ini");
    ini.open(QIODevice::WriteOnly);
    ini.write("Path=Bench\\\r\n");
    ini.close();
    QImage bild(1600, 1200, QImage::Format_RGB888);
    for (int y = 0; y < 1200; ++y)
        for (int x = 0; x < 1600; ++x)
            bild.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    const QString vorlage = ordner + "/vorlage.bmp";
    bild.save(vorlage, "BMP");
    QStringList liste, dateien;
    for (int i = 0; i < 200; ++i) {
        const QString name = QStringLiteral("Bild%1").arg(i, 3, 10, QChar('0'));
        const QString pfad = ordner + "/root/Bench/Album/" + name + ".bmp";
        if (link(vorlage.toLocal8Bit().constData(), pfad.toLocal8Bit().constData()) != 0) QFile::copy(vorlage, pfad);
        liste << name + ":Bild " + QString::number(i);
        dateien << pfad;
    }
    QFile l(ordner + "/root/Bench/Pages/Bench.3");
    l.open(QIODevice::WriteOnly);
    l.write(platform::joinLines(liste));
    l.close();

    std::vector<double> wir, magick, speicher;
    for (int lauf = 0; lauf < 3; ++lauf) {
        const Prozess p = ausfuehren({werkzeug, "--root", ordner + "/root", "--name", "Bench", "album"});
        QStringList m{"mogrify", "-path", ordner + "/mogrify", "-sample", "100x75", "-format", "bmp"};
        const Prozess r = ausfuehren(m + dateien);
        if (!p.ok || !r.ok) {
            std::printf("Album: ein Lauf ist gescheitert (pagora-tool %s, mogrify %s)\n", p.ok ? "ok" : "FEHLER",
                        r.ok ? "ok" : "FEHLER");
            return;
        }
        wir.push_back(p.ms);
        magick.push_back(r.ms);
        speicher.push_back(double(p.spitzeKiB));
    }
    const double w = median(wir), r = median(magick), s = median(speicher) / 1024;
    const double grenze = (524 * 384 * 4 + 1600 * 1200 * 3) / 1048576.0 + 64;
    std::printf("Albumherstellung, 200 Bilder 1600 x 1200 (Median aus 3)\n");
    std::printf("  pagora-tool album     %8.1f ms\n  mogrify -sample       %8.1f ms\n", w, r);
    std::printf("  Beschleunigung        %8.2fx   (Ziel: mindestens 5x)\n", r / w);
    std::printf("  Speicherspitze        %8.1f MB  (Grenze: Aufschlag + Bild + 64 MB = %.1f MB)\n", s, grenze);
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication anwendung(argc, argv);
    platform::registerBundledFonts();
    if (argc < 4) {
        std::fprintf(stderr, "Aufruf: %s BUCHTEXT PAGORA-TOOL HELP-ORDNER\n", argv[0]);
        return 2;
    }
    QTemporaryDir ordner;
    importMessen(QString::fromLocal8Bit(argv[1]), ordner.path());
    albumMessen(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), ordner.path());
    return 0;
}
