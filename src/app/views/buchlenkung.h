#pragma once
// The book's steering: which spread the book shows (`SeitenZeigen`), its pages, contents,
// register tabs, bookmarks, pictures in the text, the tour and turning the pages. It
// tells the main window what to show in the hint line and which picture was chosen.
#include "app/core/zustand.h"
#include "platform/screen.h"

#include <QObject>
#include <QTimer>
#include <array>

class QListWidget;
class QWidget;

namespace album {
class Albumblatt;
}

namespace book {
class Blaetteranimation;
class BuchPanel;
} // namespace book

namespace app {

class BildMenue;

class Buchlenkung : public QObject {
    Q_OBJECT
public:
    // `fokus` takes the keys while a spread is shown.
    Buchlenkung(book::BuchPanel &buch, BildMenue &menue, album::Albumblatt &albumblatt, Zustand &zustand,
                const platform::Screen &screen, QWidget *fokus);

    // Shows spread n; with "Blättern zeigen" a change of spread is seen turning.
    void SeitenZeigen(int n);
    void BlaetternBeenden();
    book::Blaetteranimation *blaetteranimation() const { return blaettern_; }
    // One page of the open record file onto the left or right page.
    void TestseiteBearbeiten(bool links, bool ausHilfe);
    void BilderImBuch();
    void InhaltZeigen(int teil);
    void InhaltClick(QListWidget *liste, int zeile);
    void Griffregistersetzen(int n);
    void LabelGriffClick(int nummer);
    void GriffHinweis(int nummer);
    void ImageBuchMouseMove(int x, int y);
    void PanelBuchMouseMove();
    void ImageLinksPfeilClick();
    void ImageRechtsPfeilClick();
    void ImageTextBildClick(int platz);
    void CBT(int x, int y, const QString &name);
    void Timer1Timer();
    void LabelNoCBTClick();
    void ImageCBTMouseMove(int x, int y);

    // Bookmarks 1..4: the pages from the settings, laying one in, taking one out.
    void LesezeichenLesen();
    // Refused, with a hint, on the cover, the tour, the reading part's contents and
    // without the book.
    void LesezeichenSetzen(int nummer);
    void LesezeichenMouseDown(int nummer, Qt::MouseButton taste);
    void LesezeichenHint(int nummer, int seite);
    void LesezeichenKontrollieren();

    // Commands of the keys: the help where it was left (its contents the first time), the
    // first and the last spread of the part shown, and bookmark 1..4 taken when it lies
    // in the book or laid into the spread shown when it is still in the box.
    void HilfeAufschlagen();
    void AlbumAufschlagen(); // the album spread last shown
    bool albumAufgeschlagen() const;
    void TeilAnfang();
    void TeilEnde();
    void LesezeichenTaste(int nummer);
    const std::array<int, 4> &lesezeichenSeiten() const { return lesezeichen_; }
    const QString &lesezeichenHinweis(int nummer) const { return lesezeichenHinweise_[size_t(nummer - 1)]; }

    // The arrow beside the line of a search hit on the next spread: 1 left, 2 right.
    // The arrow, and the found words `begriff` marked on the spread (before it is seen turning).
    void fundVormerken(bool links, int zeile, const QString &begriff = {}, bool tolerant = true);
    int PfeilHinweis = 0;
    int TextbildZaehler = 0;
    // The half-second tick of the tour and of a found page's arrow; what it did last.
    bool taktLaeuft() const { return Timer1.isActive(); }
    int timer1Tag() const { return timer1Tag_; }

Q_SIGNALS:
    void hinweis(const QString &text);
    // A picture in the text was clicked: the picture view shows it.
    void textbildGewaehlt(const QString &name);
    // The book is laid open again: what lay over a picture goes.
    void buchAufgeschlagen();
    // A spread or screen is shown (any way of getting there): what lies over one page
    // only, such as a contents edit, follows.
    void aufschlagGezeigt(int seite);

private:
    QTimer Timer1;
    void aufschlagen(int n);
    // The two pages of a spread from a page file; false when the file ends before it.
    bool zweiSeitenLesen(platform::RecordFile &datei, bool ausHilfe, int rechteSeite);
    bool lesezeichenLegbar() const;
    std::array<int, 5> griffZiele() const;
    void verbinden();

    book::BuchPanel &buch_;
    BildMenue &menue_;
    album::Albumblatt &albumblatt_;
    Zustand &z_;
    const platform::Screen &screen_;
    QWidget *fokus_;
    book::Blaetteranimation *blaettern_;
    QStringList inhaltEintraege_;
    std::array<int, 4> lesezeichen_{};
    std::array<QString, 4> lesezeichenHinweise_;
    int timer1Tag_ = 0;
    int fundZeile_ = 0;
    QString fundBegriff_;
    bool fundTolerant_ = true;
    int gezeigterInhalt_ = 0; // the contents spread shown (1..), 0 on other spreads
};

} // namespace app
