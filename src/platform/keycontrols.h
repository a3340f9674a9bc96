#pragma once
// Controls drawn as pictures (ribbons, tabs, album cells, scopes) worked by key as by
// mouse: Return, Enter and Space on a control do what a click on it does, further keys
// may do more (Delete on a bookmark). The control carries its accessible role in the
// property `kRoleProperty`, and a check box its state in `kCheckedProperty`; the
// program's accessibility factory reads both, and a screen reader's press action sends
// the control a Space. The owner makes the control focusable.
#include <QAccessible>
#include <QHash>
#include <QObject>
#include <functional>

namespace platform {

class KeyControls : public QObject {
public:
    static constexpr const char *kRoleProperty = "pagoraRolle";
    static constexpr const char *kCheckedProperty = "pagoraAngekreuzt";
    // A picture that only decorates, or a control out of use: not shown to screen readers.
    static constexpr const char *kHiddenProperty = "pagoraVerborgen";

    explicit KeyControls(QObject *parent) : QObject(parent) {}
    // `click` runs on Return, Enter or Space.
    void add(QObject *control, QAccessible::Role role, std::function<void()> click);
    // Another key on the control (no modifiers).
    void key(QObject *control, int key, std::function<void()> action);
    // Runs when the control gains the keyboard focus (a hint, say).
    void onFocus(QObject *control, std::function<void()> action);
    // Shown to screen readers as a checked or unchecked check box.
    static void setChecked(QObject *control, bool checked);

    // How the window shows which control has the keys (a frame, say); the program sets
    // it once, the controls here are pictures that draw no focus of their own.
    static void setFocusMarker(std::function<void(QObject *control, bool focused)> marker);

    // True for a key press that works a control like a click.
    static bool isActivation(const QEvent *event);

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    void watch(QObject *control);
    QHash<QObject *, QHash<int, std::function<void()>>> actions_;
    QHash<QObject *, std::function<void()>> focus_;
};

// A rectangle in the program's layout pixels on the screen, in the screen's own pixels,
// as magnifiers and screen readers point: the same while no drawing factor applies.
QRect screenPixels(const QRect &layout);
// A point a screen reader names in the screen's pixels, in layout pixels.
QPoint layoutPixels(const QPoint &screenPoint);

} // namespace platform
