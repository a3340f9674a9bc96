#pragma once
// The screen the program lays itself out for. The real one asks the windowing
// system; tests and screenshots use a simulated one.
#include <QSize>

namespace platform {

struct ScreenInfo {
    int width = 1024;
    int height = 768;
    int ppi = 96;
};

class Screen {
public:
    virtual ~Screen() = default;
    virtual ScreenInfo info() const = 0;
    // True when the main window should fill a real screen rather than be sized to info().
    virtual bool isReal() const { return false; }
};

class SimulatedScreen : public Screen {
public:
    explicit SimulatedScreen(ScreenInfo info) : info_(info) {}
    ScreenInfo info() const override { return info_; }

private:
    ScreenInfo info_;
};

// The primary screen; pixels per inch are the logical value the desktop reports.
class SystemScreen : public Screen {
public:
    ScreenInfo info() const override;
    bool isReal() const override { return true; }
};

// The primary screen in device pixels, whatever scaling the desktop applies.
QSize nativeScreenSize();

// Draws every window at this many device pixels per logical pixel, on top of the
// desktop's own scaling; layout and hit-testing stay in logical pixels. Call it
// before the first window exists.
void setDrawingFactor(double factor);

// Device pixels per logical pixel of the primary screen as windows are drawn now.
double drawingFactor();

} // namespace platform
