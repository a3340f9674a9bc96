#pragma once
// The main window: the black full-screen surface with the screen title, on which it lays
// the book, the picture view, the hint line, the menu strip and the search bar, and wires
// what they ask for. Its creation performs the start-up; its exit command saves the
// settings.
#include "app/core/menuezelle.h"
#include "app/core/startlogik.h"
#include "app/core/zustand.h"
#include "app/views/druckausgabe.h"
#include "app/views/meldungen.h"
#include "platform/screen.h"

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>

class QLabel;
class QMenu;
class QMenuBar;
class QAction;

namespace album {
class Albumblatt;
class Bildansicht;
class Bilderlistenmodell;
} // namespace album

namespace authoring {
class TBearbeitung;
}

namespace book {
class BuchPanel;
}

namespace search {
class Suchsteuerung;
class TFundliste;
} // namespace search

namespace app {

class BildMenue;
class Buchadapter;
class Buchlenkung;
class Hinweiszeile;

class TImageForm : public QMainWindow {
    Q_OBJECT
public:
    TImageForm(Zustand &zustand, const platform::Screen &screen, Meldungen &meldungen, QWidget *parent = nullptr);
    ~TImageForm() override;

    // Created after the main window, as the program creates its windows.
    void setFenster(search::TFundliste *fundliste, authoring::TBearbeitung *bearbeitung);
    // The authoring window made only when first wanted, so that the first screen
    // does not wait for it.
    void setFenster(search::TFundliste *fundliste, std::function<authoring::TBearbeitung *()> bearbeitung);
    // Both windows made when first wanted: the found list by the first album search or
    // its command.
    void setFenster(std::function<search::TFundliste *()> fundliste,
                    std::function<authoring::TBearbeitung *()> bearbeitung);
    authoring::TBearbeitung *bearbeitung();
    // True when the start-up ended the program (the data was not found).
    bool startAbgebrochen() const { return startAbgebrochen_; }
    // Where a printed page goes; returns the file it was written to, if any.
    void setDrucker(std::function<QString(const Druckvorlage &)> drucker) { drucker_ = std::move(drucker); }

    // Start-up and settings.
    void FormCreate();
    void SpracheEinrichten();
    bool IniDateiLesen(const QString &name);
    void IniAuswerten();
    void ProjektReset();
    void ListeLaden();

    // What the owners ask for, and the window's own commands.
    void SeitenZeigen(int n);
    void Hinweis(const QString &text);
    void TimerAnfangTimer();
    void Windowsstil();
    void BeendenClick();
    void Drucken();
    // The part of the book shown as a PDF, one spread per page.
    void BuchAlsPdfSpeichern();
    // Where "Buch als PDF speichern" writes (a file dialog unless set); `vorschlag` is
    // the name offered; an empty answer writes nothing.
    void setPdfZiel(std::function<QString(const QString &vorschlag)> ziel) { pdfZiel_ = std::move(ziel); }
    void auffrischen();
    void ImageMenuMouseDown(int x, int y);
    // A command of the image menu, as its cell, its key or a screen reader gives it.
    void Befehl(MenueBefehl befehl);
    // An album search hit chosen in the found list (1-based).
    void Suchbildausgeben(int n);
    void Fundliste1Click();
    // From the picture view back to the spread it was opened from; false when the book
    // is already shown.
    bool ZurueckZumBuch();

    // The owners.
    book::BuchPanel *PanelBuch() const { return buch_; }
    Buchlenkung *buchlenkung() const { return buchlenkung_; }
    // The menu bar is made when first wanted, at the latest once the first screen is up:
    // the full-screen presentation hides it, and making it loads the style's icons.
    QMenuBar *menueleiste();
    QMenu *ansichtMenue();
    // The project's picture list: the picture view, the album sheet, the list editor and
    // album production share it.
    album::Bilderlistenmodell &bilderliste() const { return *bilderliste_; }
    album::Bildansicht *bildansicht() const { return bildansicht_; }
    album::Albumblatt *albumblatt() const { return albumblatt_; }
    search::Suchsteuerung *suche() const { return suche_; }
    Hinweiszeile *PanelName() const { return hinweiszeile_; }
    BildMenue *PanelMenu() const { return menue_; }
    const Zustand &zustand() const { return z_; }

    bool fensterstil() const { return fensterstil_; }
    // The opening: whether it still runs; held, so that its ticks come by hand
    // (TimerAnfangTimer); run to its end at once; its tick.
    bool eroeffnungLaeuft() const { return TimerAnfang.isActive(); }
    void eroeffnungAnhalten() { TimerAnfang.stop(); }
    void eroeffnungBeenden();
    int eroeffnungsTakt() const { return TimerAnfang.interval(); }

Q_SIGNALS:
    // The exit command has done its work: the event loop should end.
    void programmEnde();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // The window's own adapter for the authoring window shows titles and progress on it.
    friend class Buchadapter;

    QLabel *LabelProjekttitel1 = nullptr;
    QLabel *LabelProjekttitel2 = nullptr;
    QWidget *PanelDeckel = nullptr;
    QWidget *Panel12Fortschritt = nullptr;
    QWidget *PanelMemoListe = nullptr;
    QTimer TimerAnfang;
    QAction *Dummy = nullptr;

    void bauen();
    void verbinden();
    void menueBauen();
    void layoutFuerBildschirm();
    void buchOeffnen(int takt);
    // The mouse at height y of the surface: the menu strip comes up at the bottom edge
    // and goes above its own height; true when the strip took the move.
    bool menueleisteAmRand(int y);

    Zustand &z_;
    const platform::Screen &screen_;
    Meldungen &meldungen_;
    search::TFundliste *fundliste();
    search::TFundliste *fundliste_ = nullptr;
    std::function<search::TFundliste *()> fundlisteMachen_;
    authoring::TBearbeitung *bearbeitung_ = nullptr;
    std::function<authoring::TBearbeitung *()> bearbeitungMachen_;
    std::unique_ptr<Buchadapter> buchadapter_;
    album::Bilderlistenmodell *bilderliste_;

    QWidget *flaeche_ = nullptr;
    book::BuchPanel *buch_ = nullptr;
    BildMenue *menue_ = nullptr;
    bool titelWeg_ = false; // a picture took the screen title away
    Hinweiszeile *hinweiszeile_ = nullptr;
    album::Bildansicht *bildansicht_ = nullptr;
    album::Albumblatt *albumblatt_ = nullptr;
    Buchlenkung *buchlenkung_ = nullptr;
    QMenu *ansichtMenue_ = nullptr;
    search::Suchsteuerung *suche_ = nullptr;
    std::unique_ptr<Eroeffnung> eroeffnung_;
    bool fensterstil_ = false;
    bool startAbgebrochen_ = false;
    std::function<QString(const Druckvorlage &)> drucker_;
    std::function<QString(const QString &)> pdfZiel_;
};

} // namespace app
