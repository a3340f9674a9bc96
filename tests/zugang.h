#pragma once
// What a screen reader finds in a window: every control a user clicks or types into
// says what it is, by its caption or by its accessible name.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextEdit>

namespace testing {

// The controls shown in `fenster` that have neither (objectName and class of each).
inline QStringList ohneNamen(const QWidget *fenster) {
    QStringList fehlt;
    for (const QWidget *w : fenster->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(fenster) || qobject_cast<const QAbstractSpinBox *>(w->parentWidget())) continue;
        const bool klickbar = w->testAttribute(Qt::WA_SetCursor) && w->cursor().shape() == Qt::PointingHandCursor;
        const bool bedienbar = klickbar || qobject_cast<const QAbstractButton *>(w) ||
                               qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractSpinBox *>(w) ||
                               qobject_cast<const QTextEdit *>(w) || qobject_cast<const QPlainTextEdit *>(w) ||
                               qobject_cast<const QAbstractItemView *>(w);
        if (!bedienbar) continue;
        QString name = w->accessibleName();
        if (const auto *l = qobject_cast<const QLabel *>(w)) name += l->text();
        // A single sign ("x", "+") is no caption.
        if (const auto *b = qobject_cast<const QAbstractButton *>(w); b && b->text().size() > 1) name += b->text();
        if (name.trimmed().isEmpty()) fehlt << w->objectName() + ':' + w->metaObject()->className();
    }
    return fehlt;
}

} // namespace testing
