// The text import through the authoring window against the same import as
// pagora-tool runs it, in one process and alternating, on a 5 MB German text: the
// window's path (progress box, contents memo, saving the contents) may cost at most
// 1.2 times the tool's path; with hyphenation the import may cost at most 1.5 times
// the import without it.
//   pagora_bench_import ROOT buch.txt   (ROOT: a built data root with the project Quarn)
#include "app/core/zustand.h"
#include "authoring/core/importlauf.h"
#include "authoring/views/importablauf.h"
#include "authoring/views/inhaltsbearbeitung.h"
#include "authoring/views/tbearbeitung.h"
#include "leeresbuch.h"
#include "median.h"
#include "platform/cp1252.h"
#include "platform/fonts.h"
#include "platform/screen.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace {

class Stumm : public platform::Meldungen {
public:
    void zeigen(Art, const QString &) override {}
    bool okAbbrechen(const QString &) override { return true; }
};

class Buch : public testing::LeeresBuch {
public:
    Buch() { flaeche.show(); }
};

double ms(const QElapsedTimer &uhr) {
    return double(uhr.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication anwendung(argc, argv);
    platform::registerBundledFonts();
    if (argc < 3) {
        std::fprintf(stderr, "Aufruf: pagora_bench_import WURZEL buch.txt\n");
        return 2;
    }
    QTemporaryDir arbeit;
    QProcess::execute("cp", {"-r", QString::fromLocal8Bit(argv[1]), arbeit.path() + "/wurzel"});
    QFile quelle(QString::fromLocal8Bit(argv[2]));
    if (!quelle.open(QIODevice::ReadOnly)) return 1;
    QByteArray eins = platform::toCp1252(QString::fromUtf8(quelle.readAll()));
    eins.replace("\n", "\r\n");
    QByteArray text;
    while (text.size() < 5 * 1024 * 1024)
        text += eins;
    const QString datei = arbeit.path() + "/text.txt";
    QFile aus(datei);
    aus.open(QIODevice::WriteOnly);
    aus.write(text);
    aus.close();

    app::Zustand z;
    const QString wurzel = z.dateien.stored(arbeit.path() + "/wurzel/");
    z.ortSetzen({wurzel, "Quarn", "Quarn\\", {}});
    platform::SimulatedScreen screen({1920, 1080, 96});
    Stumm stumm;
    Buch buch;
    authoring::TBearbeitung fenster(z, screen, stumm);
    fenster.setBuch(&buch);

    auto werkzeugweg = [&](bool trennen) {
        QElapsedTimer uhr;
        uhr.start();
        const auto lauf =
            authoring::TextImportieren(z, {datei, false, true, trennen}, authoring::Bildwerkzeuge::mitGui(), {});
        if (lauf.status != authoring::Importlauf::Status::Fertig) std::fprintf(stderr, "Import fehlgeschlagen\n");
        return ms(uhr);
    };
    auto fensterweg = [&] {
        QElapsedTimer uhr;
        uhr.start();
        z.Bearbeitungsteil = 1;
        authoring::Buchmachen(fenster, z.dateien.stored(datei), false);
        fenster.inhaltsbearbeitung().PanelSaveContentsClick();
        return ms(uhr);
    };
    std::vector<double> werkzeug, imFenster, mitTrennung, quotient, trennQuotient;
    werkzeugweg(true); // the patterns are read once per run of the program
    for (int runde = 0; runde < 7; ++runde) {
        const double w = werkzeugweg(false), f = fensterweg(), t = werkzeugweg(true);
        werkzeug.push_back(w);
        imFenster.push_back(f);
        mitTrennung.push_back(t);
        quotient.push_back(f / w);
        trennQuotient.push_back(t / w);
    }
    std::printf("Import von %.1f MB, Median aus 7 abwechselnden Läufen\n", text.size() / 1048576.0);
    std::printf("  wie pagora-tool            %8.1f ms\n", median(werkzeug));
    std::printf("  im Fenster (mit Speichern) %8.1f ms   Verhältnis %.2fx (Ziel: höchstens 1.2x)\n", median(imFenster),
                median(quotient));
    std::printf("  mit Silbentrennung         %8.1f ms   Verhältnis %.2fx (Ziel: höchstens 1.5x)\n",
                median(mitTrennung), median(trennQuotient));
    return 0;
}
