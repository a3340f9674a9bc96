#pragma once
// The search bar (`PanelSuchen`, 664 × 58): the term, the tolerant check box, the
// three scopes, OK and cancel, and the not-found notice. Cancel hides it; OK, Return
// and F3 ask for a search.
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
    QString begriff() const { return Edit2->text(); }
    bool tolerant() const { return CheckBox1->isChecked(); }
    // The term field takes the keys; `auswaehlen`: with its text selected, to be typed over.
    void eingabeFokussieren(bool auswaehlen);
    // The notice below the controls, the bar grown by its strip; or both gone.
    void nichtGefundenZeigen(bool zeigen);
    // The control of the bar that has the keys, else the term field.
    QWidget *tastenfeld() const;

Q_SIGNALS:
    void bereichGeklickt(int bereich);
    void suchen();

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
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
    std::array<QFrame *, 3> bereiche_{};
};

} // namespace search
