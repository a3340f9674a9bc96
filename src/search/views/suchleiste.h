#pragma once
// The search bar (`PanelSuchen`, 664 × 58): the term, the tolerant check box, the
// three scopes, OK and cancel, and the not-found notice.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

namespace search {

class Suchleiste : public QFrame {
    Q_OBJECT
public:
    explicit Suchleiste(QWidget *parent = nullptr);
    // Lowers the chosen scope's panel (0 album, 1 text, 2 help) and raises the others.
    void BevelImBuch(int bereich);

    QLabel *LabelGesuchterName;
    QLineEdit *Edit2;
    QCheckBox *CheckBox1;
    QLabel *PanelNotFound;
    QFrame *PanelImAlbum;
    QFrame *PanelImBuch;
    QFrame *PanelInDerHilfe;
    QLabel *LabelSucheAlbum;
    QLabel *LabelSucheBuch;
    QLabel *LabelSucheHilfe;
    QPushButton *BitBtn3;
    QPushButton *BitBtn4;

Q_SIGNALS:
    void bereichGeklickt(int bereich);

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::array<QFrame *, 3> bereiche_{};
};

} // namespace search
