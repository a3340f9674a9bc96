#include "app/views/timageform.h"

#include "album/views/albumblatt.h"
#include "album/views/bildansicht.h"
#include "album/views/bildansichtpanels.h"
#include "app/core/menuezelle.h"
#include "app/views/bildmenue.h"
#include "app/views/buchadapter.h"
#include "app/views/buchlenkung.h"
#include "app/views/erstesbild.h"
#include "app/views/hinweiszeile.h"
#include "app/views/tastenkarte.h"
#include "app/views/zugangsfabrik.h"
#include "authoring/views/tbearbeitung.h"
#include "book/views/bildflaeche.h"
#include "book/views/bildlader.h"
#include "book/views/buchpanel.h"
#include "book/views/druckseite.h"
#include "platform/fonts.h"
#include "project/core/exelaufwerk.h"
#include "project/core/projektdateien.h"
#include "search/views/fundmarken.h"
#include "search/views/suchsteuerung.h"
#include "search/views/tfundliste.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPicture>

namespace app {
namespace {

constexpr int kAnfangsTakt = 16;

// The grey lid that covers the book while it opens: a board with a darker spine edge.
class Deckel : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(222, 222, 222));
        p.setPen(QColor(180, 180, 180));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.fillRect(QRect(width() - 4, 0, 4, height()), QColor(196, 196, 196));
    }
};

} // namespace

