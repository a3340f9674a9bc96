#pragma once
// The picture view: the picture centred on the screen (`ImageMain`), the title screen's
// caption, the edge arrows, the enlarged copy, the found-mark frame, the picture text,
// mark input and slide show panels, and the marks of the picture shown. It tells the
// main window what to show in the hint line and when the book has to give way.
#include "album/core/bilderliste.h"
#include "album/core/marken.h"
#include "platform/files.h"
#include "platform/meldungen.h"
#include "platform/screen.h"

#include <QObject>
#include <QTimer>

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
    int &BildIndex;          // the list line to show next
    int &AktuellerBildIndex; // the list line shown
    int &BilderAnzahl;
};

class Bildansicht : public QObject {
    Q_OBJECT
public:
    // The controls are laid on `flaeche`; the title caption lies under `buch`.
    Bildansicht(QWidget *flaeche, QWidget *buch, const Bildkontext &kontext, const platform::Screen &screen,
                platform::Meldungen &meldungen);
    ~Bildansicht() override;

    // The picture list.
    void ListeLaden(const QString &listenDatei);
    void ListeLeeren();
    // The list as the author edits it; the line count stays until the next ListeLaden.
    void ListeSetzen(const QStringList &zeilen) { liste_.setzen(zeilen); }
    const Bilderliste &liste() const { return liste_; }

    void BildLaden(const QString &name);
    // The picture of list line `index`.
    void BildZeigen(int index);
    void Bildzentrieren(const QString &name);
    // The next Bildzentrieren lays the picture even when it has the same name.
    void neuZentrieren() { ZentriertesBild.clear(); }
    void NamenLaden(const QString &name);
    // A picture from the text: the list line naming it, then the picture.
    void TextbildZeigen(const QString &name);
    // An album search hit: the picture with a frame round the mark at (x, y).
    void FundZeigen(const QString &name, int x, int y, const QString &kommentar);
    void BildHinweis(int k);

    // The mouse over the surface while the book is away, and a press on the picture;
    // `gesperrt`: the book, the list editor or the opening has the screen;
    // `hinweisSichtbar`: the hint line shows the mark under the mouse.
    void LabelCoverMouseMove(int x, int y);
    void ImageMainMouseDown(Qt::MouseButton taste, int x, int y, bool gesperrt, bool hinweisSichtbar);
    void ImageForwardClick();
    void ImageBackClick();
    void PanelBildtextClick();
    // False when the text stays unsaved: the author declined or the write failed.
    bool BildtextSpeichern();
    void BitBtn1Click();
    void SpeedButtonEnlargeMouseUp(Qt::MouseButton taste);
    void BitBtnBildlaufOkClick();
    void Timer2Timer();
    void Shape1MouseDown();
    // Leaving the picture view: the strips, arrows, frame and enlarged copy go.
    void UeberlagerungenEntfernen();
    // The background picture behind the book again (black without one), whatever
    // picture was shown last.
    void HintergrundZeigen(const QString &name);
    void setFensterstil(bool an) { fensterstil_ = an; }

    // The keys of the picture view (the mouse's ways with a point of the picture):
    // the slide show dialog with the keys in its field; the next or previous mark framed
    // with its comment (0 when there is none), its point on the screen; the enlarged
    // copy loaded, true when there is one.
    void BildlaufFragen();
    int MarkeWaehlen(int schritt);
    QPoint Markenpunkt() const;
    bool VergroesserungLaden();

    // The panels are made when first used.
    EingabePanel *PanelEingabe();
    BildtextPanel *PanelBildtext();
    BildlaufPanel *PanelBildlauf();

    const Markentabelle &marken() const { return marken_; }
    QString AktuellesBild;
    QString AktuellerBildtext;
    bool Vergroesserung = false;
    int MarkeUnterMaus = 0;
    int KlickX = 0;
    int KlickY = 0;

    book::Bildflaeche *ImageMain = nullptr;
    QLabel *LabelHuge = nullptr;
    QLabel *ImageLast = nullptr;
    QLabel *ImageNext = nullptr;
    QLabel *Imagebig = nullptr;
    QPushButton *SpeedButtonEnlarge = nullptr;
    QWidget *Shape1 = nullptr;
    QLabel *LabelShape = nullptr;
    QTimer Timer2;

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
    // The frame and its comment label around the mark at (x, y) of the picture.
    void markeRahmen(int x, int y);
    // Asks before characters that Windows-1252 cannot hold are left out of `text`;
    // false when the author would rather not store it so.
    bool nurSpeicherbareZeichen(QString &text);
    QWidget *flaeche_;
    QWidget *buch_;
    Bildkontext k_;
    const platform::Screen &screen_;
    platform::Meldungen &meldungen_;
    Bilderliste liste_;
    Markentabelle marken_;
    QString ZentriertesBild;
    bool fensterstil_ = false;
    EingabePanel *eingabe_ = nullptr;
    BildtextPanel *bildtext_ = nullptr;
    BildlaufPanel *bildlauf_ = nullptr;
};

} // namespace album
