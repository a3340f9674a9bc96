#pragma once
// What the authoring window asks of the book it works on. The main window implements
// it and hands it over; the authoring side never reaches into the main window itself.
#include <QColor>
#include <QString>

class QWidget;

namespace authoring {

class Buchsteuerung {
public:
    virtual ~Buchsteuerung() = default;
    // Shows a spread or screen of the book (page-number scheme of the reader).
    virtual void SeitenZeigen(int seite) = 0;
    // Empties the shown project: page memos, contents lists, picture list, titles.
    virtual void ProjektReset() = 0;
    // Applies the settings table to the screen, reloads the picture list and reopens
    // the page files.
    virtual void IniAuswerten() = 0;
    // Reads the settings file of a project (a name, possibly with its data root in
    // front) and applies it.
    virtual void IniDateiLesen(const QString &name) = 0;
    // The colour of the main window behind the book.
    virtual void Fensterfarbe(const QColor &farbe) = 0;
    // The screen title and its shadow.
    virtual void ProjekttitelZeigen(const QString &titel) = 0;
    // Paints the main window now, before a long task keeps the event loop busy.
    virtual void auffrischen() = 0;

    // --- Text import and contents editing ---
    // The book itself (660 × 441): the contents memos lie on it over the contents page.
    virtual QWidget *Buchflaeche() = 0;
    // Empties the book's contents lists, so that only the memos show the contents.
    virtual void InhaltListenLeeren() = 0;
};

} // namespace authoring
