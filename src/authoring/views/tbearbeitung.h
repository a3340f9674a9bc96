#pragma once
// The authoring window: a small tool window in front of the book holding one panel
// per authoring task, of which Auswahl brings one to the front. It lives for the
// whole run, hidden until a task shows it.
#include "authoring/views/buchsteuerung.h"
#include "platform/meldungen.h"
#include "platform/screen.h"
#include "project/core/zustand.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>

class QStackedWidget;

namespace authoring {

class Aufgabenpanel;
class Albumfrage;
class Albumherstellung;
class Fortschrittsanzeige;
class PanelMemoListe;
class Copyrightpanel;
class DemoLaden;
class Hintergrundpanel;
class Inhaltsbearbeitung;
class Panel7Import;
class Panel11Inhaltsverzeichnis;
class Rahmendaten;
class Registerpanel;
class Startpanel;
class Titelpanel;

class TBearbeitung : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPanelAnzahl = 12;

    TBearbeitung(projekt::Zustand &zustand, const platform::Screen &screen, platform::Meldungen &meldungen,
                 QWidget *parent = nullptr);
    ~TBearbeitung() override;

    // The book the panels show their results in; set by the main window.
    void setBuch(Buchsteuerung *buch) { buch_ = buch; }
    Buchsteuerung *buch() const { return buch_; }
    projekt::Zustand &zustand() const { return z_; }
    platform::Meldungen &meldungen() const { return meldungen_; }
    platform::ScreenInfo bildschirm() const { return screen_.info(); }
    // Hidden or not, the window moves into the bottom left or right corner of the
    // screen, where it leaves the book free.
    void inDieEcke(bool rechts = false);

    // Brings task panel `index` (1..12) to the front and shows the window; an index
    // without a panel shows the panel that was in front before.
    void Auswahl(int index);
    // The window's Tag: the index last chosen by Auswahl.
    int aktuellesPanel() const { return tag_; }
    Aufgabenpanel *panel(int index) const;
    Aufgabenpanel *vorderesPanel() const;

    // The tasks of the start panel, also run by the main window's commands.
    void ImageRunDemoClick();
    void ImageTextImportClick();
    void ImageFundamentalsClick();
    void ImageNeueBilderClick();
    void ImageBilderInsAlbumClick();
    void PanelProjektTitelClick();
    void PanelRegisterClick();
    void PanelCopyrightClick();
    void InhaltsverzeichnisbearbeitenClick();
    // The background picture choice; also on a read-only data root.
    void Hintergrundbild1Click();
    // Cancel of the task panels.
    // Cancel of the task panels; it also takes the contents memos off the book.
    void BitBtnSpaeterClick();
    void Timer1Timer();

    // Picture list editor and album production.
    // The tick after "Neue Bilder in die Liste aufnehmen" that opens the list editor.
    void TimerBilderlisteTimer();
    // Album production, with the progress in the book.
    void AlbumBearbeiten();
    // The list editor over the book, made when first asked for (`anlegen`).
    PanelMemoListe *listeneditor(bool anlegen = true);
    Fortschrittsanzeige *fortschritt();
    Albumherstellung *albumherstellung();
    QTimer TimerBilderliste;
    // Contents editing (0 album, 1 reading part, 2 author help, 3 user help): the book
    // in the editing state with these lines, as after an import or album production;
    // the part's contents as its files hold them; saving them.
    void InhaltZurBearbeitung(int teil, const QStringList &memo, const QStringList &memo2);
    void NurInhaltsverzeichnis(int teil);
    void PanelSaveContentsClick();
    Inhaltsbearbeitung &inhaltsbearbeitung() const { return *inhalt_; }
    // The book shows page `seite`: a pending contents edit lies over its own contents
    // page only.
    void seiteGezeigt(int seite);

    Startpanel *Panel1DemoOderProjekt = nullptr;
    Albumfrage *Panel3JetztDasAlbum = nullptr;
    Rahmendaten *Panel4Rahmendaten = nullptr;
    DemoLaden *Panel6DemoLaden = nullptr;
    authoring::Panel7Import *Panel7Import = nullptr;
    authoring::Panel11Inhaltsverzeichnis *Panel11Inhaltsverzeichnis = nullptr;
    Hintergrundpanel *Panel5Wallpaper = nullptr;
    Titelpanel *Panel8Titel = nullptr;
    Registerpanel *Panel9Register = nullptr;
    Copyrightpanel *Panel10Copyright = nullptr;
    QWidget *PanelVerzeichnisAuswahl = nullptr;
    QTimer Timer1;

Q_SIGNALS:
    // Album production has finished: the album's two contents lists for the author to
    // retouch on the book's contents page.
    void albumInhaltHergestellt(const QStringList &links, const QStringList &rechts);

protected:
    // FormKeyDown: the keys no field took. Escape hides, Enter runs the front panel's OK.
    void keyPressEvent(QKeyEvent *event) override;

private:
    projekt::Zustand &z_;
    const platform::Screen &screen_;
    platform::Meldungen &meldungen_;
    Buchsteuerung *buch_ = nullptr;
    Inhaltsbearbeitung *inhalt_ = nullptr;
    QStackedWidget *stapel_ = nullptr;
    std::array<Aufgabenpanel *, kPanelAnzahl + 1> panels_{};
    int tag_ = 0;
    bool zentriert_ = false;
    // Every authoring task but the background picture writes the project: refused, with
    // the box the image menu gives, on a data root that is read-only.
    bool schreibbar();
    QPointer<PanelMemoListe> listeneditor_;
    Fortschrittsanzeige *fortschritt_ = nullptr;
    Albumherstellung *albumherstellung_ = nullptr;
};

} // namespace authoring
