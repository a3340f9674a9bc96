#include "platform/keycontrols.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QVariant>

namespace platform {

namespace {
std::function<void(QObject *, bool)> &focusMarker() {
    static std::function<void(QObject *, bool)> marker;
    return marker;
}
} // namespace

void KeyControls::setFocusMarker(std::function<void(QObject *control, bool focused)> marker) {
    focusMarker() = std::move(marker);
}

void KeyControls::watch(QObject *control) {
    if (actions_.contains(control) || focus_.contains(control)) return;
    control->installEventFilter(this);
    connect(control, &QObject::destroyed, this, [this, control] {
        actions_.remove(control);
        focus_.remove(control);
    });
}

void KeyControls::add(QObject *control, QAccessible::Role role, std::function<void()> click) {
    watch(control);
    control->setProperty(kRoleProperty, int(role));
    for (int k : {int(Qt::Key_Return), int(Qt::Key_Enter), int(Qt::Key_Space)})
        actions_[control][k] = click;
}

void KeyControls::key(QObject *control, int key, std::function<void()> action) {
    watch(control);
    actions_[control][key] = std::move(action);
}

void KeyControls::onFocus(QObject *control, std::function<void()> action) {
    watch(control);
    focus_[control] = std::move(action);
}

void KeyControls::setChecked(QObject *control, bool checked) {
    control->setProperty(kCheckedProperty, checked);
    QAccessible::State zustand;
    zustand.checked = true;
    QAccessibleStateChangeEvent aenderung(control, zustand);
    QAccessible::updateAccessibility(&aenderung);
}

bool KeyControls::isActivation(const QEvent *event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto *taste = static_cast<const QKeyEvent *>(event);
    const int k = taste->key();
    return (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space) &&
           !(taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

bool KeyControls::eventFilter(QObject *obj, QEvent *event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        const bool hinein = event->type() == QEvent::FocusIn;
        if (focusMarker() && actions_.contains(obj)) focusMarker()(obj, hinein);
        if (const auto it = focus_.constFind(obj); hinein && it != focus_.cend()) (*it)();
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const auto *taste = static_cast<const QKeyEvent *>(event);
    if (taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    const auto it = actions_.constFind(obj);
    if (it == actions_.cend()) return false;
    const auto tat = it->constFind(taste->key());
    if (tat == it->cend()) return false;
    // A copy: the action may remove the control.
    const std::function<void()> ausfuehren = *tat;
    ausfuehren();
    return true;
}

QPoint layoutPixels(const QPoint &screenPoint) {
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen) return screenPoint;
    const double f = screen->devicePixelRatio();
    const QPoint ursprung = screen->geometry().topLeft();
    return ursprung +
           QPoint(qRound((screenPoint.x() - ursprung.x()) / f), qRound((screenPoint.y() - ursprung.y()) / f));
}

QRect screenPixels(const QRect &layout) {
    const QScreen *screen = QGuiApplication::screenAt(layout.center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return layout;
    const double f = screen->devicePixelRatio();
    // The screen's own pixels begin where its layout pixels do on a desktop of one screen.
    const QPoint ursprung = screen->geometry().topLeft();
    const QPointF links = QPointF(layout.topLeft() - ursprung) * f + QPointF(ursprung);
    return {QPoint(qRound(links.x()), qRound(links.y())),
            QSize(qRound(layout.width() * f), qRound(layout.height() * f))};
}

} // namespace platform
