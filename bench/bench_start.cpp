// Start-up benchmark: time from process start to the first painted frame, and peak
// memory, of Pagora on its data root against a bare Qt window, median of several runs.
#include "median.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Lauf {
    double millisekunden = 0;
    long spitzeKiB = 0;
    bool ok = false;
};

Lauf starten(const std::string &programm, const std::string &ordner) {
    int rohr[2];
    if (pipe(rohr) != 0) return {};
    const auto beginn = std::chrono::steady_clock::now();
    const pid_t kind = fork();
    if (kind == 0) {
        dup2(rohr[1], STDOUT_FILENO);
        close(rohr[0]);
        if (chdir(ordner.c_str()) != 0) _exit(127);
        setenv("PAGORA_BENCH_ERSTES_BILD", "1", 1);
        execl(programm.c_str(), programm.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    close(rohr[1]);
    Lauf lauf;
    std::string gelesen;
    char puffer[256];
    ssize_t n;
    // A program that never reports its first frame is ended after ten seconds.
    pollfd warten{rohr[0], POLLIN, 0};
    while (gelesen.find("erstes-bild") == std::string::npos && poll(&warten, 1, 10000) > 0 &&
           (n = read(rohr[0], puffer, sizeof puffer)) > 0)
        gelesen.append(puffer, size_t(n));
    if (gelesen.find("erstes-bild") == std::string::npos) kill(kind, SIGKILL);
    lauf.millisekunden = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - beginn).count();
    close(rohr[0]);
    int status = 0;
    rusage verbrauch{};
    wait4(kind, &status, 0, &verbrauch);
    lauf.spitzeKiB = verbrauch.ru_maxrss;
    lauf.ok = gelesen.find("erstes-bild") != std::string::npos && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return lauf;
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 3) {
        std::fprintf(stderr, "Aufruf: %s DATENWURZEL BARE_WINDOW [LAEUFE]\n", argv[0]);
        return 2;
    }
    // The children change into the data root, so relative paths are resolved first.
    const auto absolut = [](const char *pfad) {
        char *voll = realpath(pfad, nullptr);
        const std::string ergebnis = voll ? voll : pfad;
        std::free(voll);
        return ergebnis;
    };
    const std::string wurzel = absolut(argv[1]);
    const std::string bare = absolut(argv[2]);
    const int laeufe = argc > 3 ? std::max(5, std::atoi(argv[3])) : 9;
    if (!getenv("QT_QPA_PLATFORM") && !getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 1);

    std::vector<double> zeitP, zeitB, speicherP, speicherB, verhaeltnis;
    for (int i = 0; i < laeufe; ++i) {
        // Alternate so that both see the same machine state; each pair gives one ratio.
        const Lauf b = starten(bare, wurzel);
        const Lauf p = starten(wurzel + "/Pagora.exe", wurzel);
        if (!b.ok || !p.ok) {
            std::fprintf(stderr, "Lauf %d gescheitert (Pagora %s, Referenz %s)\n", i, p.ok ? "ok" : "FEHLER",
                         b.ok ? "ok" : "FEHLER");
            return 1;
        }
        zeitP.push_back(p.millisekunden);
        zeitB.push_back(b.millisekunden);
        speicherP.push_back(double(p.spitzeKiB));
        speicherB.push_back(double(b.spitzeKiB));
        verhaeltnis.push_back(p.millisekunden / b.millisekunden);
    }
    const double tp = median(zeitP), tb = median(zeitB), mp = median(speicherP), mb = median(speicherB);
    std::printf("Start bis zum ersten Bild (%d Paare, %s)\n", laeufe,
                getenv("QT_QPA_PLATFORM") ? ("Plattform " + std::string(getenv("QT_QPA_PLATFORM"))).c_str()
                                          : ("X-Anzeige " + std::string(getenv("DISPLAY"))).c_str());
    std::printf("  Pagora      %8.1f ms   %8.0f KiB Spitze (Median)\n", tp, mp);
    std::printf("  Qt-Fenster  %8.1f ms   %8.0f KiB Spitze (Median)\n", tb, mb);
    std::printf("  Verhältnis der Paare  min %.2fx  Median %.2fx  max %.2fx   (Ziel: Median höchstens 1.3x)\n",
                *std::min_element(verhaeltnis.begin(), verhaeltnis.end()), median(verhaeltnis),
                *std::max_element(verhaeltnis.begin(), verhaeltnis.end()));
    std::printf("  Speicher    %8.2fx   (Ziel: höchstens 1.5x)\n", mp / mb);
    return 0;
}
