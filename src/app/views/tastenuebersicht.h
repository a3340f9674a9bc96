#pragma once
// The key map on the screen ("?"): every key of the reader with what it does, the same
// list as the help's chapter "Tasten". Escape or Return closes it.
#include <QDialog>
#include <QList>

class QTableWidget;

namespace app {

struct Tastenzeile {
    QString tasten;  // as written on the keys, e.g. "Strg+P"
    QString wirkung; // what they do
};

// The reader's keys, in the program's language.
QList<Tastenzeile> Tastenbelegung();

class Tastenuebersicht : public QDialog {
    Q_OBJECT
public:
    explicit Tastenuebersicht(QWidget *parent = nullptr);
    static QList<Tastenzeile> belegung();

private:
    QTableWidget *Tabelle;
};

} // namespace app
