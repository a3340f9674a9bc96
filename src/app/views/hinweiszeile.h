#pragma once
// The hint line (`PanelName`): a light strip above the bottom edge with one line of
// text, centred on the screen, shown while it has something to say.
#include <QWidget>

class QLabel;

namespace app {

class Hinweiszeile : public QWidget {
    Q_OBJECT
public:
    explicit Hinweiszeile(QWidget *parent = nullptr);
    // The text (without a leading ":I:" of title lines), hidden when empty or while the
    // menu strip `menueSichtbar` covers the bottom edge.
    void zeigen(const QString &text, int bildschirmBreite, bool menueSichtbar);
    QString text() const;

    QLabel *LabelName;

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;
};

} // namespace app
