#include "app/views/menuezugang.h"

#include "app/core/menuezelle.h"
#include "app/views/bildmenue.h"
#include "platform/keycontrols.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <array>

namespace app {

namespace {

struct Befehlsfeld {
    MenueBefehl befehl;
    QRect feld; // within the menu picture
    const char *name;
};

// Cell 6 holds three commands: print on its left, the background above and the
// window presentation below on its right.
const std::array<Befehlsfeld, 10> kBefehle = {{
    {MenueBefehl::Bearbeitung, {0, 0, 64, 65}, QT_TRANSLATE_NOOP("app::Menuezugang", "Bearbeiten")},
    {MenueBefehl::Lesen, {64, 0, 64, 65}, QT_TRANSLATE_NOOP("app::Menuezugang", "Lesen")},
    {MenueBefehl::Album, {128, 0, 64, 65}, QT_TRANSLATE_NOOP("app::Menuezugang", "Album")},
    {MenueBefehl::Hilfe, {192, 0, 64, 65}, QT_TRANSLATE_NOOP("app::Menuezugang", "Hilfe")},
    {MenueBefehl::Suchen, {256, 0, 64, 65}, QT_TRANSLATE_NOOP("app::Menuezugang", "Suchen")},
    {MenueBefehl::Bildlauf, {320, 0, 64, 65}, QT_TRANSLATE_NOOP("app::Menuezugang", "Bildlauf")},
    {MenueBefehl::Drucken, {384, 0, 39, 65}, QT_TRANSLATE_NOOP("app::Menuezugang", "Drucken")},
    {MenueBefehl::Hintergrundbild, {423, 0, 25, 33}, QT_TRANSLATE_NOOP("app::Menuezugang", "Hintergrundbild")},
    {MenueBefehl::Windowsstil, {423, 33, 25, 32}, QT_TRANSLATE_NOOP("app::Menuezugang", "Fensterdarstellung")},
    {MenueBefehl::Beenden, {448, 0, 64, 65}, QT_TRANSLATE_NOOP("app::Menuezugang", "Beenden")},
}};

class Befehlszugang : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    Befehlszugang(QLabel *bild, int index) : bild_(bild), index_(index) {}

    bool isValid() const override { return bild_; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return bild_ ? bild_->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(bild_); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Button; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text art) const override {
        const Befehlsfeld &b = kBefehle[size_t(index_)];
        if (art == QAccessible::Name) return QCoreApplication::translate("app::Menuezugang", b.name);
        if (art == QAccessible::Description) return BildMenue::Zellenhinweis(b.befehl);
        return {};
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!bild_ || !bild_->isVisible()) s.invisible = true;
        return s;
    }
    QRect rect() const override {
        if (!bild_) return {};
        const QRect feld = kBefehle[size_t(index_)].feld;
        return platform::screenPixels({bild_->mapToGlobal(feld.topLeft()), feld.size()});
    }
    void *interface_cast(QAccessible::InterfaceType typ) override {
        return typ == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
    void doAction(const QString &name) override {
        if (name != pressAction() || !bild_) return;
        // As a click in the middle of the command's field.
        const QPoint mitte = kBefehle[size_t(index_)].feld.center();
        if (auto *menue = qobject_cast<BildMenue *>(bild_->parentWidget()->parentWidget()))
            Q_EMIT menue->ImageMenuMouseDown(mitte.x(), mitte.y());
    }

private:
    QPointer<QLabel> bild_;
    int index_;
};

class Menuebild : public QAccessibleWidget {
public:
    explicit Menuebild(QLabel *bild) : QAccessibleWidget(bild, QAccessible::ToolBar) {}
    ~Menuebild() override {
        for (QAccessible::Id id : kinder_)
            if (id) QAccessible::deleteAccessibleInterface(id);
    }

    QRect rect() const override { return platform::screenPixels(QAccessibleWidget::rect()); }
    int childCount() const override { return int(kBefehle.size()); }
    QAccessibleInterface *child(int i) const override {
        if (i < 0 || i >= childCount()) return nullptr;
        QAccessible::Id &id = kinder_[size_t(i)];
        if (!id) id = QAccessible::registerAccessibleInterface(new Befehlszugang(static_cast<QLabel *>(widget()), i));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface *kind) const override {
        for (int i = 0; i < childCount(); ++i)
            if (kinder_[size_t(i)] && QAccessible::accessibleInterface(kinder_[size_t(i)]) == kind) return i;
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface *k = child(i); k->rect().contains(x, y)) return k;
        return nullptr;
    }
    QStringList actionNames() const override { return {}; }

private:
    mutable std::array<QAccessible::Id, kBefehle.size()> kinder_{};
};

} // namespace

QAccessibleInterface *Menuezugang(QWidget *widget) {
    auto *bild = qobject_cast<QLabel *>(widget);
    if (!bild || bild->objectName() != QLatin1String("ImageMenu") || !bild->parentWidget() ||
        !qobject_cast<BildMenue *>(bild->parentWidget()->parentWidget()))
        return nullptr;
    return new Menuebild(bild);
}

} // namespace app
