#pragma once
// What the authoring window asks of the book it works on. The main window implements
// it and hands it over; the authoring side never reaches into the main window itself.
#include "album/core/bilderlistenmodell.h"
#include "project/core/titelgestaltung.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <array>

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
    // front) and applies it. False when it could not be read: the open project stays.
    virtual bool IniDateiLesen(const QString &name) = 0;
    // The colour of the main window behind the book.
    virtual void Fensterfarbe(const QColor &farbe) = 0;
    // The screen title and its shadow.
    virtual void ProjekttitelZeigen(const QString &titel) = 0;
    // Paints the main window now, before a long task keeps the event loop busy.
    virtual void auffrischen() = 0;

    // --- Picture list editor and album production ---
    // The panel over the book that carries the picture list editor; while it is shown the
    // exit command asks before ending.
    virtual QWidget *Listenfeld() = 0;
    // The progress strip at the bottom of the screen.
    virtual QWidget *Fortschrittsfeld() = 0;
    // Where the editor lies: the book's left edge and its panel's top.
    virtual QPoint Buchecke() const = 0;
    // The project's picture list, which the album sheet and the picture view show.
    virtual album::Bilderlistenmodell &Bilderliste() = 0;
    virtual void Hinweis(const QString &text) = 0;
    // The project's background picture centred behind the book (black without one).
    virtual void HintergrundZeigen() = 0;
    // Hides the picture view's picture, the background included.
    virtual void BildansichtVerbergen() = 0;
    // Hides the contents lists of the book.
    virtual void InhaltVerbergen() = 0;
    // Empties the two page numbers under the book.
    virtual void SeitenzahlenLeeren() = 0;
    // Shows a spread picture on the album sheet with its captions, painted at once.
    virtual void AlbumblattZeigen(const QImage &aufschlag) = 0;
    // The album sheet's caption of list line k; a k above 2147483615 empties caption k % 16.
    virtual void LabelZeigen(int k) = 0;

    // --- Text import and contents editing ---
    // The book itself (660 × 441): the contents memos lie on it over the contents page.
    virtual QWidget *Buchflaeche() = 0;
    // Empties the book's contents lists, so that only the memos show the contents.
    virtual void InhaltListenLeeren() = 0;

    // Design editors: title, register tabs, copyright page, background picture.
    // The screen title, its shadow, the book title and the subtitle shown with these values.
    virtual void TitelVorschau(const projekt::Titelgestaltung &titel) = 0;
    // The register tabs with these captions, at the edges their target pages give for
    // the page shown (an empty caption: no tab).
    virtual void GriffeVorschau(const QStringList &texte, const std::array<int, 5> &ziele) = 0;
    // Whether a tab caption fits its tab; one that does not is cut off on the book.
    virtual bool GriffTextPasst(const QString &) const { return true; }
    // The left page of the open book writable, with the input focus; meanwhile the main
    // window leaves all keys to it and turns no pages. False: read-only again.
    virtual void TextLinksSchreibbar(bool schreibbar) = 0;
    virtual QStringList TextLinksZeilen() const = 0;
    // The background picture `name` of the album folder behind the book, at once.
    virtual void HintergrundZeigen(const QString &name) = 0;
};

} // namespace authoring
