#include "book/views/griffbeschriftung.h"

#include <QEvent>

namespace book {

namespace {

// Runs `tun` while the label takes no focus, which is when Qt makes it no document.
template <class Tun> auto ohneFokus(QLabel &label, Tun tun) {
    const Qt::FocusPolicy fokus = label.focusPolicy();
    label.setFocusPolicy(Qt::NoFocus);
    const auto ergebnis = tun();
    label.setFocusPolicy(fokus);
    return ergebnis;
}

} // namespace

void Griffbeschriftung::beschriften(const QString &text) {
    ohneFokus(*this, [&] {
        setText(text);
        return true;
    });
}

bool Griffbeschriftung::event(QEvent *event) {
    if (event->type() != QEvent::Polish) return QLabel::event(event);
    return ohneFokus(*this, [&] { return QLabel::event(event); });
}

void Griffbeschriftung::focusInEvent(QFocusEvent *event) {
    // The label's own would make the document; the frame only repaints.
    QFrame::focusInEvent(event);
}

} // namespace book