TImageForm::TImageForm(Zustand &zustand, const platform::Screen &screen, Meldungen &meldungen, QWidget *parent)
    : QMainWindow(parent), z_(zustand), screen_(screen), meldungen_(meldungen),
      bilderliste_(new album::Bilderlistenmodell(this)) {
    setObjectName("ImageForm");
    setWindowTitle(QStringLiteral("Pagora"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    ZugangEinrichten();
    bauen();
    verbinden();
    NachErstemBild(*flaeche_, [this] { menueBauen(); });
    installEventFilter(new Tastenkarte(*this));
    FormCreate();
}

TImageForm::~TImageForm() = default;

void TImageForm::setFenster(search::TFundliste *fundliste, authoring::TBearbeitung *bearbeitung) {
    setFenster(fundliste, [bearbeitung] { return bearbeitung; });
    this->bearbeitung();
}

void TImageForm::setFenster(search::TFundliste *fundliste, std::function<authoring::TBearbeitung *()> bearbeitung) {
    setFenster([fundliste] { return fundliste; }, std::move(bearbeitung));
    this->fundliste();
}

void TImageForm::setFenster(std::function<search::TFundliste *()> fundliste,
                            std::function<authoring::TBearbeitung *()> bearbeitung) {
    fundliste_ = nullptr;
    fundlisteMachen_ = std::move(fundliste);
    bearbeitung_ = nullptr;
    bearbeitungMachen_ = std::move(bearbeitung);
    if (!buchadapter_) buchadapter_ = std::make_unique<Buchadapter>(*this, z_, screen_);
}

search::TFundliste *TImageForm::fundliste() {
    if (!fundliste_ && fundlisteMachen_) {
        fundliste_ = fundlisteMachen_();
        if (fundliste_) {
            connect(fundliste_, &search::TFundliste::fundGewaehlt, this, &TImageForm::Suchbildausgeben);
            connect(fundliste_, &search::TFundliste::zurueckZumBuch, this, [this] {
                ZurueckZumBuch();
                activateWindow();
            });
        }
    }
    return fundliste_;
}

authoring::TBearbeitung *TImageForm::bearbeitung() {
    if (!bearbeitung_ && bearbeitungMachen_) {
        bearbeitung_ = bearbeitungMachen_();
        if (bearbeitung_) {
            bearbeitung_->setBuch(buchadapter_.get());
            connect(buchlenkung_, &Buchlenkung::aufschlagGezeigt, bearbeitung_, &authoring::TBearbeitung::seiteGezeigt);
        }
    }
    return bearbeitung_;
}

void TImageForm::bauen() {
    flaeche_ = new QWidget(this);
    flaeche_->setObjectName("Flaeche");
    flaeche_->setAutoFillBackground(true);
    book::Grundfarbe(flaeche_, Qt::black);
    flaeche_->setMouseTracking(true);
    setCentralWidget(flaeche_);
    setFont(platform::screenFont("MS Sans Serif", 8));

    LabelProjekttitel2 = new QLabel(flaeche_);
    LabelProjekttitel2->setObjectName("LabelProjekttitel2");
    book::Textfarbe(LabelProjekttitel2, QColor(70, 52, 28));
    LabelProjekttitel1 = new QLabel(flaeche_);
    LabelProjekttitel1->setObjectName("LabelProjekttitel1");
    book::Textfarbe(LabelProjekttitel1, QColor(232, 210, 150));
    for (QLabel *l : {LabelProjekttitel1, LabelProjekttitel2}) {
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        l->resize(0, 0); // sized to the typed title, not measured while still empty
        l->hide();
    }

    buch_ = new book::BuchPanel(z_.dateien, flaeche_);
    buch_->setObjectName("PanelBuch");
    buch_->hide();

    // The album is paged by the list's line count as last loaded.
    connect(bilderliste_, &album::Bilderlistenmodell::geaendert, this,
            [this] { z_.BilderAnzahl = bilderliste_->umfang(); });
    const album::Bildkontext kontext{z_.dateien,   z_.ProjektVerzeichnis, z_.HilfeVerzeichnis, z_.NurLesen,
                                     z_.BildIndex, z_.AktuellerBildIndex, *bilderliste_};
    bildansicht_ = new album::Bildansicht(flaeche_, buch_, kontext, screen_, meldungen_);
    albumblatt_ = new album::Albumblatt(buch_->albumFlaeche(), buch_->albumBild(), *bilderliste_, *bildansicht_,
                                        z_.AlbumAufschlag, screen_);

    PanelDeckel = new Deckel(flaeche_);
    PanelDeckel->setObjectName("PanelDeckel");
    PanelDeckel->hide();
    hinweiszeile_ = new Hinweiszeile(flaeche_);

    menue_ = new BildMenue(flaeche_);
    buchlenkung_ = new Buchlenkung(*buch_, *menue_, *albumblatt_, z_, screen_, flaeche_);
    suche_ =
        new search::Suchsteuerung(flaeche_, z_.dateien, z_.ProjektVerzeichnis, z_.textDatei, z_.hilfeDatei, screen_);

    // Panels of the authoring progress and the picture list editor, placed for the screen.
    auto platzhalter = [this](const char *name, int w, int h) {
        auto *p = new QWidget(flaeche_);
        p->setObjectName(QString::fromLatin1(name));
        p->resize(w, h);
        p->hide();
        return p;
    };
    Panel12Fortschritt = platzhalter("Panel12Fortschritt", 300, 24);
    PanelMemoListe = platzhalter("PanelMemoListe", 640, 480);

    // The stacking the screen was designed with, bottom to top.
    using Schicht = album::Bildansicht::Schicht;
    bildansicht_->heben(Schicht::Bild);
    LabelProjekttitel2->raise();
    LabelProjekttitel1->raise();
    buch_->raise();
    bildansicht_->heben(Schicht::Pfeile);
    for (QWidget *w : {PanelDeckel, static_cast<QWidget *>(hinweiszeile_), static_cast<QWidget *>(menue_)})
        w->raise();
    bildansicht_->heben(Schicht::Vergroesserung);
    Panel12Fortschritt->raise();
    bildansicht_->heben(Schicht::Rahmen);
    PanelMemoListe->raise();
    bildansicht_->heben(Schicht::Kommentar);

    // Designed as a 1 ms timer on a system whose timers tick every 15.6 ms at best; the
    // opening is paced at that tick here too, so the title visibly types itself.
    TimerAnfang.setInterval(kAnfangsTakt);
    TimerAnfang.setTimerType(Qt::PreciseTimer);
    connect(&TimerAnfang, &QTimer::timeout, this, &TImageForm::TimerAnfangTimer);
}

void TImageForm::verbinden() {
    connect(menue_, &BildMenue::ImageMenuMouseDown, this, &TImageForm::ImageMenuMouseDown);
    connect(menue_, &BildMenue::fundlisteGeklickt, this, &TImageForm::Fundliste1Click);
    // The menu's own hints show above the strip, which otherwise hides the hint line.
    connect(menue_, &BildMenue::ImageMenuMouseMove, this, [this](int x, int y) {
        const QString text = BildMenue::Zellenhinweis(MenueZelle(x, y, z_.AktuelleSeite));
        hinweiszeile_->zeigenUeber(text, screen_.info().width, menue_->y());
    });
    connect(menue_, &BildMenue::lesezeichenMausBewegt, this, [this](int nummer) {
        QString text;
        if (nummer == BildMenue::kFundliste)
            text = tr("Fundliste");
        else if (nummer > 0)
            text = tr("Lesezeichen %1 zwischen die aufgeschlagenen Seiten legen").arg(nummer);
        hinweiszeile_->zeigenUeber(text, screen_.info().width, menue_->y());
    });
    connect(buchlenkung_, &Buchlenkung::hinweis, this, &TImageForm::Hinweis);
    connect(buchlenkung_, &Buchlenkung::textbildGewaehlt, bildansicht_, &album::Bildansicht::TextbildZeigen);
    // Back from a picture, the book lies on the background again under the screen title.
    connect(buchlenkung_, &Buchlenkung::buchAufgeschlagen, this, [this] {
        if (titelWeg_) {
            titelWeg_ = false;
            bildansicht_->HintergrundZeigen(z_.einstellungen.wert("Wallpaper"));
            LabelProjekttitel1->show();
            LabelProjekttitel2->show();
        }
        bildansicht_->UeberlagerungenEntfernen();
    });

    using album::Bildansicht;
    bildansicht_->setFensterregeln({[this](int y) { return menueleisteAmRand(y); },
                                    [this] { return PanelMemoListe->isVisibleTo(this) || TimerAnfang.isActive(); },
                                    [this] { return hinweiszeile_->isVisibleTo(this); }});
    connect(bildansicht_, &Bildansicht::hinweis, this, &TImageForm::Hinweis);
    connect(bildansicht_, &Bildansicht::bildKommt, this, [this] {
        titelWeg_ = true;
        LabelProjekttitel1->hide();
        LabelProjekttitel2->hide();
    });
    connect(bildansicht_, &Bildansicht::bildGezeigt, this, [this](bool buchWeg) {
        menue_->hide();
        if (buchWeg) buch_->hide();
    });
    connect(bildansicht_, &Bildansicht::bildlaufBeginnt, buch_, &QWidget::hide);
    connect(bildansicht_, &Bildansicht::buchAusrichten, this,
            [this](int reserve) { buch_->move(buch_->x(), (screen_.info().height - reserve - buch_->height()) / 2); });
    connect(albumblatt_, &album::Albumblatt::mausBewegt, this, [this] {
        buch_->blaetterpfeilVerbergen(true);
        buch_->blaetterpfeilVerbergen(false);
        menue_->hide();
    });

    connect(suche_, &search::Suchsteuerung::textGefunden, this, [this](int seite, int zeile, bool links) {
        buchlenkung_->fundVormerken(links, zeile, suche_->Suchbegriff, suche_->Schreibungstolerant);
        SeitenZeigen(seite);
    });
    connect(suche_, &search::Suchsteuerung::sucheBeginnt, this, [this] { search::FundeLoeschen(*buch_); });
    connect(suche_, &search::Suchsteuerung::albumGesucht, this, [this](const QList<search::Albumfund> &funde) {
        search::TFundliste *liste = fundliste();
        if (!liste) return;
        if (funde.isEmpty()) {
            liste->NichtsGefunden(suche_->Suchbegriff);
            return;
        }
        liste->FundeZeigen(funde, screen_.info().height);
        menue_->fundlisteAnbieten();
    });
}

void TImageForm::Suchbildausgeben(int n) {
    const search::Albumfund *fund = fundliste_ ? fundliste_->fund(n) : nullptr;
    if (!fund) return;
    const platform::ScreenInfo s = screen_.info();
    buch_->hide();
    titelWeg_ = true;
    LabelProjekttitel1->hide();
    LabelProjekttitel2->hide();
    fundliste_->nebenDenFund(fund->x, s.width);
    bildansicht_->FundZeigen(fund->bild, fund->x, fund->y, fund->kommentar);
    menue_->hide();
}

bool TImageForm::ZurueckZumBuch() {
    if (buch_->isVisibleTo(this) || TimerAnfang.isActive()) return false;
    SeitenZeigen(z_.AktuelleSeite);
    return true;
}

void TImageForm::closeEvent(QCloseEvent *event) {
    // The main window is the program: closing it (close box, Alt+F4) ends the program
    // as the exit command does, but without saving, also while the authoring window or
    // the found list is open.
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) Q_EMIT programmEnde();
}

void TImageForm::Fundliste1Click() {
    search::TFundliste *liste = fundliste();
    if (!liste) return;
    liste->show();
    liste->raise();
}

void TImageForm::SeitenZeigen(int n) {
    buchlenkung_->SeitenZeigen(n);
}

bool TImageForm::menueleisteAmRand(int y) {
    const platform::ScreenInfo s = screen_.info();
    if (y > s.height - 28) {
        if (z_.AktuelleSeite == -5) SeitenZeigen(-4);
        if (!fensterstil_) {
            menue_->lesezeichenAbdecken(!buch_->isVisibleTo(this));
            menue_->show();
            menue_->raise();
            hinweiszeile_->hide();
        }
        return true;
    }
    if (y < s.height - BildMenue::kHoehe) menue_->hide();
    return false;
}

void TImageForm::Drucken() {
    menue_->hide();
    LabelProjekttitel1->hide();
    LabelProjekttitel2->hide();
    const bool buchSichtbar = buch_->isVisibleTo(this);
    QString ziel;
    if (buchSichtbar) {
        const book::Druckseite spread(*buch_, buchlenkung_->albumAufgeschlagen());
        const Druckvorlage seite{{book::Druckseite::kBreite, book::Druckseite::kHoehe},
                                 [&spread](QPainter &p) { spread.malen(p); }};
        if (drucker_) ziel = drucker_(seite);
    } else {
        bildansicht_->SteuerungVerbergen();
        const Druckvorlage seite{flaeche_->size(), [this](QPainter &p) {
                                     // Drawn into a recording first: see book::Druckseite::malen.
                                     QPicture befehle;
                                     QPainter aufnahme(&befehle);
                                     flaeche_->render(&aufnahme);
                                     aufnahme.end();
                                     book::AufzeichnungMalen(p, befehle);
                                 }};
        if (drucker_) ziel = drucker_(seite);
    }
    if (buchSichtbar) {
        buchlenkung_->ImageRechtsPfeilClick();
        buchlenkung_->LesezeichenKontrollieren();
        book::Grundfarbe(flaeche_, QColor(192, 192, 192));
    }
    // Said after the turn, which starts with a hint line of its own.
    if (!ziel.isEmpty()) Hinweis(tr("Die Seite wurde in die Datei %1 gedruckt.").arg(ziel));
}

void TImageForm::Hinweis(const QString &eingabe) {
    const QString text = eingabe.startsWith(":I:") ? eingabe.mid(3) : eingabe;
    if (fensterstil_ && screen_.info().width <= 800) {
        Dummy->setText(text.isEmpty() ? QStringLiteral(" ") : text);
        raise();
        return;
    }
    hinweiszeile_->zeigen(text, screen_.info().width, menue_->isVisible());
}

void TImageForm::auffrischen() {
    for (QWidget *w : findChildren<QWidget *>())
        if (w->isVisible()) w->repaint();
    repaint();
}

void TImageForm::eroeffnungBeenden() {
    while (TimerAnfang.isActive())
        TimerAnfangTimer();
}

void TImageForm::TimerAnfangTimer() {
    if (!eroeffnung_) eroeffnung_ = std::make_unique<Eroeffnung>(z_.BuchTitel);
    const Eroeffnung::Schritt schritt = eroeffnung_->tick();
    if (schritt.titelNeu) {
        for (QLabel *l : {LabelProjekttitel1, LabelProjekttitel2}) {
            l->setText(schritt.titel);
            l->adjustSize();
        }
    }
    if (schritt.buchTakt > 0) buchOeffnen(schritt.buchTakt);
}

void TImageForm::buchOeffnen(int k) {
    const int W = screen_.info().width;
    if (k == 1) {
        buch_->rechteHaelfteZeigen((W - 663) / 2 + 305);
        PanelDeckel->setGeometry(buch_->geometry());
        SeitenZeigen(-1);
        PanelDeckel->show();
        PanelDeckel->raise();
    } else if (k < Eroeffnung::kBuchTakte) {
        PanelDeckel->resize(Eroeffnung::DeckelBreite(k), PanelDeckel->height());
    } else {
        buch_->ganzZeigen(z_.BuchLinks);
        PanelDeckel->hide();
        TimerAnfang.stop();
        if (z_.einstellungen.wert("ShowCBT").isEmpty()) SeitenZeigen(-6);
        // The authoring window is made while the reader looks at the opened book, not
        // during the opening, whose first steps it held up by several frames.
        QTimer::singleShot(0, this, [this] { bearbeitung(); });
    }
}

void TImageForm::Windowsstil() {
    if (fensterstil_) return;
    menueBauen();
    fensterstil_ = true;
    bildansicht_->setFensterstil(true);
    const platform::ScreenInfo s = screen_.info();
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    menuBar()->show();
    for (QAction *a : menuBar()->actions())
        if (a != Dummy) a->setVisible(true);
    menue_->hide();
    buch_->move(buch_->x(), (s.height - 66 - buch_->height()) / 2);
    if (s.width > 800)
        hinweiszeile_->platzieren(hinweiszeile_->x(), s.height - 100);
    else
        Dummy->setVisible(true);
    if (screen_.isReal())
        showMaximized();
    else {
        resize(s.width, s.height);
        show();
    }
}

void TImageForm::BeendenClick() {
    if (PanelMemoListe->isVisible() &&
        !meldungen_.okAbbrechen(tr("Die Bilderliste ist noch geöffnet. Trotzdem beenden?")))
        return;
    if (!z_.NurLesen) {
        const projekt::Laufwerksergebnis eigene = projekt::ExeLaufwerk(z_.dateien, z_.programmDatei);
        if (eigene.status == projekt::Laufwerksergebnis::Status::Gefunden)
            projekt::AutorIniSchreiben(z_, eigene.ort.stamm);
        projekt::IniDateiSchreiben(z_);
        bildansicht_->BildtextSpeichern();
        projekt::LeereKommentareLoeschen(z_);
    }
    Q_EMIT programmEnde();
}

void TImageForm::ImageMenuMouseDown(int x, int y) {
    Befehl(MenueZelle(x, y, z_.AktuelleSeite));
}

void TImageForm::Befehl(MenueBefehl befehl) {
    switch (befehl) {
    case MenueBefehl::Bearbeitung:
        if (z_.NurLesen) {
            meldungen_.zeigen(Meldungen::Art::Fehler,
                              tr("Die Bearbeitungsfunktionen sind erst ausführbar, wenn das Programm auf einer "
                                 "Festplatte installiert wurde."));
        } else if (authoring::TBearbeitung *b = bearbeitung()) {
            if (z_.ProgrammName.isEmpty())
                b->neuesProjekt();
            else
                b->Auswahl(authoring::Aufgabe::Start);
        }
        break;
    case MenueBefehl::Lesen: SeitenZeigen(z_.LetzteTextseite); break;
    case MenueBefehl::Album: buchlenkung_->AlbumAufschlagen(); break;
    case MenueBefehl::Hilfe: buchlenkung_->HilfeAufschlagen(); break;
    case MenueBefehl::Suchen: suche_->SuchenClick(); break;
    case MenueBefehl::Bildlauf: bildansicht_->BildlaufFragen(); break;
    case MenueBefehl::Hintergrundbild:
        if (authoring::TBearbeitung *b = bearbeitung()) b->hintergrundWaehlen();
        break;
    case MenueBefehl::Windowsstil: Windowsstil(); break;
    case MenueBefehl::Beenden: BeendenClick(); break;
    case MenueBefehl::Drucken: Drucken(); break;
    case MenueBefehl::Keiner: break;
    }
}

} // namespace app
