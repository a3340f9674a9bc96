#pragma once
// Panel 4: the programme name and project folder of a new project, confirmed in two
// stages before the folders are made and the templates copied.
#include "authoring/views/aufgabenpanel.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace authoring {

class Rahmendaten : public Aufgabenpanel {
    Q_OBJECT
public:
    // The creation stage (the Tag of LabelRahmendaten).
    enum Stufe { Nichts = 0, Eingabe = 1, Bestaetigung = 2 };

    explicit Rahmendaten(Bearbeitungskontext &kontext);

    // Step 1: the fields filled from the present project, then the panel shown.
    void ImageFundamentalsClick();
    void BitBtnProjektOKClick();
    void ok() override { BitBtnProjektOKClick(); }
    int stufe() const { return stufe_; }
    void hinweisLeeren();

protected:
    // EditProgrammNameKeyPress: in the two fields Enter is OK and Escape hides.
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    QLabel *LabelRahmendaten;
    QLineEdit *EditProgrammName;
    QLineEdit *EditProjektVerzeichnis;
    QLabel *LabelEingabeHinweis;
    QPushButton *BitBtnProjektOK;
    QPushButton *BitBtnNotOk;
    void anlegen();
    // Back to the first stage: name and folder are typed (again) and then confirmed.
    void zurEingabe();
    int stufe_ = Nichts;
};

} // namespace authoring
