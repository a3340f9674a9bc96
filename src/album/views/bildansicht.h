#pragma once
// The picture view: the picture centred on the screen (`ImageMain`), the title screen's
// caption, the edge arrows, the enlarged copy, the found-mark frame, the picture text,
// mark input and slide show panels, and the marks of the picture shown. It tells the
// main window what to show in the hint line and when the book has to give way.
#include "album/core/bilderlistenmodell.h"
#include "album/core/marken.h"
#include "platform/files.h"
#include "platform/meldungen.h"
#include "platform/screen.h"

#include <QEvent>
#include <QObject>
#include <QPoint>
#include <QTimer>
#include <functional>

class QKeyEvent;
class QLabel;
class QPushButton;
class QWidget;

namespace book {
class Bildflaeche;
}

namespace album {

class BildlaufPanel;
class BildtextPanel;
class EingabePanel;

// The shared state the picture view reads and moves: held by the program, lent here.
struct Bildkontext {
    const platform::Files &dateien;
    const QString &ProjektVerzeichnis;
    const QString &HilfeVerzeichnis;
    const bool &NurLesen;
    int &BildIndex;                  // the list line to show next
    int &AktuellerBildIndex;         // the list line shown
    const Bilderlistenmodell &liste; // the project's picture list, as the author last left it
};

class Bildansicht : public QObject {
    Q_OBJECT
public:
    // The picture view's layers in the screen's stacking, which the window interleaves
    // with its own: the picture with the title caption, the edge arrows, the enlarged copy
    // with its button, the mark frame, the mark's comment.
    enum class Schicht { Bild, Pfeile, Vergroesserung, Rahmen, Kommentar };
    // What the window keeps of the mouse on its surface: `leisteNimmt` takes a move for
    // the menu strip at the bottom edge (true: the picture view leaves it alone);
    // `gesperrt`: the list editor or the opening has the screen; `hinweisSichtbar`: the
    // hint line shows the mark under the mouse.
    struct Fensterregeln {
        std::function<bool(int y)> leisteNimmt;
        std::function<bool()> gesperrt;
        std::function<bool()> hinweisSichtbar;
    };

    // The controls are laid on `flaeche`, whose mouse the view takes while the book is
    // away; the title caption lies under `buch`.
    Bildansicht(QWidget *flaeche, QWidget *buch, const Bildkontext &kontext, const platform::Screen &screen,
                platform::Meldungen &meldungen);
    ~Bildansicht() override;
    void setFensterregeln(Fensterregeln regeln) { regeln_ = std::move(regeln); }
    void heben(Schicht schicht);
    // The title screen's caption in the lower part of a screen of this size.
    void titelPlatzieren(int breite, int hoehe);

    void BildLaden(const QString &name);
    // The picture of list line `index`.
    void BildZeigen(int index);
    void Bildzentrieren(const QString &name);
    // The next Bildzentrieren lays the picture even when it has the same name.
    void neuZentrieren() { ZentriertesBild.clear(); }
    void NamenLaden(const QString &name);
    // A picture from the text: the list line naming it, then the picture.
    void TextbildZeigen(const QString &name);
    // An album search hit: the picture with a frame round the mark at (x, y), its text
    // and marks loaded.
    void FundZeigen(const QString &name, int x, int y, const QString &kommentar);
    void BildHinweis(int k);
    // The picture (and the background) hidden.
    void BildVerbergen();
    // The controls lying on the picture hidden (the enlarge button): a printed screen
    // shows the picture alone.
    void SteuerungVerbergen();

    // The next or previous picture of the list, past empty cells.
    void ImageForwardClick();
    void ImageBackClick();
    // False when the text stays unsaved: the author declined or the write failed.
    bool BildtextSpeichern();
    // A tick of the slide show: the next picture, from the first again after the last.
    void Timer2Timer();
    // Leaving the picture view: the strips, arrows, frame and enlarged copy go.
    void UeberlagerungenEntfernen();
    // The background picture behind the book again (black without one), whatever
    // picture was shown last.
    void HintergrundZeigen(const QString &name);
    // The window presentation: the picture lies higher, above the menu bar and hint line.
    void setFensterstil(bool an);

