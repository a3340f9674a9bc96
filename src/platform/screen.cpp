#include "platform/screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace platform {

ScreenInfo SystemScreen::info() const {
    ScreenInfo s;
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        s.width = screen->geometry().width();
        s.height = screen->geometry().height();
        s.ppi = int(std::lround(screen->logicalDotsPerInch()));
    }
    return s;
}

} // namespace platform
