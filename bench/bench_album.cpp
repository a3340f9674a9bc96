// The picture list editor and album production as the author runs them in the window:
//  - opening the editor on a project of 5,000 listed pictures and 500 new files;
//  - album production of 200 pictures of 1600 x 1200 through the window (the spread and
//    the percentage shown as it goes) against `pagora-tool album` on the same data, and
//    against the production engine alone in this process (what showing the work costs).
#include "app/views/meldungen.h"
#include "app/views/timageform.h"
#include "authoring/core/albumproduktion.h"
#include "authoring/core/textimport.h"
#include "authoring/views/bilderlisteneditor.h"
#include "authoring/views/tbearbeitung.h"
#include "median.h"
#include "platform/fonts.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

class OhneBoxen : public app::Meldungen {
public:
    void zeigen(Art, const QString &) override {}
    bool okAbbrechen(const QString &) override { return true; }
};

struct Programm {
    Programm(const QString &wurzel, platform::ScreenInfo info) : screen(info) {
        zustand.programmDatei = zustand.dateien.stored(wurzel + "/Bench.exe");
        form = std::make_unique<app::TImageForm>(zustand, screen, boxen);
        bearbeitung = std::make_unique<authoring::TBearbeitung>(zustand, screen, boxen);
        form->setFenster(nullptr, bearbeitung.get());
        form->eroeffnungAnhalten();
        form->show();
    }
    app::Zustand zustand;
    platform::SimulatedScreen screen;
    OhneBoxen boxen;
    std::unique_ptr<app::TImageForm> form;
    std::unique_ptr<authoring::TBearbeitung> bearbeitung;
};

void schreiben(const QString &pfad, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QFile f(pfad);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

// A data root with the project "Bench"; its album's bitmaps are links to `vorlage`.
void wurzelAnlegen(const QString &wurzel, const QString &hilfe, const QString &vorlage, int gelistet, int neu) {
    QDir().mkpath(wurzel + "/Help");
    QDir().mkpath(wurzel + "/Bench/Album");
    QFile::copy(hilfe + "/Album0.bmp", wurzel + "/Help/Album0.bmp");
    schreiben(wurzel + "/names.exe", "");
    schreiben(wurzel + "/Bench.ini", "Path=Bench\\\r\nTitle=Bench\r\nShowCBT=0\r\n");
    QByteArray liste;
    for (int i = 0; i < gelistet + neu; ++i) {
        const QString name = QStringLiteral("Bild%1").arg(i, 5, 10, QChar('0'));
        const QString pfad = wurzel + "/Bench/Album/" + name + ".bmp";
        if (link(vorlage.toLocal8Bit().constData(), pfad.toLocal8Bit().constData()) != 0) QFile::copy(vorlage, pfad);
        if (i < gelistet) liste += (name + ":Bild " + QString::number(i) + "\r\n").toLatin1();
    }
    schreiben(wurzel + "/Bench/Pages/Bench.3", liste);
}

QImage muster(int w, int h) {
    QImage bild(w, h, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            bild.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    return bild;
}

void editorMessen(const QString &ordner, const QString &hilfe) {
    const QString vorlage = ordner + "/klein.bmp";
    muster(640, 480).save(vorlage, "BMP");
    const QString wurzel = ordner + "/editor";
    wurzelAnlegen(wurzel, hilfe, vorlage, 5000, 500);
    std::vector<double> zeiten;
    int neue = 0;
    for (int lauf = 0; lauf < 5; ++lauf) {
        Programm p(wurzel, {1920, 1080, 96});
        p.bearbeitung->neueBilderAufnehmen();
        QElapsedTimer uhr;
        uhr.start();
        p.bearbeitung->TimerBilderlisteTimer();
        QCoreApplication::processEvents(); // the editor painted
        zeiten.push_back(double(uhr.nsecsElapsed()) / 1e6);
        neue = int(p.bearbeitung->listeneditor()->neueBilder().size());
    }
    std::printf("Bilderliste öffnen, 5000 gelistete Bilder und %d neue Dateien (Median aus 5)\n", neue);
    std::printf("  Öffnen bis gezeichnet %8.1f ms   (Ziel: unter 300 ms)\n", median(zeiten));
}

void albumMessen(const QString &ordner, const QString &hilfe, const QString &werkzeug) {
    const QString vorlage = ordner + "/gross.bmp";
    muster(1600, 1200).save(vorlage, "BMP");
    const QString wurzel = ordner + "/album";
    wurzelAnlegen(wurzel, hilfe, vorlage, 200, 0);
    std::vector<double> fenster, tool, motor;
    int bilder = 0;
    for (int lauf = 0; lauf < 3; ++lauf) {
        QElapsedTimer uhr;
        uhr.start();
        QProcess prozess;
        prozess.setStandardOutputFile(QProcess::nullDevice());
        prozess.start(werkzeug, {"--root", wurzel, "--name", "Bench", "album"});
        prozess.waitForFinished(600000);
        const int ende = prozess.exitCode();
        tool.push_back(double(uhr.nsecsElapsed()) / 1e6);
        if (ende != 0) {
            std::printf("Album: pagora-tool ist gescheitert (%d)\n", ende);
            return;
        }
        Programm p(wurzel, {1920, 1080, 96});
        p.form->SeitenZeigen(0);
        QCoreApplication::processEvents();
        uhr.restart();
        p.bearbeitung->bilderInsAlbum();
        fenster.push_back(double(uhr.nsecsElapsed()) / 1e6);
        bilder = p.zustand.BilderAnzahl;
        const authoring::Albumauftrag auftrag{
            p.zustand.ort,
            static_cast<const authoring::Bearbeitungskontext &>(*p.bearbeitung).buch()->Bilderliste().zeilen()};
        const authoring::Importmasse masse = authoring::Importmasse::Bildschirm();
        uhr.restart();
        authoring::AlbumBearbeiten(p.zustand.dateien, auftrag, masse.inhalt);
        motor.push_back(double(uhr.nsecsElapsed()) / 1e6);
    }
    const double f = median(fenster), t = median(tool), m = median(motor);
    std::printf("Albumherstellung, %d Bilder 1600 x 1200 (Median aus 3)\n", bilder);
    std::printf("  im Fenster            %8.1f ms\n  pagora-tool album     %8.1f ms\n", f, t);
    std::printf("  nur die Herstellung   %8.1f ms (ohne Anzeige, im selben Prozess)\n", m);
    std::printf("  Fenster / Werkzeug    %8.2fx   (Ziel: höchstens 1.2x)\n", f / t);
    std::printf("  Fenster / Herstellung %8.2fx\n", f / m);
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication anwendung(argc, argv);
    platform::registerBundledFonts();
    if (argc < 3) {
        std::fprintf(stderr, "Aufruf: %s HELP-ORDNER PAGORA-TOOL\n", argv[0]);
        return 2;
    }
    QTemporaryDir ordner;
    editorMessen(ordner.path(), QString::fromLocal8Bit(argv[1]));
    albumMessen(ordner.path(), QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    return 0;
}
