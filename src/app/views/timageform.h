#pragma once
// The main window: the black full-screen surface with the screen title, the book, the
// picture view and the two command surfaces. Its creation performs the whole
// start-up; its exit command saves the settings.
#include "app/core/startlogik.h"
#include "app/core/zustand.h"
#include "album/core/marken.h"
#include "app/views/meldungen.h"
#include "platform/screen.h"

#include <QMainWindow>
#include <QTimer>
#include <memory>

#include <array>
#include <functional>

class QLabel;
class QListWidget;
class QPushButton;
class QMenu;
class QAction;

namespace search {
class Suchleiste;
}

namespace album {
class BildlaufPanel;
class BildtextPanel;
class EingabePanel;
}

namespace authoring {
class TBearbeitung;
}

namespace book {
class Bildflaeche;
class BuchPanel;
class SeitenMemo;
}

namespace app {

class BildMenue;
class Buchadapter;
class TFundliste;

class TImageForm : public QMainWindow {
    Q_OBJECT
public:
    TImageForm(Zustand &zustand, const platform::Screen &screen, Meldungen &meldungen, QWidget *parent = nullptr);
    ~TImageForm() override;

    // Created after the main window, as the program creates its windows.
    void setFenster(TFundliste *fundliste, authoring::TBearbeitung *bearbeitung);
    // True when the start-up ended the program (the data was not found).
    bool startAbgebrochen() const { return startAbgebrochen_; }

    // Start-up and settings.
    void FormCreate();
    void SpracheEinrichten();
    void IniDateiLesen(const QString &name);
    void IniAuswerten();
    void ProjektReset();
    void klein(QLabel *label);

    // Display.
    void SeitenZeigen(int n);
    void TestseiteBearbeiten(book::SeitenMemo *memo, bool ausHilfe);
    void BilderImBuch();
    void InhaltZeigen(int teil);
    void Griffregistersetzen(int n);
    void LesezeichenKontrollieren();
    void LesezeichenHint(int nummer, int seite);
    void LabelZeigen(int k);
    void BildLaden(const QString &name);
    void Hinweis(const QString &text);
    void CBT(int x, int y, const QString &name);
    void Bildzentrieren(const QString &name);
    void ListeLaden();
    void auffrischen();

    // Events and commands.
    void TimerAnfangTimer();
    void Timer1Timer();
    void LabelNoCBTClick();
    void ImageCBTMouseMove(int x, int y);
    void Windowsstil();
    void BeendenClick();
    void ImageLinksPfeilClick();
    void ImageRechtsPfeilClick();
    void ImageForwardClick();
    void ImageBackClick();
    void ImageMenuMouseDown(int x, int y);
    void Shape1MouseDown();
    void InhaltClick(QListWidget *liste, int zeile);
    void LabelGriffClick(int nummer);
    void GriffHinweis(int nummer);
    void ImageBuchMouseMove(int x, int y);
    void PanelBuchMouseMove();
    void LesezeichenSetzen(int nummer);
    void LesezeichenMouseDown(int nummer, Qt::MouseButton taste);
    void ImageTextBildClick(int platz);
    void Drucken();
    // The picture view.
    void NamenLaden(const QString &name);
    void LabelCoverMouseMove(int x, int y);
    void ImageMainMouseDown(Qt::MouseButton taste, int x, int y);
    void ImageAlbumMouseDown(int x, int y);
    void ImageAlbumMouseMove(int x, int y);
    void BildHinweis(int k);
    void PanelBildtextClick();
    // False when the text stays unsaved: the author declined or the write failed.
    bool BildtextSpeichern();
    void BitBtn1Click();
    void SpeedButtonEnlargeMouseUp(Qt::MouseButton taste);
    void BitBtnBildlaufOkClick();
    void Timer2Timer();
    // The search.
    void SuchenClick();
    void BevelImBuch(int bereich);
    void BitBtn3Click();
    void Suchbildausgeben(int n);
    int Suchbereich = 0;
    QString Suchbegriff;
    QString AktuellesBild;
    QString AktuellerBildtext;
    bool Vergroesserung = false;
    int MarkeUnterMaus = 0;
    QString KlickX;
    QString KlickY;
    const album::Markentabelle &marken() const { return marken_; }
    // Where a printed page goes; returns the file it was written to, if any.
    void setDrucker(std::function<QString(const QImage &)> drucker) { drucker_ = std::move(drucker); }
    void LabelNameMouseDown() {}

