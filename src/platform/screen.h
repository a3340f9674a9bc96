#pragma once
// The screen the program lays itself out for. The real one asks the windowing
// system; tests and screenshots use a simulated one.
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

} // namespace platform
