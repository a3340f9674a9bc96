#include "app/views/zugangsfabrik.h"

#include "app/views/menuezugang.h"
#include "platform/keycontrols.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QWidget>

namespace app {

namespace {

using platform::KeyControls;

// A picture control with the role its owner gave it; pressed, it gets a Space, as
// from the keyboard.
class Bedienzugang : public QAccessibleWidget {
public:
    Bedienzugang(QWidget *w, QAccessible::Role rolle) : QAccessibleWidget(w, rolle) {}

    QRect rect() const override { return platform::screenPixels(QAccessibleWidget::rect()); }

    QString text(QAccessible::Text art) const override {
        QString t = QAccessibleWidget::text(art);
        if (art == QAccessible::Name && t.isEmpty())
            if (const auto *l = qobject_cast<const QLabel *>(widget())) t = l->text();
        return t;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (widget()->property(KeyControls::kHiddenProperty).toBool()) s.invisible = true;
        if (role() == QAccessible::CheckBox || role() == QAccessible::RadioButton) {
            s.checkable = true;
            s.checked = widget()->property(KeyControls::kCheckedProperty).toBool();
        }
        if (role() == QAccessible::PageTab) s.selectable = true;
        return s;
    }

    QStringList actionNames() const override {
        if (!betaetigbar()) return QAccessibleWidget::actionNames();
        QStringList namen{role() == QAccessible::CheckBox ? toggleAction() : pressAction()};
        return namen + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &name) override {
        if (betaetigbar() && (name == pressAction() || name == toggleAction())) {
            QKeyEvent druck(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            QKeyEvent los(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            QCoreApplication::sendEvent(widget(), &druck);
            QCoreApplication::sendEvent(widget(), &los);
            return;
        }
        QAccessibleWidget::doAction(name);
    }

private:
    bool betaetigbar() const {
        return widget()->property(KeyControls::kRoleProperty).isValid() &&
               !widget()->property(KeyControls::kHiddenProperty).toBool() && widget()->isVisible();
    }
};

QAccessibleInterface *fabrik(const QString &, QObject *objekt) {
    if (!objekt || !objekt->isWidgetType()) return nullptr;
    auto *w = static_cast<QWidget *>(objekt);
    if (QAccessibleInterface *menue = Menuezugang(w)) return menue;
    const QVariant rolle = w->property(KeyControls::kRoleProperty);
    if (rolle.isValid()) return new Bedienzugang(w, QAccessible::Role(rolle.toInt()));
    // A picture that only decorates (or a control out of use) is read by no one.
    if (w->property(KeyControls::kHiddenProperty).isValid())
        return new Bedienzugang(w, qobject_cast<QLabel *>(w) ? QAccessible::Graphic : QAccessible::Client);
    return nullptr;
}

// The picture controls show the keys' place with a frame: a plain one round a picture
// or caption, a thicker bevel on a scope panel.
void Fokusrahmen(QObject *objekt, bool fokus) {
    auto *rahmen = qobject_cast<QFrame *>(objekt);
    if (!rahmen) return;
    // Only what the frame changes goes back: a scope's bevel follows its choice meanwhile.
    const char *merk = "pagoraFokusrahmen";
    if (fokus && !rahmen->property(merk).isValid()) {
        const bool ohne = rahmen->frameShape() == QFrame::NoFrame;
        rahmen->setProperty(merk, ohne);
        if (ohne)
            rahmen->setFrameStyle(QFrame::Box | QFrame::Plain);
        else
            rahmen->setLineWidth(3);
    } else if (!fokus && rahmen->property(merk).isValid()) {
        if (rahmen->property(merk).toBool())
            rahmen->setFrameStyle(QFrame::NoFrame);
        else
            rahmen->setLineWidth(1);
        rahmen->setProperty(merk, QVariant());
    }
}

} // namespace

void ZugangEinrichten() {
    static const bool eingerichtet = (QAccessible::installFactory(fabrik), true);
    Q_UNUSED(eingerichtet);
    KeyControls::setFocusMarker(Fokusrahmen);
}

} // namespace app
