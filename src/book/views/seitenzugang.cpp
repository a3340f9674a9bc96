#include "book/views/seitenzugang.h"

#include "book/views/seitenmemo.h"
#include "platform/keycontrols.h"

#include <QAccessibleWidget>

namespace book {

namespace {

class Seitenzugang : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit Seitenzugang(SeitenMemo *seite) : QAccessibleWidget(seite, QAccessible::StaticText) {}

    void *interface_cast(QAccessible::InterfaceType typ) override {
        if (typ == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(typ);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        return s;
    }
    // In the screen's pixels, where magnifiers and screen readers point.
    QRect rect() const override { return platform::screenPixels(QAccessibleWidget::rect()); }
    QString text(QAccessible::Text art) const override {
        if (art == QAccessible::Value) return ganz();
        return QAccessibleWidget::text(art);
    }

    // Read-only: no caret, no selection.
    void selection(int, int *anfang, int *ende) const override { *anfang = *ende = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *anfang, int *ende) const override {
        *anfang = *ende = offset;
        return {};
    }

    QString text(int anfang, int ende) const override {
        const QString t = ganz();
        anfang = qBound(0, anfang, int(t.size()));
        ende = qBound(anfang, ende, int(t.size()));
        return t.mid(anfang, ende - anfang);
    }
    int characterCount() const override { return int(ganz().size()); }

    // The lines joined by line breaks: an offset is a row and a column of the page.
    QRect characterRect(int offset) const override {
        int rest = offset;
        const QStringList &zeilen = seite()->zeilen();
        for (int z = 0; z < zeilen.size(); ++z) {
            if (rest <= zeilen[z].size()) {
                const QRect r = seite()->zeichenRechteck(z, rest, 1);
                return platform::screenPixels({seite()->mapToGlobal(r.topLeft()), r.size()});
            }
            rest -= int(zeilen[z].size()) + 1;
        }
        return {};
    }
    int offsetAtPoint(const QPoint &punkt) const override {
        const QPoint p = seite()->mapFromGlobal(platform::layoutPixels(punkt));
        const QStringList &zeilen = seite()->zeilen();
        const int z = p.y() / SeitenMemo::kZeilenHoehe;
        if (p.y() < 0 || z >= zeilen.size()) return -1;
        int offset = 0;
        for (int i = 0; i < z; ++i)
            offset += int(zeilen[i].size()) + 1;
        for (int s = 0; s < zeilen[z].size(); ++s)
            if (seite()->zeichenRechteck(z, s, 1).right() >= p.x()) return offset + s;
        return -1;
    }

private:
    SeitenMemo *seite() const { return static_cast<SeitenMemo *>(widget()); }
    QString ganz() const { return seite()->zeilen().join('\n'); }
};

QAccessibleInterface *fabrik(const QString &klasse, QObject *objekt) {
    if (klasse == QLatin1String(SeitenMemo::staticMetaObject.className()) && objekt && objekt->isWidgetType())
        return new Seitenzugang(static_cast<SeitenMemo *>(objekt));
    return nullptr;
}

} // namespace

void SeitenzugangEinrichten() {
    static const bool eingerichtet = (QAccessible::installFactory(fabrik), true);
    Q_UNUSED(eingerichtet);
}

} // namespace book
