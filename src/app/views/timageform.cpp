#include "app/views/timageform.h"

#include "app/core/menuezelle.h"
#include "app/core/projektdateien.h"
#include "album/views/bildansichtpanels.h"
#include "app/views/bildmenue.h"
#include "app/views/buchadapter.h"
#include "search/core/falten.h"
#include "search/views/suchleiste.h"
#include "app/views/tfundliste.h"
#include "authoring/core/exelaufwerk.h"
#include "authoring/views/tbearbeitung.h"
#include "book/core/lesezeichen.h"
#include "book/core/seitenformat.h"
#include "book/core/seitensatz.h"
#include "book/core/ziffernwert.h"
#include "book/views/bildflaeche.h"
#include "book/views/bildlader.h"
#include "album/core/kleinbild.h"
#include "book/views/buchpanel.h"
#include "platform/bitmapfile.h"
#include "platform/cp1252.h"
#include "platform/fonts.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QListWidget>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QWidget>

namespace app {
namespace {

const QString kSchriftskalierungFehler = QStringLiteral(
    "Schriftskalierungen über 150 % und Zwischenwerte zwischen 100, 125 und 150 % werden nicht zuverlässig "
    "unterstützt.");
const QString kSchriftskalierungHinweis = QStringLiteral(
    "Wählen Sie im Startmenü von Windows \"Einstellungen / Systemsteuerung / Anzeige / Einstellungen / "
    "Schriftgrad\" einen der Standardwerte, z.B. \"kleine Schriftarten\". Danach wird Windows mit den "
    "veränderten Einstellungen gestartet.");

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

QPixmap pfeilBild(bool links) {
    QImage bild(":/art/PfeilLinks.bmp");
    if (!links) bild = QImage(":/art/PfeilRechts.bmp", "BMP");
    return book::MitTransparenz(bild);
}

} // namespace

TImageForm::TImageForm(Zustand &zustand, const platform::Screen &screen, Meldungen &meldungen, QWidget *parent)
    : QMainWindow(parent), z_(zustand), screen_(screen), meldungen_(meldungen) {
    setObjectName("ImageForm");
    setWindowTitle(QStringLiteral("Pagora"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    bauen();
    menueBauen();
    FormCreate();
}

TImageForm::~TImageForm() = default;

void TImageForm::setFenster(TFundliste *fundliste, authoring::TBearbeitung *bearbeitung) {
    fundliste_ = fundliste;
    bearbeitung_ = bearbeitung;
    if (!buchadapter_) buchadapter_ = std::make_unique<Buchadapter>(*this);
    if (bearbeitung_) bearbeitung_->setBuch(buchadapter_.get());
    if (fundliste_) connect(fundliste_, &TFundliste::fundGewaehlt, this, &TImageForm::Suchbildausgeben);
}

void TImageForm::bauen() {
    flaeche_ = new QWidget(this);
    flaeche_->setObjectName("Flaeche");
    flaeche_->setAutoFillBackground(true);
    flaeche_->setPalette(QPalette(Qt::black));
    flaeche_->setMouseTracking(true);
    flaeche_->installEventFilter(this);
    setCentralWidget(flaeche_);
    setFont(platform::screenFont("MS Sans Serif", 8));

    ImageMain = new book::Bildflaeche(flaeche_);
    ImageMain->setObjectName("ImageMain");
    ImageMain->setMouseTracking(true);
    ImageMain->installEventFilter(this);
    ImageMain->hide();
    LabelHuge = new QLabel(flaeche_);
    LabelHuge->setObjectName("LabelHuge");
    LabelHuge->setAlignment(Qt::AlignCenter);
    book::Textfarbe(LabelHuge, QColor(236, 226, 200));
    LabelHuge->resize(600, 80);
    LabelHuge->hide();

    LabelProjekttitel2 = new QLabel(flaeche_);
    LabelProjekttitel2->setObjectName("LabelProjekttitel2");
    book::Textfarbe(LabelProjekttitel2, QColor(70, 52, 28));
    LabelProjekttitel1 = new QLabel(flaeche_);
    LabelProjekttitel1->setObjectName("LabelProjekttitel1");
    book::Textfarbe(LabelProjekttitel1, QColor(232, 210, 150));
    for (QLabel *l : {LabelProjekttitel1, LabelProjekttitel2}) {
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        l->resize(0, 0);  // sized to the typed title, not measured while still empty
        l->hide();
    }

    buch_ = new book::BuchPanel(z_.dateien, flaeche_);
    buch_->setObjectName("PanelBuch");
    buch_->BuchbildGeladen = true;  // the book counts as open until the cover is laid on
    buch_->hide();
    connect(buch_, &book::BuchPanel::tickBoxGeklickt, this, &TImageForm::LabelNoCBTClick);
    connect(buch_, &book::BuchPanel::tourBildMausBewegt, this,
            [this](QPoint p) { ImageCBTMouseMove(p.x(), p.y()); });

    PanelLinksPfeil = buch_->PanelLinksPfeil;
    PanelRechtsPfeil = buch_->PanelRechtsPfeil;

    // The previous-picture and next-picture arrows at the screen edges of the picture view.
    for (QLabel **pfeilBildschirm : {&ImageLast, &ImageNext}) {
        *pfeilBildschirm = new QLabel(flaeche_);
        (*pfeilBildschirm)->setPixmap(pfeilBild(pfeilBildschirm == &ImageLast));
        (*pfeilBildschirm)->resize(16, 17);
        (*pfeilBildschirm)->hide();
    }
    ImageLast->setObjectName("ImageLast");
    ImageNext->setObjectName("ImageNext");

    PanelDeckel = new Deckel(flaeche_);
    PanelDeckel->setObjectName("PanelDeckel");
    PanelDeckel->hide();

    PanelName = new QWidget(flaeche_);
    PanelName->setObjectName("PanelName");
    PanelName->setAutoFillBackground(true);
    PanelName->setPalette(QPalette(QColor(250, 244, 226)));
    LabelName = new QLabel(PanelName);
    LabelName->setObjectName("LabelName");
    LabelName->move(8, 3);
    LabelName->installEventFilter(this);
    PanelName->resize(16, 20);
    PanelName->hide();

    menue_ = new BildMenue(flaeche_);
    connect(menue_, &BildMenue::ImageMenuMouseDown, this, &TImageForm::ImageMenuMouseDown);
    menue_->LabelFundliste->installEventFilter(this);
    menue_->LabelFundliste->setCursor(Qt::PointingHandCursor);
    buchVerbinden();

    // Panels of the picture view, the search and the authoring progress; placed for
    // the screen at start and filled by their own parts.
    auto platzhalter = [this](const char *name, int w, int h) {
        auto *p = new QWidget(flaeche_);
        p->setObjectName(QString::fromLatin1(name));
        p->resize(w, h);
        p->hide();
        return p;
    };
    bildansichtBauen();
    Panel12Fortschritt = platzhalter("Panel12Fortschritt", 300, 24);
    auto *rahmen = new QFrame(flaeche_);
    rahmen->setObjectName("Shape1");
    rahmen->setFrameShape(QFrame::Box);
    rahmen->setLineWidth(2);
    QPalette rot = rahmen->palette();
    rot.setColor(QPalette::WindowText, Qt::red);
    rahmen->setPalette(rot);
    rahmen->resize(100, 100);
    rahmen->hide();
    Shape1 = rahmen;
    Shape1->installEventFilter(this);
    PanelMemoListe = platzhalter("PanelMemoListe", 640, 480);
    LabelShape = new QLabel(flaeche_);
    LabelShape->setObjectName("LabelShape");
    book::Textfarbe(LabelShape, Qt::red);
    LabelShape->installEventFilter(this);
    LabelShape->hide();

    // Designed as a 1 ms timer on a system whose timers tick every 15.6 ms at best; the
    // opening is paced at that tick here too, so the title visibly types itself.
    TimerAnfang.setInterval(kAnfangsTakt);
    TimerAnfang.setTimerType(Qt::PreciseTimer);
    connect(&TimerAnfang, &QTimer::timeout, this, &TImageForm::TimerAnfangTimer);
    Timer1.setInterval(500);
    connect(&Timer1, &QTimer::timeout, this, &TImageForm::Timer1Timer);
}

void TImageForm::buchVerbinden() {
    using B = book::BuchPanel;
    connect(buch_, &B::buchMausBewegt, this, [this](QPoint p) { ImageBuchMouseMove(p.x(), p.y()); });
    connect(buch_, &B::seiteMausBewegt, this, &TImageForm::PanelBuchMouseMove);
    connect(buch_, &B::pfeilGeklickt, this, [this](bool vor) {
        if (vor) ImageRechtsPfeilClick();
        else ImageLinksPfeilClick();
    });
    connect(buch_, &B::inhaltGeklickt, this, &TImageForm::InhaltClick);
    connect(buch_, &B::inhaltMausBewegt, this, [this] {
        PanelRechtsPfeil->hide();
        Hinweis(tr("Klicken Sie auf das Kapitel Ihrer Wahl!"));
    });
    connect(buch_, &B::griffGeklickt, this, &TImageForm::LabelGriffClick);
    connect(buch_, &B::griffMausBewegt, this, &TImageForm::GriffHinweis);
    connect(buch_, &B::lesezeichenGedrueckt, this, &TImageForm::LesezeichenMouseDown);
    connect(buch_, &B::lesezeichenMausBewegt, this, [this](int n) {
        Hinweis(buch_->LesezeichenL[size_t(n - 1)]->property("Hint").toString());
    });
    connect(buch_, &B::textbildGeklickt, this, &TImageForm::ImageTextBildClick);
    connect(menue_, &BildMenue::lesezeichenGeklickt, this, &TImageForm::LesezeichenSetzen);
}

void TImageForm::menueBauen() {
    QMenuBar *bar = menuBar();
    auto eintrag = [this](QMenu *menu, const char *name, const QString &text, auto handler) {
        QAction *a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    QMenu *datei = bar->addMenu(tr("Datei"));
    datei->menuAction()->setObjectName("Datei1");
    eintrag(datei, "Fundliste1", tr("Fundliste"), [this] {
        if (fundliste_) {
            fundliste_->show();
            fundliste_->raise();
        }
    });
    eintrag(datei, "Drucken1", tr("Drucken"), &TImageForm::Drucken);
    eintrag(datei, "Beenden", tr("Beenden"), &TImageForm::BeendenClick);
    QAction *suchen = bar->addAction(tr("Suchen"));
    suchen->setObjectName("Suchen");
    connect(suchen, &QAction::triggered, this, &TImageForm::SuchenClick);
    QMenu *ansicht = bar->addMenu(tr("Ansicht"));
    ansicht->menuAction()->setObjectName("Ansicht1");
    eintrag(ansicht, "Bildlauf1", tr("Bildlauf"), [this] {
        PanelBildlauf()->show();
        PanelBildlauf()->raise();
    });
    eintrag(ansicht, "Album1", tr("Album"), [this] { SeitenZeigen(1000 + 2 * z_.AlbumAufschlag); });
    eintrag(ansicht, "Lesen1", tr("Lesen"), [this] { SeitenZeigen(z_.LetzteTextseite); });
    eintrag(ansicht, "Hintergrundbild1", tr("Hintergrundbild"), [this] {
        if (bearbeitung_) bearbeitung_->Auswahl(5);
    });
    QAction *hilfe = bar->addAction(tr("Hilfe"));
    hilfe->setObjectName("Hilfe");
    QMenu *projekte = bar->addMenu(tr("Projekte"));
    projekte->menuAction()->setObjectName("Projekte");
    auto bearbeiten = [this](void (authoring::TBearbeitung::*handler)()) {
        return [this, handler] {
            if (bearbeitung_) (bearbeitung_->*handler)();
        };
    };
    using B = authoring::TBearbeitung;
    eintrag(projekte, "NeuesProjekt", tr("Neues Projekt"), bearbeiten(&B::ImageFundamentalsClick));
    eintrag(projekte, "Titel1", tr("Titel"), bearbeiten(&B::PanelProjektTitelClick));
    eintrag(projekte, "Copyright", tr("Copyright"), bearbeiten(&B::PanelCopyrightClick));
    eintrag(projekte, "Griffregister1", tr("Griffregister"), bearbeiten(&B::PanelRegisterClick));
    eintrag(projekte, "TextImportieren1", tr("Text importieren"), bearbeiten(&B::ImageTextImportClick));
    eintrag(projekte, "BilderindieListe1", tr("Bilder in die Liste"), bearbeiten(&B::ImageNeueBilderClick));
    eintrag(projekte, "BilderinsAlbum1", tr("Bilder ins Album"), bearbeiten(&B::ImageBilderInsAlbumClick));
    eintrag(projekte, "WechselzwischenProjekten1", tr("Wechsel zwischen Projekten"), bearbeiten(&B::ImageRunDemoClick));
    eintrag(projekte, "Inhaltsverzeichnisbearbeiten", tr("Inhaltsverzeichnis bearbeiten"),
            bearbeiten(&B::InhaltsverzeichnisbearbeitenClick));
    Dummy = bar->addAction(QString());
    Dummy->setObjectName("Dummy");
    for (QAction *a : bar->actions()) a->setVisible(false);
    bar->hide();
}

void TImageForm::bildansichtBauen() {
    Imagebig = new QLabel(flaeche_);
    Imagebig->setObjectName("Imagebig");
    Imagebig->installEventFilter(this);
    Imagebig->hide();
    SpeedButtonEnlarge = new QPushButton(QStringLiteral("+"), flaeche_);
    SpeedButtonEnlarge->setObjectName("SpeedButtonEnlarge");
    SpeedButtonEnlarge->setGeometry(8, 8, 28, 28);
    SpeedButtonEnlarge->setMouseTracking(true);
    SpeedButtonEnlarge->installEventFilter(this);
    SpeedButtonEnlarge->hide();
    Timer2.setInterval(2000);
    connect(&Timer2, &QTimer::timeout, this, &TImageForm::Timer2Timer);
    for (QLabel *pfeil : {ImageLast, ImageNext}) {
        pfeil->setMouseTracking(true);
        pfeil->installEventFilter(this);
        pfeil->setCursor(Qt::PointingHandCursor);
    }
    buch_->ImageAlbum->setMouseTracking(true);
    buch_->ImageAlbum->installEventFilter(this);
}

album::EingabePanel *TImageForm::PanelEingabe() {
    if (!eingabe_) {
        const platform::ScreenInfo s = screen_.info();
        eingabe_ = new album::EingabePanel(flaeche_);
        eingabe_->move((s.width - eingabe_->width()) / 2, s.height - 50);
        connect(eingabe_->BitBtn1, &QPushButton::clicked, this, &TImageForm::BitBtn1Click);
        connect(eingabe_->SpeedButton1, &QPushButton::clicked, eingabe_, &QWidget::hide);
    }
    return eingabe_;
}

album::BildtextPanel *TImageForm::PanelBildtext() {
    if (!bildtext_) {
        bildtext_ = new album::BildtextPanel(flaeche_);
        bildtext_->setGeometry(0, 0, screen_.info().width, bildtext_->height());
        connect(bildtext_, &album::BildtextPanel::geklickt, this, &TImageForm::PanelBildtextClick);
        connect(bildtext_->BitBtnSichern, &QPushButton::clicked, this, [this] {
            if (BildtextSpeichern()) bildtext_->hide();
        });
        // Cancel discards the edit: the text on disk comes back into the memo.
        connect(bildtext_->BitBtnAbbruch, &QPushButton::clicked, this, [this] {
            NamenLaden(AktuellesBild);
            bildtext_->hide();
        });
    }
    return bildtext_;
}

album::BildlaufPanel *TImageForm::PanelBildlauf() {
    if (!bildlauf_) {
        const platform::ScreenInfo s = screen_.info();
        bildlauf_ = new album::BildlaufPanel(flaeche_);
        bildlauf_->move((s.width - bildlauf_->width()) / 2, (s.height - bildlauf_->height()) / 2);
        bildlauf_->LabelBildlauf->setText(
            tr("Ein Bildlauf - ähnlich einer Dia-Show - wird gestartet (Abbruch durch beliebigen Mausklick)"));
        bildlauf_->LabelBildwechsel->setText(tr("Bildwechsel nach"));
        bildlauf_->LabelSekunden->setText(tr("Sekunden"));
        bildlauf_->BitBtnKeinBildlauf->setText(tr("Abbrechen"));
        connect(bildlauf_->BitBtnBildlaufOk, &QPushButton::clicked, this, &TImageForm::BitBtnBildlaufOkClick);
        connect(bildlauf_->BitBtnKeinBildlauf, &QPushButton::clicked, bildlauf_, &QWidget::hide);
    }
    return bildlauf_;
}

search::Suchleiste *TImageForm::PanelSuchen() {
    if (!suchleiste_) {
        suchleiste_ = new search::Suchleiste(flaeche_);
        suchleiste_->move((screen_.info().width - suchleiste_->width()) / 2, 8);
        suchleiste_->LabelGesuchterName->setText(tr("Suche"));
        suchleiste_->CheckBox1->setText(tr("schreibungstolerant"));
        suchleiste_->PanelNotFound->setText(tr("Suchbegriff nicht gefunden"));
        suchleiste_->LabelSucheBuch->setText(tr("im Text"));
        suchleiste_->LabelSucheAlbum->setText(tr("im Album"));
        suchleiste_->LabelSucheHilfe->setText(tr("in der Hilfe"));
        suchleiste_->BitBtn4->setText(tr("Abbrechen"));
        connect(suchleiste_, &search::Suchleiste::bereichGeklickt, this, &TImageForm::BevelImBuch);
        connect(suchleiste_->BitBtn3, &QPushButton::clicked, this, &TImageForm::BitBtn3Click);
        connect(suchleiste_->BitBtn4, &QPushButton::clicked, suchleiste_, &QWidget::hide);
    }
    return suchleiste_;
}

void TImageForm::SuchenClick() {
    PanelSuchen()->PanelNotFound->hide();
    BevelImBuch(Suchbereich);
    PanelSuchen()->show();
    PanelSuchen()->raise();
    PanelSuchen()->Edit2->setFocus();
}

void TImageForm::BevelImBuch(int bereich) {
    Suchbereich = bereich;
    PanelSuchen()->BevelImBuch(bereich);
    PanelSuchen()->PanelNotFound->hide();
    if (bereich == 1) z_.textDatei.seek(0);
    if (bereich == 2) z_.hilfeDatei.seek(0);
}

void TImageForm::BitBtn3Click() {
    if (PanelSuchen()->Edit2->text().isEmpty()) return;
    Suchbegriff = PanelSuchen()->Edit2->text();
    const bool tolerant = PanelSuchen()->CheckBox1->isChecked();
    const QString begriff = search::Falten(Suchbegriff, tolerant);
    if (Suchbereich == 0) {
        PanelSuchen()->hide();
        const QList<search::Albumfund> funde = search::BilderDurchsuchen(z_.dateien, z_.ProjektVerzeichnis, begriff, tolerant);
        if (!fundliste_) return;
        if (funde.isEmpty()) {
            fundliste_->NichtsGefunden(Suchbegriff);
            return;
        }
        fundliste_->FundeZeigen(funde, screen_.info().height);
        menue_->LabelFundliste->show();
        return;
    }
    const bool hilfe = Suchbereich == 2;
    const auto fund = search::SeitendateiDurchsuchen(hilfe ? z_.hilfeDatei : z_.textDatei, begriff, tolerant);
    if (!fund) {
        PanelSuchen()->PanelNotFound->show();
        PanelSuchen()->PanelNotFound->raise();
        return;
    }
    PfeilHinweis = fund->position % 2 == 1 ? 1 : 2;
    buch_->ImageLeftArrow->move(buch_->ImageLeftArrow->x(), fund->zeile * 13 + 10);
    buch_->ImageRightArrow->move(buch_->ImageRightArrow->x(), fund->zeile * 13 + 10);
    SeitenZeigen(hilfe ? 2000 + fund->position : fund->position);
    PanelSuchen()->raise();
}

void TImageForm::Suchbildausgeben(int n) {
    if (!fundliste_ || n < 1 || n > fundliste_->ListBox1->count()) return;
    const platform::ScreenInfo s = screen_.info();
    buch_->hide();
    LabelProjekttitel1->hide();
    LabelProjekttitel2->hide();
    const QString zeile = fundliste_->ListBox1->item(n - 1)->text();
    const int x = book::ZiffernWert(zeile.mid(0, 4)), y = book::ZiffernWert(zeile.mid(5, 4));
    fundliste_->move(x > s.width / 2 ? 0 : s.width - fundliste_->width(), fundliste_->y());
    const qsizetype pfeil = zeile.indexOf('>');
    LabelShape->setText(zeile.mid(10, pfeil - 10));
    const QString name = zeile.mid(pfeil + 1).left(90);
    AktuellesBild = name;
    // The hit's list line is chosen before the picture is centred, which reads that line:
    // a title line chosen earlier would otherwise turn the hit into a title screen.
    for (int i = 0; i < memoListe_.size(); ++i)
        if (memoListe_[i].section(':', 0, 0) == name) z_.BildIndex = i;
    Hinweis(QString());
    Bildzentrieren(name);
    Shape1->move(ImageMain->x() + x - 50, ImageMain->y() + y - 50);
    LabelShape->adjustSize();
    LabelShape->move(Shape1->x() + 2, Shape1->y() + Shape1->height() - 16);
    Shape1->show();
    Shape1->raise();
    LabelShape->show();
    LabelShape->raise();
    menue_->hide();
    z_.AktuellerBildIndex = 1;
    NamenLaden(name);
}

void TImageForm::SpracheEinrichten() {
    menue_->LabelLesezeichen->setText(tr("Lesezeichen"));
    menue_->LabelFundliste->setText(tr("Fundliste"));
    buch_->LabelNoCBT->setText(tr("Anleitung nicht mehr zeigen"));
}

void TImageForm::klein(QLabel *label) {
    label->setFont(platform::screenFont("Arial", z_.Schriftgrad, screen_.info().ppi));
}

void TImageForm::FormCreate() {
    const platform::ScreenInfo s = screen_.info();
    SpracheEinrichten();
    ImageLast->raise();
    ImageNext->raise();

    // Font scaling for large-font screens.
    z_.Schriftgrad = 7;
    const Schriftskalierung skal = SchriftgradFuer(s.ppi);
    if (skal.skalieren) {
        z_.Schriftgrad = skal.Schriftgrad;
        if (skal.warnen) {
            meldungen_.zeigen(Meldungen::Art::Fehler, kSchriftskalierungFehler);
            meldungen_.zeigen(Meldungen::Art::Information, kSchriftskalierungHinweis);
        }
        const QFont arial = platform::screenFont("Arial", z_.Schriftgrad, s.ppi);
        setFont(arial);
        buch_->MemoTextLinks->setFont(arial);
        buch_->MemoTextRechts->setFont(arial);
        for (QWidget *w : {static_cast<QWidget *>(buch_->Inhalt1), static_cast<QWidget *>(buch_->Inhalt2)})
            w->setFont(arial);
        for (QLabel *t : {buch_->TitelLinks, buch_->TitelRechts})
            t->setFont(platform::screenFont("Arial", z_.Schriftgrad, s.ppi, true));
        for (size_t i = 0; i < 5; ++i) {
            klein(buch_->LabelGriffL[i]);
            klein(buch_->LabelGriffR[i]);
        }
        klein(menue_->LabelFundliste);
        klein(menue_->LabelLesezeichen);
    } else {
        const QFont design = platform::screenFont("MS Sans Serif", 8, s.ppi);
        for (QWidget *w : {static_cast<QWidget *>(buch_->MemoTextLinks), static_cast<QWidget *>(buch_->MemoTextRechts),
                           static_cast<QWidget *>(buch_->Inhalt1), static_cast<QWidget *>(buch_->Inhalt2)})
            w->setFont(design);
        for (QLabel *t : {buch_->TitelLinks, buch_->TitelRechts})
            t->setFont(platform::screenFont("MS Sans Serif", 8, s.ppi, true));
        for (size_t i = 0; i < 5; ++i) {
            buch_->LabelGriffL[i]->setFont(platform::screenFont("Small Fonts", 7, s.ppi));
            buch_->LabelGriffR[i]->setFont(platform::screenFont("Small Fonts", 7, s.ppi));
        }
    }
    buch_->PanelInhalt->setFont(platform::screenFont("Arial", 10, s.ppi, true));
    for (QLabel *u : buch_->Unterschrift) u->setFont(platform::screenFont("Small Fonts", 7, s.ppi));
    buch_->LabelNoCBT->setFont(platform::screenFont("Arial", z_.Schriftgrad, s.ppi));
    for (QLabel *l : {buch_->LabelSeitenzahlLinks, buch_->LabelSeitenzahlRechts})
        l->setFont(platform::screenFont("MS Sans Serif", 8, s.ppi));

    z_.HilfeDateiOffen = false;
    z_.BildIndex = -1;
    z_.Vorgaben = z_.einstellungen;
    z_.Bearbeitungsteil = 1;
    LabelProjekttitel1->show();
    LabelProjekttitel2->show();

    const authoring::Laufwerksergebnis lw = authoring::ExeLaufwerk(z_.dateien, z_.programmDatei);
    if (lw.status == authoring::Laufwerksergebnis::Status::KeineCd) {
        meldungen_.zeigen(Meldungen::Art::Warnung, tr("Legen Sie die CD in ihr Laufwerk!"));
        startAbgebrochen_ = true;
        return;
    }
    if (lw.status == authoring::Laufwerksergebnis::Status::KopierFehler) {
        meldungen_.zeigen(Meldungen::Art::Fehler, tr("Die Datei %1 kann nicht kopiert werden.").arg(lw.fehler));
        startAbgebrochen_ = true;
        return;
    }
    z_.StammVerzeichnis = lw.stammVerzeichnis;
    z_.TextSeitenDateiName = lw.textSeitenDateiName;
    z_.HilfeSeitenDateiName = lw.hilfeSeitenDateiName;
    z_.LetzteTextseite = 0;
    z_.LetzteHilfeseite = 0;
    QString name = lw.programmName;
    if (const auto autor = AutorIniLesen(z_)) name = *autor;
    z_.ProgrammName = name;
    z_.NurLesen = !SchreibTest(z_);
    if (!z_.NurLesen && !DatenwurzelSperren(z_)) {
        z_.NurLesen = true;
        meldungen_.zeigen(Meldungen::Art::Information,
                          tr("Das Buch ist bereits in einem anderen Pagora-Fenster geöffnet. Es wird hier nur zum Lesen "
                             "geöffnet: Lesezeichen, Kommentare und Bildtexte werden nicht gespeichert."));
    }
    IniDateiLesen(name);

    z_.HilfeVerzeichnis = z_.StammVerzeichnis + "Help\\";
    if (!z_.dateien.folderExists(z_.HilfeVerzeichnis))
        meldungen_.zeigen(Meldungen::Art::Warnung,
                          tr("Der Ordner \"Help\" fehlt in %1. Ohne ihn fehlen das Buch, seine Bilder und die Hilfe; "
                             "bitte installieren Sie Pagora neu.")
                              .arg(z_.dateien.native(z_.StammVerzeichnis)));
    if (!z_.dateien.exists(z_.HilfeVerzeichnis + "CBTEnd.bmp")) {
        for (QWidget *w : {static_cast<QWidget *>(buch_->ImageNoCBT), static_cast<QWidget *>(buch_->ImageYesCBT),
                           static_cast<QWidget *>(buch_->LabelNoCBT)}) {
            w->hide();
            w->setProperty("fuerImmerVerborgen", true);
        }
    }
    layoutFuerBildschirm();
    TimerAnfang.start();
}

void TImageForm::layoutFuerBildschirm() {
    const platform::ScreenInfo s = screen_.info();
    const int W = s.width, H = s.height;
    // The window covers the screen even where no window manager honours full screen.
    if (screen_.isReal()) setGeometry(0, 0, W, H);
    else resize(W, H);
    PanelName->move((W - PanelName->width()) / 2, H - 40);
    buch_->move(buch_->x(), (H - buch_->height()) / 2);
    z_.BuchLinks = (W - buch_->width()) / 2 + 2;
    menue_->anordnen(W, H, z_.BuchLinks);
    Panel12Fortschritt->move((W - Panel12Fortschritt->width()) / 2, H - 40);
    LabelHuge->move((W - LabelHuge->width()) / 2, H - 330);
    buch_->MemoTextLinks->move(buch_->MemoTextLinks->x(), 32);
}

void TImageForm::IniDateiLesen(const QString &name) {
    if (EinstellungsdateiLesen(z_, name)) {
        for (QLabel *l : buch_->AlbumLabels) l->clear();
        buch_->MemoTextLinks->leeren();
        buch_->albumBlattVormerken(z_.StammVerzeichnis + "Help\\Album0.bmp");
    }
    IniAuswerten();
    z_.BuchTitel = z_.einstellungen.wert("Title");
    if (z_.dateien.exists(z_.HilfeSeitenDateiName)) {
        z_.hilfeDatei.close();
        z_.HilfeDateiOffen = z_.hilfeDatei.open(z_.dateien.native(z_.HilfeSeitenDateiName), book::kSeitensatzGroesse);
        z_.HilfeSeitenZahl = int(z_.hilfeDatei.count());
    }
}

void TImageForm::IniAuswerten() {
    const Einstellungen &e = z_.einstellungen;
    const int ppi = screen_.info().ppi;
    auto zahl = [&e](const QString &schluessel) { return book::ZiffernWert(e.wert(schluessel)); };
    auto groesse = [&](const QString &schluessel) { return SkalierteGroesse(zahl(schluessel), z_.Schriftgrad); };

    z_.ProjektPfad = e.wert("Path");
    buch_->LabelProjekttitel3->setText(e.wert("Title"));
    const QFont titel = platform::screenFont("Arial", groesse("Title.FontSize"), ppi, true);
    LabelProjekttitel1->setFont(titel);
    LabelProjekttitel2->setFont(titel);
    LabelProjekttitel1->move(zahl("Title.Left"), zahl("Title.Top"));
    LabelProjekttitel2->move(zahl("Shadow.Left"), zahl("Shadow.Top"));
    buch_->LabelProjekttitel3->move(buch_->LabelProjekttitel3->x(), zahl("Title1.Top"));
    buch_->LabelProjektUnterTitel->setText(e.wert("Title2"));
    buch_->LabelProjektUnterTitel->move(buch_->LabelProjektUnterTitel->x(), zahl("Title2.Top"));
    buch_->LabelProjekttitel3->setFont(platform::screenFont("Arial", groesse("Title1.FontSize"), ppi, true));
    buch_->LabelProjektUnterTitel->setFont(platform::screenFont("Arial", groesse("Title2.FontSize"), ppi));
    // The bookmarks: their pages, and the descriptions of those laid into the book.
    buch_->GriffeBeschriften({e.wert("Sheet1"), e.wert("Sheet2"), e.wert("Sheet3"), e.wert("Sheet4"), e.wert("Sheet5")});
    for (int i = 0; i < 4; ++i) {
        const int seite = zahl(QStringLiteral("Mark%1").arg(i + 6));
        menue_->LesezeichenU[size_t(i)]->setProperty("Tag", seite);
        if (seite > 0) LesezeichenHint(i + 1, seite);
    }
    ProjektVerzeichnisSetzen(z_);
    if (e.wert("ShowCBT") == "0") buch_->ImageNoCBT->raise();
    else buch_->ImageYesCBT->raise();

    ZentriertesBild.clear();
    Bildzentrieren(e.wert("Wallpaper"));
    const platform::ScreenInfo s = screen_.info();
    // The picture's own size: an unreadable file has none, and gets no message.
    const QString hintergrund = z_.ProjektVerzeichnis + "Album\\" + e.wert("Wallpaper") + ".bmp";
    const auto masse = z_.dateien.exists(hintergrund) ? platform::bitmapSize(z_.dateien.native(hintergrund)) : std::nullopt;
    if (masse && masse->width() + 100 < s.width && masse->height() + 100 < s.height) {
        meldungen_.zeigen(Meldungen::Art::Information,
                          tr("Wir empfehlen eine kleinere Bildschirmauflösung. Das Hintergrundbild ist nur %1x%2 Pixels groß.")
                              .arg(masse->width())
                              .arg(masse->height()));
    }
    z_.AktuellerBildIndex = 0;
    ListeLaden();
    SeitenDateienOeffnen(z_);
}

void TImageForm::ProjektReset() {
    buch_->Inhalt1->clear();
    buch_->Inhalt2->clear();
    buch_->MemoTextLinks->leeren();
    buch_->MemoTextRechts->leeren();
    z_.BilderAnzahl = 0;
    memoListe_.clear();
    for (QLabel *l : {LabelProjekttitel1, LabelProjekttitel2, buch_->LabelProjekttitel3}) l->setText("Pagora");
    z_.TextSeitenZahl = 0;
    z_.HilfeSeitenZahl = 0;
}

void TImageForm::ListeLaden() {
    QByteArray inhalt;  // without a list file the list keeps its lines
    if (z_.dateien.read(z_.ProjektVerzeichnis + "Pages\\" + z_.ProgrammName + ".3", &inhalt, 16 << 20))
        memoListe_ = platform::splitLines(inhalt);
    z_.BilderAnzahl = int(memoListe_.size());
}

void TImageForm::Bildzentrieren(const QString &name) {
    const platform::ScreenInfo s = screen_.info();
    Shape1->hide();
    LabelShape->hide();
    Vergroesserung = false;
    Imagebig->hide();
    if (eingabe_) eingabe_->hide();
    const QString zeile = z_.BildIndex >= 0 && z_.BildIndex < memoListe_.size() ? memoListe_[z_.BildIndex] : QString();
    if (ZentriertesBild.isEmpty() && name.isEmpty()) {
        ImageMain->hide();
        ZentriertesBild = name;
        return;
    }
    if (name == ZentriertesBild) return;
    const QString datei = z_.ProjektVerzeichnis + "Album\\" + name + ".bmp";
    // Only the part of the picture that can be on the screen is decoded: centred, in
    // either presentation (the window one is up to 33 pixels higher).
    auto zeigen = [&](const QString &pfad) {
        const QString nativ = z_.dateien.native(pfad);
        const auto groesse = z_.dateien.exists(pfad) ? platform::bitmapSize(nativ) : std::nullopt;
        if (!groesse) return false;
        const QPoint links((s.width - groesse->width()) / 2, (s.height - groesse->height()) / 2);
        const QRect sichtbar = QRect(-links.x(), -links.y() - 66, s.width, s.height + 132).intersected(QRect(QPoint(), *groesse));
        const auto teil = platform::readBitmap(nativ, qint64(1) << 28, sichtbar);
        if (!teil) return false;
        ImageMain->setBild(*teil, sichtbar.topLeft(), *groesse);
        return true;
    };
    if (!zeile.startsWith(":I:") && zeigen(datei)) {
        if (zeile.section(':', 0, 0).toUpper() != name) {
            AktuellerBildtext.clear();
            for (const QString &z : memoListe_)
                if (z.contains(':') && z.section(':', 0, 0).toUpper() == name) {
                    AktuellerBildtext = z.mid(z.indexOf(':') + 1).left(255);
                    break;
                }
        }
        flaeche_->setPalette(QPalette(QColor(192, 192, 192)));
        LabelHuge->hide();
    } else if (!z_.HilfeVerzeichnis.isEmpty() && zeigen(z_.HilfeVerzeichnis + "Title.bmp")) {
        flaeche_->setPalette(QPalette(Qt::black));
        QString titel = AktuellerBildtext.mid(AktuellerBildtext.indexOf(':') + 1);
        LabelHuge->setText(titel.section('~', 0, 0));
        LabelHuge->setFont(platform::screenFont("Arial", 28, screen_.info().ppi, true));
        LabelHuge->show();
        LabelHuge->stackUnder(buch_);
    }
    const int reserve = fensterstil_ ? 66 : 0;
    ImageMain->move((s.width - ImageMain->width()) / 2, (s.height - reserve - ImageMain->height()) / 2);
    LabelHuge->move(LabelHuge->x(), ImageMain->y() + (ImageMain->height() - LabelHuge->height()) / 2);
    buch_->move(buch_->x(), (s.height - reserve - buch_->height()) / 2);
    ImageMain->show();
    ImageMain->lower();
    SpeedButtonEnlarge->setVisible(z_.dateien.exists(z_.ProjektVerzeichnis + "Huge\\" + AktuellesBild + ".bmp"));
    SpeedButtonEnlarge->raise();
    ZentriertesBild = name;
}

void TImageForm::SeitenZeigen(int n) {
    const QString seiten = z_.ProjektVerzeichnis + "Pages\\" + z_.ProgrammName;
    if ((n == 0 && !z_.dateien.exists(seiten + ".1")) || (n == 1000 && !z_.dateien.exists(seiten + ".2"))) return;
    buch_->TitelZuruecksetzen();
    const QString hilfe = z_.HilfeVerzeichnis;
    const bool cover = z_.dateien.exists(hilfe + "CBT0.bmp");
    if (n < 0 && !cover) n = 0;

    TextbildZaehler = 0;
    buch_->show();
    buch_->PanelAlbum->hide();
    buch_->InhaltVerbergen();
    flaeche_->setFocus();
    Griffregistersetzen(n);

    const bool tourAn = z_.einstellungen.wert("ShowCBT").isEmpty();
    buch_->ImageCBT->setVisible(n <= -2 && tourAn);
    const bool deckblatt = n < 0 && n != -3;
    for (QWidget *w : {buch_->PanelNoCBT, static_cast<QWidget *>(buch_->LabelProjekttitel3),
                       static_cast<QWidget *>(buch_->LabelProjektUnterTitel)})
        w->setVisible(deckblatt);
    buch_->MemoTextLinks->setVisible(n >= 0 || n == -3);
    buch_->MemoTextRechts->setVisible((n > 0 && n <= z_.TextSeitenZahl) ||
                                      (n > 2000 && n <= z_.HilfeSeitenZahl + 2000));

    if (buch_->BuchbildGeladen && deckblatt) {
        buch_->CoverZeigen(hilfe);
        buch_->BuchbildGeladen = false;
    } else if (n >= 0 || (n == -3 && !buch_->BuchbildGeladen)) {
        buch_->Buchzeigen(hilfe);
    }
    buch_->LesezeichenKontrollieren(n, lesezeichenSeiten());
    menue_->hide();

    z_.AktuelleSeite = n;
    const bool nummern = n % 1000 > 0;
    buch_->LabelSeitenzahlLinks->setVisible(nummern);
    buch_->LabelSeitenzahlRechts->setVisible(nummern);

    QByteArray copyright;
    const bool hatCopyright = z_.dateien.read(seiten + ".4", &copyright, 1 << 20);
    if (n >= 0 && n % 1000 == 0) {
        buch_->MemoTextLinks->setZeilen(n == 0 && hatCopyright ? platform::splitLines(copyright) : QStringList());
        InhaltZeigen(n / 1000 + 1);
        buch_->TextBilderWeg();
        buch_->MemoTextRechts->leeren();
        Timer1.stop();
    }
    if (n < 0 && cover) {
        switch (n) {
        case -6:
            if (tourAn) {
                Timer1.start();
                CBT(288, 212, "CBTsit");
            }
            buch_->MemoTextLinks->hide();
            buch_->TextBilderWeg();
            break;
        case -5: CBT(1, 54, "CBTrand"); break;
        case -4: CBT(19, 55, "CBTarm"); break;
        case -3:
            if (hatCopyright) {
                buch_->MemoTextLinks->setZeilen(platform::splitLines(copyright));
                buch_->MemoTextLinks->move(buch_->MemoTextLinks->x(), 32);
                buch_->MemoTextLinks->show();
            }
            CBT(1, 1, "CBTeng");
            InhaltZeigen(1);
            break;
        case -2:
            buch_->MemoTextLinks->hide();
            CBT(19, 55, "CBTend");
            break;
        default: break;
        }
    }
    if (n > 0 && n % 1000 != 0) {
        if (n % 2 != 0) ++n;
        buch_->ImageLeftArrow->hide();
        buch_->ImageRightArrow->hide();
        if (PfeilHinweis == 1) buch_->ImageLeftArrow->show();
        else if (PfeilHinweis != 0) buch_->ImageRightArrow->show();
        PfeilHinweis = 0;
        z_.AktuelleSeite = n;
        if (n >= 2000 && z_.dateien.exists(z_.HilfeSeitenDateiName)) {
            if (!z_.HilfeDateiOffen) {
                z_.hilfeDatei.close();
                z_.HilfeDateiOffen =
                    z_.hilfeDatei.open(z_.dateien.native(z_.HilfeSeitenDateiName), book::kSeitensatzGroesse);
                z_.HilfeSeitenZahl = int(z_.hilfeDatei.count());
            }
            z_.hilfeDatei.seek(n - 2002);
            z_.LetzteHilfeseite = n;
            TestseiteBearbeiten(buch_->MemoTextLinks, true);
            TestseiteBearbeiten(buch_->MemoTextRechts, true);
            BilderImBuch();
        } else if (n > 1000 && n < 2000) {
            // Opening the album part: the pages give way to the album sheet.
            buch_->MemoTextLinks->hide();
            buch_->MemoTextRechts->hide();
            buch_->TextBilderWeg();
            buch_->PanelAlbum->show();
            Griffregistersetzen(1000);
            buch_->Buchzeigen(hilfe);
            const QString blatt = z_.ProjektVerzeichnis + book::Albumblattname(z_.ProgrammName, n);
            if (auto bild = book::BitmapLaden(z_.dateien, blatt)) {
                z_.AlbumAufschlag = (n - 1000) / 2;
                buch_->ImageAlbum->setPixmap(QPixmap::fromImage(*bild));
                buch_->ImageAlbum->resize(bild->size());
            }
            if (z_.AlbumAufschlag > 0)
                for (int k = (z_.AlbumAufschlag - 1) * 16; k < z_.AlbumAufschlag * 16; ++k) LabelZeigen(k);
        } else if (z_.TextDateiOffen && z_.textDatei.seek(n - 2)) {
            TestseiteBearbeiten(buch_->MemoTextLinks, false);
            TestseiteBearbeiten(buch_->MemoTextRechts, false);
            BilderImBuch();
            z_.LetzteTextseite = n;
        }
    }
    const int m = n % 1000;
    buch_->LabelSeitenzahlLinks->setText(QStringLiteral("- %1 -").arg(m - 1));
    buch_->LabelSeitenzahlRechts->setText(QStringLiteral("- %1 -").arg(m));
}

void TImageForm::TestseiteBearbeiten(book::SeitenMemo *memo, bool ausHilfe) {
    memo->leeren();
    QByteArray bytes;
    book::Seitensatz satz;
    platform::RecordFile &datei = ausHilfe ? z_.hilfeDatei : z_.textDatei;
    if (datei.readNext(&bytes) && book::Seitensatz::ausBytes(bytes, &satz)) {
        const book::Seitenbild seite = book::TestseiteBearbeiten(satz);
        memo->setZeilen(seite.zeilen);
        buch_->TitelSetzen(memo == buch_->MemoTextLinks, seite);
        (memo == buch_->MemoTextLinks ? TitelzeilenLinks : TitelzeilenRechts) = seite.titelzeilen;
    }
    buch_->MemoTextLinks->show();
    buch_->MemoTextRechts->show();
}

void TImageForm::BilderImBuch() {
    buch_->TextBilderWeg();
    QStringList links = buch_->MemoTextLinks->zeilen(), rechts = buch_->MemoTextRechts->zeilen();
    const QList<book::Textbild> bilder = book::BilderImBuch(links, rechts, [this](const QString &name) -> std::optional<QString> {
        for (const QString &ordner : {z_.ProjektVerzeichnis + "Slides\\", z_.HilfeVerzeichnis})
            if (z_.dateien.exists(ordner + name + ".bmp")) return ordner + name + ".bmp";
        return std::nullopt;
    });
    buch_->MemoTextLinks->setZeilen(links);
    buch_->MemoTextRechts->setZeilen(rechts);
    for (const book::Textbild &bild : bilder) buch_->BildImBuch(++TextbildZaehler, bild);
    for (size_t i = 0; i < 4; ++i) buch_->Unterschrift[i]->setVisible(!buch_->Unterschrift[i]->text().isEmpty());
}

void TImageForm::InhaltZeigen(int teil) {
    static const char *kTitel[] = {"Inhalt (Texte)", "Inhalt (Bilder)", "Inhalt (Hilfe)"};
    static const char *kEndung[] = {".1", ".2", ".6"};
    if (teil < 1 || teil > 3) return;
    book::Inhaltsstand &stand = z_.inhaltsstand[size_t(teil)];
    QByteArray bytes;
    book::Inhaltsseite seite;
    if (z_.dateien.read(z_.ProjektVerzeichnis + "Pages\\" + z_.ProgrammName + kEndung[teil - 1], &bytes, 1 << 20)) {
        inhaltEintraege_ = platform::splitLines(bytes);
        seite = book::InhaltFuer(inhaltEintraege_, stand.Aktuell);
        stand.Anzahl = seite.anzahl;
    } else {
        inhaltEintraege_.clear();
    }
    buch_->InhaltSetzen(seite, stand.Aktuell == 1, tr(kTitel[teil - 1]));
}

void TImageForm::InhaltClick(QListWidget *liste, int zeile) {
    QStringList eintraege;
    for (int i = 0; i < liste->count(); ++i) eintraege << liste->item(i)->text();
    SeitenZeigen(z_.AktuelleSeite + book::InhaltZiel(eintraege, zeile));
}

std::array<int, 5> TImageForm::griffZiele() const {
    std::array<int, 5> ziele{};
    for (int i = 0; i < 5; ++i) ziele[size_t(i)] = book::ZiffernWert(z_.einstellungen.wert(QStringLiteral("Mark%1").arg(i + 1)));
    return ziele;
}

std::array<int, 4> TImageForm::lesezeichenSeiten() const {
    std::array<int, 4> seiten{};
    for (int i = 0; i < 4; ++i) seiten[size_t(i)] = menue_->LesezeichenU[size_t(i)]->property("Tag").toInt();
    return seiten;
}

void TImageForm::Griffregistersetzen(int n) { buch_->Griffregistersetzen(n, griffZiele()); }

void TImageForm::LabelGriffClick(int nummer) {
    for (book::Inhaltsstand &s : z_.inhaltsstand) s.Aktuell = 1;
    if (nummer >= 4) Timer1.stop();
    SeitenZeigen(griffZiele()[size_t(nummer - 1)]);
}

void TImageForm::GriffHinweis(int nummer) {
    Hinweis(book::GriffHinweis(buch_->LabelGriffL[size_t(nummer - 1)]->text(), griffZiele()[size_t(nummer - 1)]));
    PanelLinksPfeil->hide();
    PanelRechtsPfeil->hide();
}

void TImageForm::ImageBuchMouseMove(int x, int y) {
    menue_->hide();
    if (x > 40 && x < 56 && z_.AktuelleSeite >= 0) {
        PanelLinksPfeil->move(40, y - 8);
        PanelLinksPfeil->show();
        PanelLinksPfeil->raise();
        Hinweis(tr("vorige Seite"));
        return;
    }
    PanelLinksPfeil->hide();
    if (x > 600 && x < 616) {
        PanelRechtsPfeil->move(600, y - 8);
        PanelRechtsPfeil->show();
        PanelRechtsPfeil->raise();
        Hinweis(tr("nächste Seite"));
    } else {
        Hinweis(QString());
        PanelRechtsPfeil->hide();
    }
}

void TImageForm::PanelBuchMouseMove() {
    PanelLinksPfeil->hide();
    PanelRechtsPfeil->hide();
    menue_->hide();
    Hinweis(QString());
}

void TImageForm::LesezeichenSetzen(int nummer) {
    QLabel *vorrat = menue_->LesezeichenU[size_t(nummer - 1)];
    vorrat->hide();
    vorrat->setProperty("Tag", z_.AktuelleSeite);
    LesezeichenHint(nummer, z_.AktuelleSeite);
    SeitenZeigen(z_.AktuelleSeite);
    z_.einstellungen.setzen(QStringLiteral("Mark%1").arg(nummer + 5), QString::number(z_.AktuelleSeite));
}

void TImageForm::LesezeichenHint(int nummer, int seite) {
    const QString text = book::LesezeichenHint(seite);
    buch_->LesezeichenL[size_t(nummer - 1)]->setToolTip(text);
    buch_->LesezeichenR[size_t(nummer - 1)]->setToolTip(text);
    buch_->LesezeichenL[size_t(nummer - 1)]->setProperty("Hint", text);
}

void TImageForm::LesezeichenMouseDown(int nummer, Qt::MouseButton taste) {
    Timer1.stop();
    QLabel *vorrat = menue_->LesezeichenU[size_t(nummer - 1)];
    if (taste == Qt::LeftButton) {
        SeitenZeigen(vorrat->property("Tag").toInt());
    } else if (taste == Qt::RightButton) {
        buch_->LesezeichenVerbergen(nummer);
        vorrat->setProperty("Tag", 0);
        vorrat->show();
        z_.einstellungen.setzen(QStringLiteral("Mark%1").arg(nummer + 5), QString());
    }
}

void TImageForm::ImageTextBildClick(int platz) {
    const QString name = buch_->TextbildNamen[size_t(platz - 1)].toUpper();
    z_.BildIndex = -1;
    for (int i = 0; i < memoListe_.size(); ++i) {
        QString rest, listenname;
        album::ListenzeileZerlegen(memoListe_[i], &rest, &listenname);
        if (listenname == name) z_.BildIndex = i;
    }
    BildLaden(buch_->TextbildNamen[size_t(platz - 1)]);
}

void TImageForm::BildLaden(const QString &name) {
    LabelProjekttitel1->hide();
    LabelProjekttitel2->hide();
    if (z_.BildIndex < -1 || z_.BildIndex > z_.BilderAnzahl) return;
    if (z_.BildIndex == -1) {
        if (!z_.dateien.exists(z_.ProjektVerzeichnis + "Album\\" + name + ".bmp")) return;
        AktuellesBild = name;
    } else {
        if (z_.BildIndex >= memoListe_.size() || memoListe_[z_.BildIndex].isEmpty()) return;
        album::ListenzeileZerlegen(memoListe_[z_.BildIndex], &AktuellerBildtext, &AktuellesBild);
    }
    Bildzentrieren(AktuellesBild);
    z_.AktuellerBildIndex = z_.BildIndex;
    NamenLaden(AktuellesBild);
    Hinweis(QString());
    menue_->hide();
    if (!AktuellesBild.isEmpty()) buch_->hide();
}

void TImageForm::NamenLaden(const QString &name) {
    QByteArray bytes;
    const QString album = z_.ProjektVerzeichnis + "Album\\" + name;
    const bool text = !name.isEmpty() && z_.dateien.read(album + ".dok", &bytes, 1 << 20);
    if (text || bildtext_) {
        QPlainTextEdit *memo = PanelBildtext()->MemoBildtext;
        memo->clear();
        if (text) memo->setPlainText(platform::splitLines(bytes).join('\n'));
        memo->document()->setModified(false);
    }
    marken_ = album::Markentabelle();
    if (!name.isEmpty() && z_.dateien.read(album + ".Txt", &bytes)) marken_ = album::Markentabelle::Lesen(bytes);
}

void TImageForm::LabelCoverMouseMove(int x, int y) {
    const platform::ScreenInfo s = screen_.info();
    if (y > s.height - 28) {
        if (z_.AktuelleSeite == -5) SeitenZeigen(-4);
        if (!fensterstil_) {
            menue_->show();
            menue_->raise();
            PanelName->hide();
        }
        return;
    }
    if (y < s.height - BildMenue::kHoehe) menue_->hide();
    if (buch_->isVisibleTo(this)) return;
    if (x <= 7 && z_.AktuellerBildIndex >= 1) {
        ImageLast->move(0, y - 8);
        ImageLast->show();
        ImageLast->raise();
        return;
    }
    ImageLast->hide();
    if (x > s.width - 8 && z_.AktuellerBildIndex < z_.BilderAnzahl - 1) {
        Hinweis(tr("nächstes Bild"));
        ImageNext->move(s.width - 15, y - 8);
        ImageNext->show();
        ImageNext->raise();
        return;
    }
    ImageNext->hide();
    if (y < 3) {
        if (!AktuellerBildtext.isEmpty() || (bildtext_ && !bildtext_->MemoBildtext->toPlainText().isEmpty())) {
            PanelBildtext()->resize(s.width, PanelBildtext()->height());
            PanelBildtext()->lesenZeigen(AktuellerBildtext.isEmpty() ? QString() : album::OhneTilde(AktuellerBildtext));
            PanelBildtext()->show();
            PanelBildtext()->raise();
        }
    } else if (bildtext_ && !bildtext_->bearbeitet()) {
        bildtext_->hide();
    }
    const album::Markentabelle::Treffer treffer = marken_.Unter(x - ImageMain->x(), y - ImageMain->y());
    MarkeUnterMaus = treffer.index;
    Hinweis(treffer.text);
}

void TImageForm::ImageMainMouseDown(Qt::MouseButton taste, int x, int y) {
    const platform::ScreenInfo s = screen_.info();
    const int bx = x - ImageMain->x(), by = y - ImageMain->y();
    if (Vergroesserung) {
        const QSize kopie = Imagebig->size();
        Imagebig->move(album::VergroesserungsLage(s.width, kopie.width(), ImageMain->width(), bx),
                       album::VergroesserungsLage(s.height, kopie.height(), ImageMain->height(), by));
        Imagebig->show();
        Imagebig->raise();
        return;
    }
    if (Timer2.isActive()) {
        Timer2.stop();
        return;
    }
    if (z_.NurLesen || buch_->isVisibleTo(this) || PanelMemoListe->isVisibleTo(this) || TimerAnfang.isActive()) return;
    KlickX = album::Vierstellig(bx);
    KlickY = album::Vierstellig(by);
    if (taste == Qt::LeftButton && by < 3) {
        PanelBildtextClick();
    } else if (taste == Qt::LeftButton) {
        PanelEingabe()->Edit1->clear();
        PanelEingabe()->show();
        PanelEingabe()->raise();
        PanelEingabe()->Edit1->setFocus();
    } else if (taste == Qt::RightButton && PanelName->isVisibleTo(this) && MarkeUnterMaus > 0 &&
               MarkeUnterMaus <= marken_.marken.size()) {
        album::Marke &marke = marken_.marken[MarkeUnterMaus - 1];
        if (marke.entfernt || !meldungen_.okAbbrechen(tr("Eintrag \"%1\" löschen?").arg(marke.text))) return;
        // Exactly the mark's line goes; every other line stays byte for byte.
        const QString datei = z_.ProjektVerzeichnis + "Album\\" + AktuellesBild + ".Txt";
        QByteArray bytes;
        std::optional<QByteArray> rest;
        if (z_.dateien.read(datei, &bytes)) rest = album::MarkeEntfernen(bytes, marken_.Dateizeile(MarkeUnterMaus), marke);
        if (!rest || !z_.dateien.write(datei, *rest)) {
            meldungen_.zeigen(Meldungen::Art::Fehler, tr("Der Kommentar \"%1\" kann nicht gelöscht werden.").arg(marke.text));
            return;
        }
        PanelEingabe()->Edit1->setText(marke.text);
        marke.text.clear();
        marke.entfernt = true;
        PanelEingabe()->show();
        PanelEingabe()->raise();
    }
}

bool TImageForm::nurSpeicherbareZeichen(QString &text) {
    const QString fremd = platform::notInCp1252(text);
    if (fremd.isEmpty()) return true;
    if (!meldungen_.okAbbrechen(tr("Diese Zeichen können nicht gespeichert werden: %1\nOhne sie speichern?").arg(fremd)))
        return false;
    text = platform::withoutNonCp1252(text);
    return true;
}

void TImageForm::BitBtn1Click() {
    QString text = PanelEingabe()->Edit1->text();
    if (z_.NurLesen || text.isEmpty() || !nurSpeicherbareZeichen(text) || text.isEmpty()) return;
    const QString datei = z_.ProjektVerzeichnis + "Album\\" + AktuellesBild + ".Txt";
    QByteArray bytes;
    // A file that cannot be read whole is never rewritten from the part that was read.
    if (z_.dateien.exists(datei) && !z_.dateien.read(datei, &bytes)) {
        meldungen_.zeigen(Meldungen::Art::Fehler,
                          tr("Die Kommentardatei %1 kann nicht gelesen werden; der Kommentar wurde nicht gespeichert.")
                              .arg(AktuellesBild + ".Txt"));
        return;
    }
    const int x = book::ZiffernWert(KlickX), y = book::ZiffernWert(KlickY);
    if (!z_.dateien.write(datei, album::MarkeAnhaengen(bytes, x, y, text))) {
        meldungen_.zeigen(Meldungen::Art::Fehler, tr("Der Kommentar kann nicht gespeichert werden."));
        return;
    }
    marken_.marken.append({x, y, text.left(album::kMaxMarkentext)});
    PanelEingabe()->hide();
}

void TImageForm::PanelBildtextClick() {
    PanelBildtext()->resize(screen_.info().width, PanelBildtext()->height());
    PanelBildtext()->bearbeitenZeigen(album::OhneTilde(AktuellerBildtext));
}

bool TImageForm::BildtextSpeichern() {
    if (!bildtext_) return true;
    QPlainTextEdit *memo = bildtext_->MemoBildtext;
    if (z_.NurLesen || !memo->document()->isModified()) return true;
    QString text = memo->toPlainText();
    if (!nurSpeicherbareZeichen(text)) return false;
    if (!z_.dateien.write(z_.ProjektVerzeichnis + "Album\\" + AktuellesBild + ".dok", platform::joinLines(text.split('\n')))) {
        meldungen_.zeigen(Meldungen::Art::Fehler, tr("Der Bildtext kann nicht gespeichert werden."));
        return false;
    }
    memo->document()->setModified(false);
    NamenLaden(AktuellesBild);
    return true;
}

void TImageForm::ImageAlbumMouseDown(int x, int y) {
    const int c = album::AlbumZelle(x, y, false);
    if (c == 0) return;
    z_.BildIndex = c + 16 * z_.AlbumAufschlag - 17;
    BildLaden(QString());
}

void TImageForm::ImageAlbumMouseMove(int x, int y) {
    PanelLinksPfeil->hide();
    PanelRechtsPfeil->hide();
    menue_->hide();
    const int c = album::AlbumZelle(x, y, true);
    if (c == 0) Hinweis(QString());
    else BildHinweis(c + 16 * z_.AlbumAufschlag - 17);
}

void TImageForm::BildHinweis(int k) {
    Hinweis(k >= 0 && k < memoListe_.size() ? album::BildHinweisText(memoListe_[k]) : QString());
}

void TImageForm::SpeedButtonEnlargeMouseUp(Qt::MouseButton taste) {
    if (taste == Qt::RightButton) {
        SpeedButtonEnlarge->hide();
        return;
    }
    if (auto kopie = book::BitmapLaden(z_.dateien, z_.ProjektVerzeichnis + "Huge\\" + AktuellesBild + ".bmp")) {
        Imagebig->setPixmap(QPixmap::fromImage(std::move(*kopie)));
        Imagebig->adjustSize();
        Vergroesserung = true;
    }
}

void TImageForm::BitBtnBildlaufOkClick() {
    Timer2.setInterval(PanelBildlauf()->SpinEditBildlauf->value() * 1000);
    Timer2.start();
    PanelBildlauf()->hide();
    buch_->hide();
}

void TImageForm::Timer2Timer() {
    if (z_.BildIndex > z_.BilderAnzahl - 2) z_.BildIndex = -1;
    ImageForwardClick();
}

void TImageForm::LabelZeigen(int k) {
    QLabel *l = buch_->AlbumLabels[size_t(k % 16)];
    if (k > 2147483615) {  // a request to empty the label
        l->clear();
        return;
    }
    const QString zeile = k >= 0 && k < memoListe_.size() ? memoListe_[k] : QString();
    const int ppi = screen_.info().ppi;
    const qsizetype doppelpunkt = zeile.indexOf(':');
    QString text;
    int hoehe = 22, versatz = 70;
    if (zeile.isEmpty() || zeile.startsWith(' ')) {
        l->clear();
        return;
    }
    if (doppelpunkt <= 0) {
        text = zeile.startsWith(":I:") ? zeile.mid(3) : zeile;
        text = text.section('~', 0, 0);
        l->setFont(platform::screenFont("Arial", 8, ppi, true));
        hoehe = 70;
        versatz = 0;
    } else {
        text = zeile.mid(doppelpunkt + 1).section('~', 0, 0);
        l->setFont(platform::screenFont("Small Fonts", ppi <= 96 ? 7 : ppi <= 120 ? 6 : 4, ppi));
    }
    static constexpr int kZeilen[] = {5, 101, 197, 293};
    l->setText(text);
    l->setGeometry(l->x(), kZeilen[(k % 8) / 2] + versatz, 102, hoehe);
}

void TImageForm::Drucken() {
    menue_->hide();
    LabelProjekttitel1->hide();
    LabelProjekttitel2->hide();
    QImage seite;
    const bool buchSichtbar = buch_->isVisibleTo(this);
    if (!buchSichtbar) {
        seite = flaeche_->grab().toImage();
    } else {
        const QPoint alt = buch_->pos();
        buch_->ImageBuch->hide();
        buch_->setAutoFillBackground(true);
        buch_->setPalette(QPalette(Qt::white));
        buch_->Registerweg();
        QPixmap albumAlt;
        if (z_.AktuelleSeite > 999 && z_.AktuelleSeite < 2000) {
            albumAlt = buch_->ImageAlbum->pixmap();
            QPixmap weiss = albumAlt;
            QPainter maler(&weiss);
            maler.fillRect(QRect(236, 0, 58, 384), Qt::white);
            maler.end();
            buch_->ImageAlbum->setPixmap(weiss);
        }
        seite = QImage(640, 480, QImage::Format_RGB32);
        seite.fill(Qt::white);
        buch_->render(&seite, QPoint(0, 0), QRegion(0, 0, 640, 480));
        buch_->move(alt);
        buch_->setAutoFillBackground(false);
        buch_->ImageBuch->show();
        if (!albumAlt.isNull()) buch_->ImageAlbum->setPixmap(albumAlt);
    }
    const QString ziel = drucker_ ? drucker_(seite) : QString();
    if (!ziel.isEmpty()) Hinweis(tr("Die Seite wurde in die Datei %1 gedruckt.").arg(ziel));
    if (buchSichtbar) {
        ImageRechtsPfeilClick();
        LesezeichenKontrollieren();
    }
}

void TImageForm::LesezeichenKontrollieren() { buch_->LesezeichenKontrollieren(z_.AktuelleSeite, lesezeichenSeiten()); }

void TImageForm::Hinweis(const QString &eingabe) {
    const QString text = eingabe.startsWith(":I:") ? eingabe.mid(3) : eingabe;
    if (fensterstil_ && screen_.info().width <= 800) {
        Dummy->setText(text.isEmpty() ? QStringLiteral(" ") : text);
        raise();
        return;
    }
    LabelName->setText(text);
    LabelName->adjustSize();
    PanelName->resize(LabelName->width() + 16, LabelName->height() + 6);
    PanelName->move((screen_.info().width - PanelName->width()) / 2, PanelName->y());
    PanelName->setVisible(!text.isEmpty() && !menue_->isVisible());
    PanelName->raise();
}

void TImageForm::CBT(int x, int y, const QString &name) { buch_->CBT(z_.HilfeVerzeichnis, x, y, name); }

void TImageForm::auffrischen() {
    for (QWidget *w : findChildren<QWidget *>())
        if (w->isVisible()) w->repaint();
    repaint();
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
        buch_->PanelNoCBT->move(112, buch_->PanelNoCBT->y());
        if (z_.einstellungen.wert("ShowCBT").isEmpty()) SeitenZeigen(-6);
    }
}

void TImageForm::Timer1Timer() {
    const TourBild bild = TourTakt(++timer1Tag_);
    switch (bild.art) {
    case TourBild::Art::Bild: CBT(bild.x, bild.y, bild.name); break;
    case TourBild::Art::Bildschirm5: SeitenZeigen(-5); break;
    case TourBild::Art::Anhalten: Timer1.stop(); break;
    case TourBild::Art::Nichts: break;
    }
}

void TImageForm::LabelNoCBTClick() {
    if (!z_.einstellungen.wert("ShowCBT").isEmpty()) {
        z_.einstellungen.setzen("ShowCBT", "");
        SeitenZeigen(-6);
        buch_->ImageYesCBT->raise();
    } else {
        SeitenZeigen(0);
        z_.einstellungen.setzen("ShowCBT", "0");
        buch_->ImageNoCBT->raise();
    }
}

void TImageForm::ImageCBTMouseMove(int x, int y) {
    if (z_.AktuelleSeite == -3 && x >= 41 && x <= 55) {
        PanelLinksPfeil->move(40, buch_->ImageCBT->y() + y - 8);
        PanelLinksPfeil->show();
        PanelLinksPfeil->raise();
    } else {
        PanelLinksPfeil->hide();
    }
}

void TImageForm::Windowsstil() {
    if (fensterstil_) return;
    fensterstil_ = true;
    const platform::ScreenInfo s = screen_.info();
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    menuBar()->show();
    for (QAction *a : menuBar()->actions())
        if (a != Dummy) a->setVisible(true);
    menue_->hide();
    ImageMain->move(ImageMain->x(), (s.height - 66 - ImageMain->height()) / 2);
    buch_->move(buch_->x(), (s.height - 66 - buch_->height()) / 2);
    if (s.width > 800) PanelName->move(PanelName->x(), s.height - 100);
    else Dummy->setVisible(true);
    if (screen_.isReal()) showMaximized();
    else {
        resize(s.width, s.height);
        show();
    }
}

void TImageForm::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        if (buch_->isVisibleTo(this)) ImageLinksPfeilClick();
        else ImageBackClick();
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        if (buch_->isVisibleTo(this)) ImageRechtsPfeilClick();
        else ImageForwardClick();
        break;
    case Qt::Key_Q:
        // Leaving without a mouse: Ctrl+Q is the exit command.
        if (event->modifiers() & Qt::ControlModifier) {
            BeendenClick();
            break;
        }
        QMainWindow::keyPressEvent(event);
        return;
    default: QMainWindow::keyPressEvent(event); return;
    }
    event->accept();
}

void TImageForm::BeendenClick() {
    if (PanelMemoListe->isVisible() &&
        !meldungen_.okAbbrechen(tr("Die Bilderliste ist noch geöffnet. Trotzdem beenden?")))
        return;
    if (!z_.NurLesen) {
        const authoring::Laufwerksergebnis eigene = authoring::ExeLaufwerk(z_.dateien, z_.programmDatei);
        if (eigene.status == authoring::Laufwerksergebnis::Status::Gefunden)
            AutorIniSchreiben(z_, eigene.stammVerzeichnis);
        IniDateiSchreiben(z_);
        BildtextSpeichern();
        LeereKommentareLoeschen(z_);
    }
    Q_EMIT programmEnde();
}

void TImageForm::ImageLinksPfeilClick() {
    const book::Blaetterziel ziel = book::ZurueckBlaettern(z_.AktuelleSeite, z_.inhaltsstand, z_.umfang());
    if (!ziel.zeigen) return;
    if (ziel.danebenSetzen) z_.AktuelleSeite = ziel.seite;
    SeitenZeigen(ziel.seite);
}

void TImageForm::ImageRechtsPfeilClick() {
    const book::Blaetterziel ziel = book::VorBlaettern(z_.AktuelleSeite, z_.inhaltsstand, z_.umfang());
    if (!ziel.zeigen) return;
    if (ziel.danebenSetzen) z_.AktuelleSeite = ziel.seite;
    SeitenZeigen(ziel.seite);
    if (z_.AktuelleSeite == -4) SeitenZeigen(-3);
}

void TImageForm::ImageForwardClick() {
    if (bildtext_) bildtext_->hide();
    if (z_.BildIndex < z_.BilderAnzahl - 1) ++z_.BildIndex;
    auto leer = [this](int i) { return i >= 0 && i < memoListe_.size() && (memoListe_[i].isEmpty() || memoListe_[i].startsWith(' ')); };
    while (leer(z_.BildIndex) && z_.BildIndex < z_.BilderAnzahl - 1) ++z_.BildIndex;
    BildLaden(QString());
    Shape1MouseDown();
}

void TImageForm::ImageBackClick() {
    if (bildtext_) bildtext_->hide();
    if (z_.BildIndex > 0) --z_.BildIndex;
    auto leer = [this](int i) { return i >= 0 && i < memoListe_.size() && (memoListe_[i].isEmpty() || memoListe_[i].startsWith(' ')); };
    if (leer(z_.BildIndex) && z_.BildIndex > 0) --z_.BildIndex;
    BildLaden(QString());
    Shape1MouseDown();
}

void TImageForm::ImageMenuMouseDown(int x, int y) {
    switch (MenueZelle(x, y, z_.AktuelleSeite)) {
    case MenueBefehl::Bearbeitung:
        if (z_.NurLesen) {
            meldungen_.zeigen(Meldungen::Art::Fehler,
                              tr("Die Bearbeitungsfunktionen sind erst ausführbar, wenn das Programm auf einer "
                                 "Festplatte installiert wurde."));
        } else if (bearbeitung_) {
            if (z_.ProgrammName.isEmpty()) bearbeitung_->ImageFundamentalsClick();
            else bearbeitung_->Auswahl(1);
        }
        break;
    case MenueBefehl::Lesen: SeitenZeigen(z_.LetzteTextseite); break;
    case MenueBefehl::Album: SeitenZeigen(1000 + 2 * z_.AlbumAufschlag); break;
    case MenueBefehl::Hilfe: SeitenZeigen(z_.LetzteHilfeseite); break;
    case MenueBefehl::Suchen: SuchenClick(); break;
    case MenueBefehl::Bildlauf:
        PanelBildlauf()->show();
        PanelBildlauf()->raise();
        break;
    case MenueBefehl::Hintergrundbild:
        if (bearbeitung_) bearbeitung_->Auswahl(5);
        break;
    case MenueBefehl::Windowsstil: Windowsstil(); break;
    case MenueBefehl::Beenden: BeendenClick(); break;
    case MenueBefehl::Drucken: Drucken(); break;
    case MenueBefehl::Keiner: break;
    }
}

void TImageForm::Shape1MouseDown() {
    Shape1->hide();
    LabelShape->hide();
}

bool TImageForm::eventFilter(QObject *obj, QEvent *event) {
    const QEvent::Type typ = event->type();
    // The window's surface and the picture on it take the mouse of the picture view
    // (the transparent cover layer of the original layout).
    if ((typ == QEvent::MouseMove || typ == QEvent::MouseButtonPress) && (obj == flaeche_ || obj == ImageMain)) {
        const auto *maus = static_cast<QMouseEvent *>(event);
        const QPoint p = maus->position().toPoint() + (obj == ImageMain ? ImageMain->pos() : QPoint());
        if (typ == QEvent::MouseMove) LabelCoverMouseMove(p.x(), p.y());
        else ImageMainMouseDown(maus->button(), p.x(), p.y());
        return typ == QEvent::MouseButtonPress;
    }
    if (obj == buch_->ImageAlbum && (typ == QEvent::MouseMove || typ == QEvent::MouseButtonPress)) {
        const QPoint p = static_cast<QMouseEvent *>(event)->position().toPoint();
        if (typ == QEvent::MouseMove) ImageAlbumMouseMove(p.x(), p.y());
        else ImageAlbumMouseDown(p.x(), p.y());
        return typ == QEvent::MouseButtonPress;
    }
    if (obj == ImageLast || obj == ImageNext) {
        const bool zurueck = obj == ImageLast;
        if (typ == QEvent::MouseButtonPress) {
            if (zurueck) ImageBackClick();
            else ImageForwardClick();
            return true;
        }
        if (typ == QEvent::MouseMove) {
            const bool moeglich = zurueck ? z_.AktuellerBildIndex > 0 : z_.AktuellerBildIndex < z_.BilderAnzahl - 1;
            Hinweis(moeglich ? (zurueck ? tr("voriges Bild") : tr("nächstes Bild")) : QString());
        }
    }
    if (obj == SpeedButtonEnlarge) {
        if (typ == QEvent::MouseMove)
            Hinweis(tr("Vergrößerte Kopie laden. Klicken Sie danach auf ein Detail, das Sie größer sehen möchten."));
        if (typ == QEvent::MouseButtonRelease) SpeedButtonEnlargeMouseUp(static_cast<QMouseEvent *>(event)->button());
    }
    if (obj == menue_->LabelFundliste && typ == QEvent::MouseButtonPress && fundliste_) {
        fundliste_->show();
        fundliste_->raise();
        return true;
    }
    if (obj == Imagebig && typ == QEvent::MouseButtonPress) {
        Imagebig->hide();
        return true;
    }
    if (obj == Imagebig && typ == QEvent::MouseMove && static_cast<QMouseEvent *>(event)->position().x() < 10)
        Imagebig->move(Imagebig->x() + 1, Imagebig->y());
    if (event->type() == QEvent::MouseButtonPress && (obj == Shape1 || obj == LabelShape)) {
        Shape1MouseDown();
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress && obj == LabelName) {
        LabelNameMouseDown();
        return true;
    }
    return QMainWindow::eventFilter(obj, event);
}

} // namespace app
