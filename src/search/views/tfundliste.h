#pragma once
// The found-list window of the album search: the hits (the picture's name, whole, then
// the comment as far as it fits), the full hit lines beside them, and the notice when
// nothing was found.
#include "search/core/suche.h"

#include <QLabel>
#include <QListWidget>
#include <QWidget>

namespace search {

class TFundliste : public QWidget {
    Q_OBJECT
public:
    explicit TFundliste(QWidget *parent = nullptr);

    // Fills the lists and sizes the window for a screen `bildschirmHoehe` high.
    void FundeZeigen(const QList<Albumfund> &funde, int bildschirmHoehe);
    // Shows the window with the notice that `begriff` was not found.
    void NichtsGefunden(const QString &begriff);
    // Hit n (1-based) of the list shown; nothing outside it.
    // The window beside a hit at x of a screen `breite` wide: on the half away from it.
    void nebenDenFund(int x, int breite) { move(x > breite / 2 ? 0 : breite - width(), y()); }
    const Albumfund *fund(int n) const { return n >= 1 && n <= funde_.size() ? &funde_[n - 1] : nullptr; }

Q_SIGNALS:
    void fundGewaehlt(int n); // 1-based
    // Escape in the list: back to the book.
    void zurueckZumBuch();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QListWidget *ListBoxFund;
    QListWidget *ListBox1;
    QLabel *LabelNichtsgefunden;
    QList<Albumfund> funde_;
};

} // namespace search