    // The slide show dialog with the keys in its field.
    void BildlaufFragen();
    // A key while the picture is shown; false when it is not the picture view's.
    bool Taste(const QKeyEvent &taste);

    // The panels are made when first used.
    EingabePanel *PanelEingabe();
    BildtextPanel *PanelBildtext();
    BildlaufPanel *PanelBildlauf();

    // What the view shows: the picture's name, its marks, the mark under the mouse or
    // chosen by key, where the last press on the picture was, whether the enlarged copy
    // is loaded, whether the slide show runs.
    const QString &aktuellesBild() const { return AktuellesBild; }
    const Markentabelle &marken() const { return marken_; }
    int markeUnterMaus() const { return MarkeUnterMaus; }
    QPoint klickpunkt() const { return {KlickX, KlickY}; }
    bool vergroessert() const { return Vergroesserung; }

Q_SIGNALS:
    void hinweis(const QString &text);
    // A picture is being laid: the screen title gives way.
    void bildKommt();
    // A picture was laid; `buchWeg`: the book gives way to it.
    void bildGezeigt(bool buchWeg);
    // The slide show starts: the book gives way.
    void bildlaufBeginnt();
    // The picture was centred; the book follows, `reserve` pixels higher on a window.
    void buchAusrichten(int reserve);

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    // The surface's mouse while the book is away (at surface coordinates), and a press on
    // the surface or the picture; `gesperrt`: the book, the list editor or the opening has
    // the screen; `hinweisSichtbar`: the hint line shows the mark under the mouse.
    void flaecheMaus(QEvent::Type typ, Qt::MouseButton taste, QPoint p);
    void LabelCoverMouseMove(int x, int y);
    void ImageMainMouseDown(Qt::MouseButton taste, int x, int y, bool gesperrt, bool hinweisSichtbar);
    void Shape1MouseDown();
    void PanelBildtextClick();
    void BitBtn1Click();
    void SpeedButtonEnlargeMouseUp(Qt::MouseButton taste);
    void BitBtnBildlaufOkClick();
    // The keys' ways with a point of the picture: the next or previous mark framed with
    // its comment (0 when there is none), its point on the screen; the enlarged copy
    // loaded, true when there is one.
    int MarkeWaehlen(int schritt);
    QPoint Markenpunkt() const;
    bool VergroesserungLaden();
    // The frame and its comment label around the mark at (x, y) of the picture.
    void markeRahmen(int x, int y);
    // Asks before characters that Windows-1252 cannot hold are left out of `text`;
    // false when the author would rather not store it so.
    bool nurSpeicherbareZeichen(QString &text);
    const Bilderliste &liste() const { return k_.liste.liste(); }

    book::Bildflaeche *ImageMain = nullptr;
    QLabel *LabelHuge = nullptr;
    QLabel *ImageLast = nullptr;
    QLabel *ImageNext = nullptr;
    QLabel *Imagebig = nullptr;
    QPushButton *SpeedButtonEnlarge = nullptr;
    QWidget *Shape1 = nullptr;
    QLabel *LabelShape = nullptr;
    QTimer *Timer2 = nullptr;
    QString AktuellesBild;
    QString AktuellerBildtext;
    bool Vergroesserung = false;
    int MarkeUnterMaus = 0;
    int KlickX = 0;
    int KlickY = 0;
    Fensterregeln regeln_;
    QWidget *flaeche_;
    QWidget *buch_;
    Bildkontext k_;
    const platform::Screen &screen_;
    platform::Meldungen &meldungen_;
    Markentabelle marken_;
    QString ZentriertesBild;
    bool fensterstil_ = false;
    EingabePanel *eingabe_ = nullptr;
    BildtextPanel *bildtext_ = nullptr;
    BildlaufPanel *bildlauf_ = nullptr;
};

} // namespace album
