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
    // The hint of a menu cell: shown just above the strip whose top is `oberkante`.
    void zeigenUeber(const QString &text, int bildschirmBreite, int oberkante);
    // The line's own height on the screen, kept whatever a menu hint did.
    void platzieren(int x, int y);
    QString text() const;

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    QLabel *LabelName;
    int heimY_ = 0;
};

} // namespace app
