#pragma once
// The start check: with PAGORA_BENCH_ERSTES_BILD set, the program prints "erstes-bild"
// once its first frame is painted, and ends. The start-up benchmark times whole
// processes by it, and the installation check proves with it that an installed
// program really opens its window.
class QWidget;

namespace app {

void ErstesBildMelden(QWidget &flaeche);

} // namespace app
