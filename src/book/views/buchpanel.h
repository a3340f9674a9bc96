#pragma once
// The book on the desk (`PanelBuch`, 660 × 441): the book picture, the two pages,
// their numbers, the album sheet, the cover labels and the tour figure with its
// tick box. The main window places it and decides what it shows.
#include "book/views/griffbeschriftung.h"
#include "book/views/seitenmemo.h"
#include "platform/files.h"

#include "book/core/seitenanzeige.h"

#include <QLabel>
#include <QListWidget>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

namespace book {

class BuchPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBreite = 660;
    static constexpr int kHoehe = 441;

    explicit BuchPanel(const platform::Files &dateien, QWidget *parent = nullptr);

    // "Book.bmp" into the book picture when it exists; the book counts as open.
    void Buchzeigen(const QString &hilfeVerzeichnis);
    // The cover "CBT0.bmp"; false when it is missing. The book no longer counts as open.
    bool CoverZeigen(const QString &hilfeVerzeichnis);
    // A tour picture at (x, y) when `name`.bmp exists in the help folder.
    bool CBT(const QString &hilfeVerzeichnis, int x, int y, const QString &name);

    // The fonts of pages, titles, contents, tabs and captions: Arial in `schriftgrad` on a
    // screen with large fonts (`skaliert`), else the fonts the book was designed in.
    void SchriftenSetzen(int schriftgrad, int ppi, bool skaliert);
    // The title page: the title and subtitle, each at its height and in its font.
    void TitelseiteSetzen(const QString &titel, int titelOben, const QFont &titelSchrift, const QString &untertitel,
                          int untertitelOben, const QFont &untertitelSchrift);

    // The album sheet picture; decoded when the album is first shown. A missing
    // picture leaves the sheet empty.
    void albumBlattVormerken(const QString &storedPath);

    // A page's title laid over the rows of its heading lines.
    void TitelSetzen(bool links, const Seitenbild &seite);
    void TitelZuruecksetzen();
    // The contents lists of a contents spread; `erste`: the first spread of its part.
    void InhaltSetzen(const Inhaltsseite &seite, bool erste, const QString &titel);
    void InhaltVerbergen();
    // Register tabs: captions, and which edge each sticks out of for page n.
    void GriffeBeschriften(const QStringList &texte);
    void Griffregistersetzen(int n, const std::array<int, 5> &ziele);
    // Whether a caption fits its tab, word-wrapped in the tab's font; else it is cut off.
    bool griffTextPasst(const QString &text) const;
    void Registerweg();
    // Bookmark ribbons for page n: before it on the left edge, from it on the right.
    void LesezeichenKontrollieren(int n, const std::array<int, 4> &seiten);
    void LesezeichenVerbergen(int nummer);
    // Pictures in the text.
    void TextBilderWeg();
    void BildImBuch(int platz, const Textbild &bild);

    // The whole book or only its right half, as the opening shows it first; the tour's
    // tick box lies on the cover from the first time the book is whole.
    void ganzZeigen(int links);
    void rechteHaelfteZeigen(int links);

    // The book picture, not the cover, lies on the panel (it counts as open from the
    // start until the cover is laid on).
    bool buchbildGeladen() const { return buchbildGeladen_; }
    // The cover's title, subtitle and tour tick box; the tour figure.
    void deckblattZeigen(bool an);
    void deckblattTitel(const QString &titel);
    void tourFigurZeigen(bool an);
    int tourFigurOben() const;
    // The tour tick box: its caption, which mark it shows, and hidden without a tour.
    void anleitungBeschriften(const QString &text);
    void anleitungAnkreuzen(bool tourZeigen);
    void anleitungVerbergen();

    // The two pages' lines; `links` chooses the page.
    void seitenZeigen(bool links, bool rechts);
    const QStringList &seitenZeilen(bool links) const;
    void seiteSetzen(bool links, const QStringList &zeilen);
    void seiteLeeren(bool links);
    void seiteMarkieren(bool links, const QList<SeitenMemo::Markierung> &marken);
    // Found words in the page titles and picture captions: `finden` gives each text's
    // marked ranges (start, length); without it the marks go.
    using Fundsucher = std::function<QList<std::pair<int, int>>(const QString &)>;
    void beschriftungenMarkieren(const Fundsucher &finden);
    // The left page typed on (the copyright page), with the keyboard's focus.
    void linkeSeiteSchreibbar(bool schreibbar);
    void seitenzahlenZeigen(bool an);
    void seitenzahlenSetzen(int rechteSeite); // "- n-1 -" and "- n -"
    void seitenzahlenLeeren();
    void inhaltLeeren();

