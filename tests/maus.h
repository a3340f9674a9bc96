#pragma once
// The mouse as the window system moves and presses it: the event goes to the window
// and reaches whichever widget lies on top at that point, as for a user.
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace testing {

inline QPoint imFenster(const QWidget *ziel, QPoint lokal) {
    return ziel->mapTo(ziel->window(), lokal);
}
inline void mausBewegen(const QWidget *ziel, QPoint lokal) {
    QTest::mouseMove(ziel->window()->windowHandle(), imFenster(ziel, lokal));
}
inline void mausKlick(const QWidget *ziel, QPoint lokal, Qt::MouseButton taste = Qt::LeftButton) {
    QTest::mouseClick(ziel->window()->windowHandle(), taste, {}, imFenster(ziel, lokal));
}

} // namespace testing
