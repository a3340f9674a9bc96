#include "platform/screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <cmath>
#include <qpa/qplatformscreen.h>

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

QSize nativeScreenSize() {
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    return screen->handle()->geometry().size() * screen->handle()->devicePixelRatio();
}

void setDrawingFactor(double factor) {
    // The desktop's own factor is what Qt applies while the program adds none.
    static const double desktop = drawingFactor();
    QHighDpiScaling::setGlobalFactor(factor / desktop);
}

double drawingFactor() {
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

} // namespace platform