    // Controls the tests and the later panels reach.
    book::BuchPanel *PanelBuch() const { return buch_; }
    BildMenue *PanelMenu() const { return menue_; }
    QLabel *LabelProjekttitel1 = nullptr;
    QLabel *LabelProjekttitel2 = nullptr;
    book::Bildflaeche *ImageMain = nullptr;
    QLabel *LabelHuge = nullptr;
    QWidget *PanelDeckel = nullptr;
    QWidget *PanelName = nullptr;
    QLabel *LabelName = nullptr;
    QWidget *PanelLinksPfeil = nullptr;
    QWidget *PanelRechtsPfeil = nullptr;
    int TextbildZaehler = 0;
    int PfeilHinweis = 0;
    int TitelzeilenLinks = 0;
    int TitelzeilenRechts = 0;
    // The panels of the picture view and the search bar are made when first used.
    album::EingabePanel *PanelEingabe();
    album::BildtextPanel *PanelBildtext();
    album::BildlaufPanel *PanelBildlauf();
    QPushButton *SpeedButtonEnlarge = nullptr;
    QLabel *Imagebig = nullptr;
    QTimer Timer2;
    QWidget *Panel12Fortschritt = nullptr;
    search::Suchleiste *PanelSuchen();
    QWidget *Shape1 = nullptr;
    QWidget *PanelMemoListe = nullptr;
    QLabel *ImageLast = nullptr;
    QLabel *ImageNext = nullptr;
    QLabel *LabelShape = nullptr;
    QTimer TimerAnfang;
    QTimer Timer1;
    QAction *Dummy = nullptr;
    bool fensterstil() const { return fensterstil_; }
    int timer1Tag() const { return timer1Tag_; }
    const QStringList &MemoListe() const { return memoListe_; }

Q_SIGNALS:
    // The exit command has done its work: the event loop should end.
    void programmEnde();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    // Asks before characters that Windows-1252 cannot hold are left out of `text`;
    // false when the author would rather not store it so.
    bool nurSpeicherbareZeichen(QString &text);
    void bauen();
    void bildansichtBauen();
    void menueBauen();
    void buchVerbinden();
    std::array<int, 5> griffZiele() const;
    std::array<int, 4> lesezeichenSeiten() const;
    void layoutFuerBildschirm();
    void buchOeffnen(int takt);

    Zustand &z_;
    const platform::Screen &screen_;
    Meldungen &meldungen_;
    TFundliste *fundliste_ = nullptr;
    authoring::TBearbeitung *bearbeitung_ = nullptr;
    std::unique_ptr<Buchadapter> buchadapter_;

    QWidget *flaeche_ = nullptr;
    book::BuchPanel *buch_ = nullptr;
    BildMenue *menue_ = nullptr;
    std::unique_ptr<Eroeffnung> eroeffnung_;
    int timer1Tag_ = 0;
    bool fensterstil_ = false;
    bool startAbgebrochen_ = false;
    QString ZentriertesBild;
    QStringList memoListe_;
    QStringList inhaltEintraege_;
    album::Markentabelle marken_;
    album::EingabePanel *eingabe_ = nullptr;
    album::BildtextPanel *bildtext_ = nullptr;
    album::BildlaufPanel *bildlauf_ = nullptr;
    search::Suchleiste *suchleiste_ = nullptr;
    std::function<QString(const QImage &)> drucker_;
    QList<QMenu *> menues_;
};

} // namespace app
