#pragma once
// The four title elements on screen: the screen title and its shadow on the main
// window, the book title and the subtitle on the cover. Used when the settings are
// applied and by the title editor's live preview.
#include "project/core/titelgestaltung.h"

class QLabel;

namespace book {
class BuchPanel;
}

namespace app {

// Fonts (scaled by `schriftgrad`), places and the cover's texts. `bildschirmtitel`: the
// screen title and its shadow take the text too and fit their size to it (the opening
// otherwise types it).
void TitelAnzeigen(QLabel &titel, QLabel &schatten, book::BuchPanel &buch, const projekt::Titelgestaltung &t,
                   int schriftgrad, int ppi, bool bildschirmtitel);

} // namespace app
