#pragma once
// The reader's keys on the main window, all in one place:
//   arrows, Page Up / Page Down   turn the page (without the book: the previous or next picture)
//   Home / End                    first and last spread of the part shown
//   F1                            the help, where it was left
//   Ctrl+F                        the search bar
//   Ctrl+1 .. Ctrl+4              bookmark 1..4: taken when in the book, laid when in the box
//   F10, Menu key                 the view menu: book size, page turning shown
//   Escape                        back: closes the search bar, leaves the picture view
//   Ctrl+Q                        exit
// Installed on the main window, it sees only the keys no control took. While a text
// field has the focus only Escape and Ctrl+Q act there, so typing never turns a page;
// while the book opens only those two and the arrows do.
#include <QObject>

class QKeyEvent;

namespace app {

class TImageForm;

class Tastenkarte : public QObject {
public:
    explicit Tastenkarte(TImageForm &form);

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    bool ausfuehren(const QKeyEvent &taste);
    bool blaettern(bool vor);
    bool zurueck();
    bool imTextfeld() const;
    TImageForm &form_;
};

} // namespace app
