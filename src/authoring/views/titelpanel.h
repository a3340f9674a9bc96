#pragma once
// Panel 8: the title and subtitle of the project. Every keystroke, arrow and size click
// shows at once on the main window; OK stores the eleven title settings and writes the
// settings file.
#include "authoring/views/aufgabenpanel.h"
#include "project/core/titelgestaltung.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace authoring {

class Titelpanel : public Aufgabenpanel {
    Q_OBJECT
public:
    // Positions stay on the screen (the book for book title and subtitle); font sizes
    // between these points.
    static constexpr int kKleinsteSchrift = 4;
    static constexpr int kGroessteSchrift = 144;

    explicit Titelpanel(Bearbeitungskontext &kontext);

    // Opens the editor on the cover with the stored values.
    void oeffnen();
    // OK: stores the values and writes the settings file.
    void ok() override { BitBtnTitelOkClick(); }
    // What the editor holds: what OK stores.
    const projekt::Titelgestaltung &werte() const { return t_; }

private:
    void BitBtnTitelOkClick();

    void EditTitelChange();
    void EditUntertitelChange();
    void ImageTitelLeftClick();
    void ImageTitelRightClick();
    void ImageTitelUpClick();
    void ImageTitelDownClick();
    void ImageSchattenLeftClick();
    void ImageSchattenRightClick();
    void ImageSchattenUpClick();
    void ImageSchattenDownClick();
    void ImageBuchTitelUpClick();
    void ImageBuchTitelDownClick();
    void ImageUntertitelUpClick();
    void ImageUntertitelDownClick();
    void ImageTitelSmallerClick();
    void ImageTitelBiggerClick();
    void ImageBuchtitelSmallerClick();
    void ImageBuchtitelBiggerClick();
    void ImageUntertitelSmallerClick();
    void ImageUntertitelBiggerClick();

    QLineEdit *EditTitel;
    QLineEdit *EditUntertitel;
    QLabel *LabelTitelLeft;
    QLabel *LabelTitelTop;
    QLabel *LabelShadowLeft;
    QLabel *LabelShadowTop;
    QLabel *LabelBuchTitelTop;
    QLabel *LabelUntertitelTop;
    QLabel *PanelTitelSize;
    QLabel *PanelBuchtitelSize;
    QLabel *PanelUntertitelSize;
    QPushButton *BitBtnTitelOk;

    void schritt(int &wert, int um, int grenze, int kleinster = 0);
    void zeigen();
    projekt::Titelgestaltung t_;
};

} // namespace authoring
