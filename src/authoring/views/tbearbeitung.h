#pragma once
// The authoring window: a small tool window in front of the book holding one panel
// per authoring task, of which Auswahl brings one to the front. It lives for the
// whole run, hidden until a task shows it. Its panels see it only as their
// Bearbeitungskontext.
#include "authoring/views/bearbeitungskontext.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>

class QStackedWidget;

namespace authoring {

class Aufgabenpanel;
class Albumherstellung;
class Copyrightpanel;
class DemoLaden;
class Hintergrundpanel;
class Panel7Import;
class Panel11Inhaltsverzeichnis;
class Rahmendaten;
class Registerpanel;
class Titelpanel;

class TBearbeitung : public QWidget, public Bearbeitungskontext {
    Q_OBJECT
public:
    TBearbeitung(projekt::Zustand &zustand, const platform::Screen &screen, platform::Meldungen &meldungen,
                 QWidget *parent = nullptr);
    ~TBearbeitung() override;

    // The book the panels show their results in; set by the main window.
    void setBuch(Buchsteuerung *buch) { buch_ = buch; }
    // Hidden or not, the window moves into the bottom left or right corner of the
    // screen, where it leaves the book free.
    void inDieEcke(bool rechts) override;

    // Brings the task's panel to the front and shows the window.
    void Auswahl(Aufgabe aufgabe) override;
    // The task last chosen by Auswahl.
    Aufgabe aktuellesPanel() const { return Aufgabe(tag_); }

    // The tasks of the start panel, also run by the main window's commands.
    void projektWechseln();
    void textImportieren();
    void neuesProjekt();
    void neueBilderAufnehmen();
    void bilderInsAlbum() override;
    void titelGestalten();
    void registerGestalten();
    void copyrightGestalten();
    void inhaltsverzeichnisWaehlen();
    // The background picture choice; also on a read-only data root.
    void hintergrundWaehlen();
    // Cancel of the task panels; it also takes the contents memos off the book.
    void abbrechen() override;

    // The tick after "Neue Bilder in die Liste aufnehmen" that opens the list editor.
    void TimerBilderlisteTimer();
    // The list editor over the book, made when first asked for.
    Bilderlisteneditor *listeneditor();
    Bilderlisteneditor *vorhandenerListeneditor() const override;
    Fortschrittsanzeige *fortschritt() override;
    Albumherstellung *albumherstellung();
    // Contents editing (0 album, 1 reading part, 2 author help, 3 user help): the part's
    // contents as its files hold them, on the book.
    void NurInhaltsverzeichnis(int teil) override;
    Inhaltsbearbeitung &inhaltsbearbeitung() const override { return *inhalt_; }
    // The book shows page `seite`: a pending contents edit lies over its own contents
    // page only.
    void seiteGezeigt(int seite);

Q_SIGNALS:
    // Album production has finished: the album's two contents lists for the author to
    // retouch on the book's contents page.
    void albumInhaltHergestellt(const QStringList &links, const QStringList &rechts);

protected:
    // FormKeyDown: the keys no field took. Escape hides, Enter runs the front panel's OK.
    void keyPressEvent(QKeyEvent *event) override;

private:
    static constexpr int kPanelAnzahl = 12;

    // What the panels ask of the window.
    projekt::Zustand &zustand() const override { return z_; }
    Buchsteuerung *buch() const override { return buch_; }
    platform::Meldungen &meldungen() const override { return meldungen_; }
    platform::ScreenInfo bildschirm() const override;
    QFont schrift() const override { return font(); }
    int breite() const override { return width(); }
    void verbergen() override { hide(); }
    void listeneditorBereit() override;

    Aufgabenpanel *panel(int index) const;
    void startpanelGewaehlt(int eintrag);
    void Timer1Timer();
    // Every authoring task but the background picture writes the project: refused, with
    // the box the image menu gives, on a data root that is read-only.
    bool schreibbar();

    projekt::Zustand &z_;
    const platform::Screen &screen_;
    platform::Meldungen &meldungen_;
    Buchsteuerung *buch_ = nullptr;
    Inhaltsbearbeitung *inhalt_ = nullptr;
    QStackedWidget *stapel_ = nullptr;
    std::array<Aufgabenpanel *, kPanelAnzahl + 1> panels_{};
    Rahmendaten *Panel4Rahmendaten = nullptr;
    Hintergrundpanel *Panel5Wallpaper = nullptr;
    DemoLaden *Panel6DemoLaden = nullptr;
    authoring::Panel7Import *Panel7Import = nullptr;
    Titelpanel *Panel8Titel = nullptr;
    Registerpanel *Panel9Register = nullptr;
    Copyrightpanel *Panel10Copyright = nullptr;
    Panel11Inhaltsverzeichnis *inhaltspanel_ = nullptr;
    int tag_ = 0;
    bool zentriert_ = false;
    // The hint of the new-project panel stays three seconds after the program started.
    QTimer Timer1;
    // One tick after the progress strip was painted, the picture list editor opens.
    QTimer TimerBilderliste;
    QPointer<Bilderlisteneditor> listeneditor_;
    Fortschrittsanzeige *fortschritt_ = nullptr;
    Albumherstellung *albumherstellung_ = nullptr;
};

} // namespace authoring
