#pragma once
// Panel 9: the five register tabs. Per row a caption, the book part ("Text", "Bilder",
// "Hilfe": at most one chosen, yellow) and a page within it. The captions show on the
// book's tabs while typing; OK stores Sheet1..5 and Mark1..5 and writes the settings.
#include "authoring/core/griffregister.h"
#include "authoring/views/aufgabenpanel.h"

#include <QColor>

class QLabel;
class QLineEdit;
class QPushButton;

namespace authoring {

class Registerpanel : public Aufgabenpanel {
    Q_OBJECT
public:
    static const QColor kGewaehlt;
    static const QColor kFrei;

    explicit Registerpanel(Bearbeitungskontext &kontext);

    // Opens the editor on the album's contents, where the tabs are seen.
    void PanelRegisterClick();
    // Auswahl(Aufgabe::Register): the rows from the settings, shown on the tabs.
    void laden();
    void BitBtnRegisterOkClick();
    void ok() override { BitBtnRegisterOkClick(); }
    // The toggle of row k (0-based): clicking the chosen part clears the row's choice.
    void GriffZuordnung(int k, Buchteil geklickt);
    Buchteil teil(int k) const { return teile_[size_t(k)]; }
    std::array<Griffzeile, kGriffAnzahl> zeilen() const;

    std::array<QLineEdit *, kGriffAnzahl> EditGriff{};
    std::array<QLineEdit *, kGriffAnzahl> EditGriffSeite{};
    std::array<QPushButton *, kGriffAnzahl> PanelGriffT{};
    std::array<QPushButton *, kGriffAnzahl> PanelGriffB{};
    std::array<QPushButton *, kGriffAnzahl> PanelGriffH{};

private:
    QPushButton *BitBtnRegisterOk;
    QLabel *LabelGriffWarnung;
    void PanelFarbe(int k);
    void vorschau();
    std::array<Buchteil, kGriffAnzahl> teile_{};
};

} // namespace authoring
