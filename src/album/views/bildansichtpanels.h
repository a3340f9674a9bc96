#pragma once
// The panels of the picture view: the picture text strip at the top edge, the mark
// input above the bottom edge and the slide show dialog.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QWidget>

namespace album {

// `PanelBildtext`: heading, the picture text and, while editing, "Sichern" and cancel.
class BildtextPanel : public QWidget {
    Q_OBJECT
public:
    explicit BildtextPanel(QWidget *parent = nullptr);
    // Read-only: the memo as high as its lines (17 pixels each) up to 20 lines, then
    // 340 with a scroll bar; the strip as high as the memo plus 25.
    void lesenZeigen(const QString &ueberschrift);
    // Editing: memo 69 high, strip 109, white, with the two buttons.
    void bearbeitenZeigen(const QString &ueberschrift);
    bool bearbeitet() const { return BitBtnSichern->isVisible(); }

Q_SIGNALS:
    void geklickt(); // on the strip, its label or its memo while read-only

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;
    void mousePressEvent(QMouseEvent *) override { Q_EMIT geklickt(); }

private:
    // The picture view's own strip: it fills and wires the controls.
    friend class Bildansicht;
    QLabel *LabelBildtext;
    QPlainTextEdit *MemoBildtext;
    QPushButton *BitBtnSichern;
    QPushButton *BitBtnAbbruch;
};

// `PanelEingabe` (385 × 53): the prompt, the comment field, OK and "x".
class EingabePanel : public QWidget {
    Q_OBJECT
public:
    explicit EingabePanel(QWidget *parent = nullptr);

private:
    // The picture view's own input: it fills and wires the controls.
    friend class Bildansicht;
    QLabel *LabelSchreibenSie;
    QLineEdit *Edit1;
    QPushButton *BitBtn1;
    QPushButton *SpeedButton1;
};

// `PanelBildlauf` (281 × 153): the slide show dialog.
class BildlaufPanel : public QWidget {
    Q_OBJECT
public:
    explicit BildlaufPanel(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The picture view's own dialog: it fills and wires the controls.
    friend class Bildansicht;
    QLabel *LabelBildlauf;
    QLabel *LabelBildwechsel;
    QLabel *LabelSekunden;
    QLabel *LabelGrenzen; // the interval's bounds, red while the field holds none of them
    QSpinBox *SpinEditBildlauf;
    QPushButton *BitBtnBildlaufOk;
    QPushButton *BitBtnKeinBildlauf;
};

} // namespace album