    // The album sheet in place of the pages; the album's own view works inside
    // `albumFlaeche`, on `albumBild`.
    void albumZeigen();
    void albumVerbergen();
    void albumBlattSetzen(const QImage &blatt, bool sofortZeichnen = false);
    QWidget *albumFlaeche() const { return PanelAlbum; }
    QLabel *albumBild() const { return ImageAlbum; }

    // The arrows that turn a page, at height y beside the left or right page edge.
    void blaetterpfeilZeigen(bool links, int y);
    void blaetterpfeilVerbergen(bool links);
    // The mark beside the line of a search hit: 0 none, 1 left page, 2 right page.
    void fundpfeilSetzen(int seite, int zeile);

    QString griffText(int nummer) const;                       // 1..5
    void lesezeichenBenennen(int nummer, const QString &text); // 1..4, for screen readers
    QString textbildName(int platz) const;                     // 1..4

Q_SIGNALS:
    void tickBoxGeklickt();
    void tourBildMausBewegt(QPoint imBild);
    void buchMausBewegt(QPoint imBild); // over the book picture
    void seiteMausBewegt();             // over the pages, titles and text pictures
    void pfeilGeklickt(bool vorwaerts);
    void inhaltGeklickt(QListWidget *liste, int zeile);
    void inhaltMausBewegt();
    void griffGeklickt(int nummer); // 1..5
    void griffMausBewegt(int nummer);
    void lesezeichenGedrueckt(int nummer, Qt::MouseButton taste); // 1..4
    void lesezeichenMausBewegt(int nummer);
    void textbildGeklickt(int platz); // 1..4

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    friend class Druckseite;
    // Tab, Return and Delete on the picture controls, and their roles for screen readers.
    void tastenEinrichten();

    const platform::Files &dateien_;
    bool buchbildGeladen_ = true;
    QLabel *ImageBuch;
    SeitenMemo *MemoTextLinks;
    SeitenMemo *MemoTextRechts;
    QLabel *LabelSeitenzahlLinks;
    QLabel *LabelSeitenzahlRechts;
    QLabel *LabelProjekttitel3;
    QLabel *LabelProjektUnterTitel;
    QLabel *ImageCBT;
    QWidget *PanelNoCBT;
    QLabel *LabelNoCBT;
    QLabel *ImageNoCBT;
    QLabel *ImageYesCBT;
    QWidget *PanelAlbum;
    QLabel *ImageAlbum;
    QWidget *PanelLinks;
    QLabel *TitelLinks;
    QWidget *PanelRechts;
    QLabel *TitelRechts;
    QLabel *PanelInhalt;
    void inhaltslistenMachen();
    QListWidget *Inhalt1 = nullptr;
    QListWidget *Inhalt2 = nullptr;
    std::optional<QFont> inhaltSchrift_; // set by SchriftenSetzen
    std::array<QWidget *, 5> GriffL{};
    std::array<QWidget *, 5> GriffR{};
    std::array<Griffbeschriftung *, 5> LabelGriffL{};
    std::array<Griffbeschriftung *, 5> LabelGriffR{};
    std::array<QLabel *, 4> LesezeichenL{};
    std::array<QLabel *, 4> LesezeichenR{};
    std::array<QWidget *, 4> PanelTextBild{};
    std::array<QLabel *, 4> ImageTextBild{};
    std::array<QLabel *, 4> Unterschrift{};
    std::array<QString, 4> TextbildNamen;
    QWidget *PanelLinksPfeil;
    QWidget *PanelRechtsPfeil;
    QLabel *ImageLeftArrow;
    QLabel *ImageRightArrow;

    QString albumBlatt_;
    void albumBlattLaden();
};

} // namespace book
