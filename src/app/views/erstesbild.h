#pragma once
// What waits for the first painted frame. With PAGORA_BENCH_ERSTES_BILD set, the program
// prints "erstes-bild" once its first frame is painted, and ends: the start-up
// benchmark times whole processes by it, and the installation check proves with it
// that an installed program really opens its window.
#include <functional>

class QWidget;

namespace app {

// Runs `danach` from the event loop once `flaeche` has been painted the first time.
void NachErstemBild(QWidget &flaeche, std::function<void()> danach);

void ErstesBildMelden(QWidget &flaeche);

} // namespace app
