#include "album/views/bildansicht.h"

#include "album/views/bildansichtpanels.h"
#include "book/core/ziffernwert.h"
#include "book/views/bildflaeche.h"
#include "book/views/bildlader.h"
#include "platform/bitmapfile.h"
#include "platform/cp1252.h"
#include "platform/fonts.h"
#include "platform/keycontrols.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace album {

Bildansicht::Bildansicht(QWidget *flaeche, QWidget *buch, const Bildkontext &kontext, const platform::Screen &screen,
                         platform::Meldungen &meldungen)
    : QObject(flaeche), flaeche_(flaeche), buch_(buch), k_(kontext), screen_(screen), meldungen_(meldungen) {
    ImageMain = new book::Bildflaeche(flaeche_);
    ImageMain->setObjectName("ImageMain");
    ImageMain->setAccessibleName(tr("Bild"));
    ImageMain->setMouseTracking(true);
    ImageMain->hide();
    LabelHuge = new QLabel(flaeche_);
    LabelHuge->setObjectName("LabelHuge");
    LabelHuge->setAlignment(Qt::AlignCenter);
    book::Textfarbe(LabelHuge, QColor(236, 226, 200));
    LabelHuge->resize(600, 80);
    LabelHuge->hide();

    // The previous-picture and next-picture arrows at the screen edges.
    for (QLabel **pfeil : {&ImageLast, &ImageNext}) {
        *pfeil = new QLabel(flaeche_);
        (*pfeil)->setPixmap(book::Pfeilbild(pfeil == &ImageLast));
        (*pfeil)->resize(16, 17);
        (*pfeil)->hide();
        (*pfeil)->setMouseTracking(true);
        (*pfeil)->installEventFilter(this);
        (*pfeil)->setCursor(Qt::PointingHandCursor);
    }
    ImageLast->setObjectName("ImageLast");
    ImageNext->setObjectName("ImageNext");
    ImageLast->setAccessibleName(tr("voriges Bild"));
    ImageNext->setAccessibleName(tr("nächstes Bild"));

    Imagebig = new QLabel(flaeche_);
    Imagebig->setObjectName("Imagebig");
    Imagebig->setAccessibleName(tr("Vergrößerte Kopie"));
    Imagebig->installEventFilter(this);
    Imagebig->setMouseTracking(true); // the copy creeps right under the mouse at its left edge
    Imagebig->hide();
    SpeedButtonEnlarge = new QPushButton(QStringLiteral("+"), flaeche_);
    SpeedButtonEnlarge->setObjectName("SpeedButtonEnlarge");
    SpeedButtonEnlarge->setAccessibleName(tr("Vergrößerte Kopie laden"));
    SpeedButtonEnlarge->setGeometry(8, 8, 28, 28);
    SpeedButtonEnlarge->setMouseTracking(true);
    SpeedButtonEnlarge->installEventFilter(this);
    SpeedButtonEnlarge->hide();
    Timer2 = new QTimer(this);
    Timer2->setObjectName("Timer2");
    Timer2->setInterval(2000);
    connect(Timer2, &QTimer::timeout, this, &Bildansicht::Timer2Timer);

    // The frame round a found mark, and the mark's comment in it.
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
    LabelShape = new QLabel(flaeche_);
    LabelShape->setObjectName("LabelShape");
    book::Textfarbe(LabelShape, Qt::red);
    LabelShape->installEventFilter(this);
    LabelShape->hide();

    // The surface and the picture on it take the picture view's mouse (the transparent
    // cover layer of the original layout).
    flaeche_->installEventFilter(this);
    ImageMain->installEventFilter(this);
}

void Bildansicht::heben(Schicht schicht) {
    switch (schicht) {
    case Schicht::Bild:
        ImageMain->raise();
        LabelHuge->raise();
        break;
    case Schicht::Pfeile:
        ImageLast->raise();
        ImageNext->raise();
        break;
    case Schicht::Vergroesserung:
        Imagebig->raise();
        SpeedButtonEnlarge->raise();
        break;
    case Schicht::Rahmen: Shape1->raise(); break;
    case Schicht::Kommentar: LabelShape->raise(); break;
    }
}

void Bildansicht::titelPlatzieren(int breite, int hoehe) {
    LabelHuge->move((breite - LabelHuge->width()) / 2, hoehe - 330);
}

void Bildansicht::BildVerbergen() {
    ImageMain->hide();
}

void Bildansicht::SteuerungVerbergen() {
    SpeedButtonEnlarge->hide();
}

void Bildansicht::setFensterstil(bool an) {
    fensterstil_ = an;
    if (an) ImageMain->move(ImageMain->x(), (screen_.info().height - 66 - ImageMain->height()) / 2);
}

void Bildansicht::flaecheMaus(QEvent::Type typ, Qt::MouseButton taste, QPoint p) {
    const bool buchDa = buch_->isVisibleTo(flaeche_);
    if (typ == QEvent::MouseMove) {
        if ((regeln_.leisteNimmt && regeln_.leisteNimmt(p.y())) || buchDa) return;
        LabelCoverMouseMove(p.x(), p.y());
        return;
    }
    const bool gesperrt = buchDa || (regeln_.gesperrt && regeln_.gesperrt());
    ImageMainMouseDown(taste, p.x(), p.y(), gesperrt, regeln_.hinweisSichtbar && regeln_.hinweisSichtbar());
}

Bildansicht::~Bildansicht() = default;

EingabePanel *Bildansicht::PanelEingabe() {
    if (!eingabe_) {
        const platform::ScreenInfo s = screen_.info();
        eingabe_ = new EingabePanel(flaeche_);
        eingabe_->installEventFilter(this);
        eingabe_->move((s.width - eingabe_->width()) / 2, s.height - 50);
        connect(eingabe_->BitBtn1, &QPushButton::clicked, this, &Bildansicht::BitBtn1Click);
        connect(eingabe_->SpeedButton1, &QPushButton::clicked, eingabe_, &QWidget::hide);
    }
    return eingabe_;
}

BildtextPanel *Bildansicht::PanelBildtext() {
    if (!bildtext_) {
        bildtext_ = new BildtextPanel(flaeche_);
        bildtext_->installEventFilter(this);
        bildtext_->setGeometry(0, 0, screen_.info().width, bildtext_->height());
        connect(bildtext_, &BildtextPanel::geklickt, this, &Bildansicht::PanelBildtextClick);
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

BildlaufPanel *Bildansicht::PanelBildlauf() {
    if (!bildlauf_) {
        const platform::ScreenInfo s = screen_.info();
        bildlauf_ = new BildlaufPanel(flaeche_);
        bildlauf_->installEventFilter(this);
        bildlauf_->move((s.width - bildlauf_->width()) / 2, (s.height - bildlauf_->height()) / 2);
        bildlauf_->LabelBildlauf->setText(
            tr("Ein Bildlauf - ähnlich einer Dia-Show - wird gestartet (Abbruch durch beliebigen Mausklick)"));
        bildlauf_->LabelBildwechsel->setText(tr("Bildwechsel nach"));
        bildlauf_->LabelSekunden->setText(tr("Sekunden"));
        bildlauf_->BitBtnKeinBildlauf->setText(tr("Abbrechen"));
        connect(bildlauf_->BitBtnBildlaufOk, &QPushButton::clicked, this, &Bildansicht::BitBtnBildlaufOkClick);
        connect(bildlauf_->BitBtnKeinBildlauf, &QPushButton::clicked, bildlauf_, &QWidget::hide);
    }
    return bildlauf_;
}

void Bildansicht::Bildzentrieren(const QString &name) {
    const platform::ScreenInfo s = screen_.info();
    Shape1->hide();
    LabelShape->hide();
    Vergroesserung = false;
    Imagebig->hide();
    if (eingabe_) eingabe_->hide();
    const QString zeile = liste().zeile(k_.BildIndex);
    if (ZentriertesBild.isEmpty() && name.isEmpty()) {
        ImageMain->hide();
        ZentriertesBild = name;
        return;
    }
    if (name == ZentriertesBild) return;
    const QString datei = k_.ProjektVerzeichnis + "Album\\" + name + ".bmp";
    // Only the part of the picture that can be on the screen is decoded: centred, in
    // either presentation (the window one lies 33 pixels higher and so shows up to 33
    // rows more of the picture's lower part; one row more for rounding).
    auto zeigen = [&](const QString &pfad) {
        if (!k_.dateien.exists(pfad)) return false;
        const QString nativ = k_.dateien.native(pfad);
        // A plain bitmap is drawn straight from its file; any other is decoded here.
        auto quelle = platform::BitmapSource::open(nativ);
        const auto groesse = quelle ? std::optional<QSize>(quelle->size()) : platform::bitmapSize(nativ);
        if (!groesse) return false;
        const QPoint links((s.width - groesse->width()) / 2, (s.height - groesse->height()) / 2);
        const QRect sichtbar =
            QRect(-links.x(), -links.y() - 1, s.width, s.height + 35).intersected(QRect(QPoint(), *groesse));
        if (quelle) {
            ImageMain->setBild(std::move(quelle), sichtbar);
            return true;
        }
        auto teil = platform::readBitmap(nativ, qint64(1) << 28, sichtbar);
        if (!teil) return false;
        ImageMain->setBild(std::move(*teil), sichtbar.topLeft(), *groesse);
        return true;
    };
    if (!zeile.startsWith(":I:") && zeigen(datei)) {
        if (zeile.section(':', 0, 0).toUpper() != name) AktuellerBildtext = liste().BildtextFuer(name);
        book::Grundfarbe(flaeche_, QColor(192, 192, 192));
        LabelHuge->hide();
    } else if (!k_.HilfeVerzeichnis.isEmpty() && zeigen(k_.HilfeVerzeichnis + "Title.bmp")) {
        book::Grundfarbe(flaeche_, Qt::black);
        QString titel = AktuellerBildtext.mid(AktuellerBildtext.indexOf(':') + 1);
        LabelHuge->setText(titel.section('~', 0, 0));
        LabelHuge->setFont(platform::screenFont("Arial", 28, s.ppi, true));
        LabelHuge->show();
        LabelHuge->stackUnder(buch_);
    }
    const int reserve = fensterstil_ ? 66 : 0;
    ImageMain->move((s.width - ImageMain->width()) / 2, (s.height - reserve - ImageMain->height()) / 2);
    LabelHuge->move(LabelHuge->x(), ImageMain->y() + (ImageMain->height() - LabelHuge->height()) / 2);
    Q_EMIT buchAusrichten(reserve);
    ImageMain->show();
    ImageMain->lower();
    SpeedButtonEnlarge->setVisible(k_.dateien.exists(k_.ProjektVerzeichnis + "Huge\\" + AktuellesBild + ".bmp"));
    SpeedButtonEnlarge->raise();
    ZentriertesBild = name;
}

void Bildansicht::BildLaden(const QString &name) {
    Q_EMIT bildKommt();
    if (k_.BildIndex < -1 || k_.BildIndex > liste().anzahl()) return;
    if (k_.BildIndex == -1) {
        if (!k_.dateien.exists(k_.ProjektVerzeichnis + "Album\\" + name + ".bmp")) return;
        AktuellesBild = name;
    } else {
        if (k_.BildIndex >= liste().anzahl() || liste().zeile(k_.BildIndex).isEmpty()) return;
        ListenzeileZerlegen(liste().zeile(k_.BildIndex), &AktuellerBildtext, &AktuellesBild);
    }
    Bildzentrieren(AktuellesBild);
    k_.AktuellerBildIndex = k_.BildIndex;
    NamenLaden(AktuellesBild);
    Q_EMIT hinweis(QString());
    Q_EMIT bildGezeigt(!AktuellesBild.isEmpty());
}

void Bildansicht::BildZeigen(int index) {
    k_.BildIndex = index;
    BildLaden(QString());
}

void Bildansicht::NamenLaden(const QString &name) {
    QByteArray bytes;
    const QString album = k_.ProjektVerzeichnis + "Album\\" + name;
    const bool text = !name.isEmpty() && k_.dateien.read(album + ".dok", &bytes, 1 << 20);
    if (text || bildtext_) {
        QPlainTextEdit *memo = PanelBildtext()->MemoBildtext;
        memo->clear();
        if (text) memo->setPlainText(platform::splitLines(bytes).join('\n'));
        memo->document()->setModified(false);
    }
    marken_ = Markentabelle();
    if (!name.isEmpty() && k_.dateien.read(album + ".Txt", &bytes)) marken_ = Markentabelle::Lesen(bytes);
}

void Bildansicht::TextbildZeigen(const QString &name) {
    k_.BildIndex = liste().IndexNachListenname(name);
    BildLaden(name);
}

void Bildansicht::FundZeigen(const QString &name, int x, int y, const QString &kommentar) {
    LabelShape->setText(kommentar);
    AktuellesBild = name;
    // The hit's list line is chosen before the picture is centred, which reads that line:
    // a title line chosen earlier would otherwise turn the hit into a title screen.
    if (const int i = liste().IndexVon(name); i >= 0) k_.BildIndex = i;
    Q_EMIT hinweis(QString());
    Bildzentrieren(name);
    markeRahmen(x, y);
    k_.AktuellerBildIndex = 1;
    NamenLaden(name);
}

void Bildansicht::markeRahmen(int x, int y) {
    Shape1->move(ImageMain->x() + x - 50, ImageMain->y() + y - 50);
    LabelShape->adjustSize();
    LabelShape->move(Shape1->x() + 2, Shape1->y() + Shape1->height() - 16);
    Shape1->show();
    Shape1->raise();
    LabelShape->show();
    LabelShape->raise();
}

void Bildansicht::LabelCoverMouseMove(int x, int y) {
    const platform::ScreenInfo s = screen_.info();
    if (x <= 7 && k_.AktuellerBildIndex >= 1) {
        ImageLast->move(0, y - 8);
        ImageLast->show();
        ImageLast->raise();
        return;
    }
    ImageLast->hide();
    if (x > s.width - 8 && k_.AktuellerBildIndex < liste().anzahl() - 1) {
        Q_EMIT hinweis(tr("nächstes Bild"));
        ImageNext->move(s.width - 15, y - 8);
        ImageNext->show();
        ImageNext->raise();
        return;
    }
    ImageNext->hide();
    if (y < 3) {
        if (!AktuellerBildtext.isEmpty() || (bildtext_ && !bildtext_->MemoBildtext->toPlainText().isEmpty())) {
            PanelBildtext()->resize(s.width, PanelBildtext()->height());
            PanelBildtext()->lesenZeigen(AktuellerBildtext.isEmpty() ? QString() : OhneTilde(AktuellerBildtext));
            PanelBildtext()->show();
            PanelBildtext()->raise();
        }
    } else if (bildtext_ && !bildtext_->bearbeitet()) {
        bildtext_->hide();
    }
    const Markentabelle::Treffer treffer = marken_.Unter(x - ImageMain->x(), y - ImageMain->y());
    MarkeUnterMaus = treffer.index;
    Q_EMIT hinweis(treffer.text);
}

void Bildansicht::ImageMainMouseDown(Qt::MouseButton taste, int x, int y, bool gesperrt, bool hinweisSichtbar) {
    const platform::ScreenInfo s = screen_.info();
    const int bx = x - ImageMain->x(), by = y - ImageMain->y();
    if (Vergroesserung) {
        const QSize kopie = Imagebig->size();
        Imagebig->move(VergroesserungsLage(s.width, kopie.width(), ImageMain->width(), bx),
                       VergroesserungsLage(s.height, kopie.height(), ImageMain->height(), by));
        Imagebig->show();
        Imagebig->raise();
        return;
    }
    if (Timer2->isActive()) {
        Timer2->stop();
        return;
    }
    if (k_.NurLesen || gesperrt) return;
    // A mark belongs on the picture: the margin beside or below it starts none, and no
    // position outside it is ever stored.
    const bool aufDemBild = QRect(QPoint(), ImageMain->size()).contains(bx, by);
    KlickX = bx;
    KlickY = by;
    if (taste == Qt::LeftButton && by < 3) {
        PanelBildtextClick();
    } else if (taste == Qt::LeftButton && aufDemBild) {
        PanelEingabe()->Edit1->clear();
        PanelEingabe()->show();
        PanelEingabe()->raise();
        PanelEingabe()->Edit1->setFocus();
    } else if (taste == Qt::RightButton && hinweisSichtbar && MarkeUnterMaus > 0 &&
               MarkeUnterMaus <= marken_.marken.size()) {
        Marke &marke = marken_.marken[MarkeUnterMaus - 1];
        if (marke.entfernt || !meldungen_.okAbbrechen(tr("Eintrag \"%1\" löschen?").arg(marke.text))) return;
        // Exactly the mark's line goes; every other line stays byte for byte.
        const QString datei = k_.ProjektVerzeichnis + "Album\\" + AktuellesBild + ".Txt";
        QByteArray bytes;
        std::optional<QByteArray> rest;
        if (k_.dateien.read(datei, &bytes)) rest = MarkeEntfernen(bytes, marken_.Dateizeile(MarkeUnterMaus), marke);
        if (!rest || !k_.dateien.write(datei, *rest)) {
            meldungen_.zeigen(platform::Meldungen::Art::Fehler,
                              tr("Der Kommentar \"%1\" kann nicht gelöscht werden.").arg(marke.text));
            return;
        }
        PanelEingabe()->Edit1->setText(marke.text);
        marke.text.clear();
        marke.entfernt = true;
        Shape1MouseDown();
        PanelEingabe()->show();
        PanelEingabe()->raise();
        PanelEingabe()->Edit1->setFocus();
    }
}

bool Bildansicht::nurSpeicherbareZeichen(QString &text) {
    const QString fremd = platform::notInCp1252(text);
    if (fremd.isEmpty()) return true;
    if (!meldungen_.okAbbrechen(
            tr("Diese Zeichen können nicht gespeichert werden: %1\nOhne sie speichern?").arg(fremd)))
        return false;
    text = platform::withoutNonCp1252(text);
    return true;
}

void Bildansicht::BitBtn1Click() {
    QString text = PanelEingabe()->Edit1->text();
    if (k_.NurLesen || text.isEmpty() || !nurSpeicherbareZeichen(text) || text.isEmpty()) return;
    const QString datei = k_.ProjektVerzeichnis + "Album\\" + AktuellesBild + ".Txt";
    QByteArray bytes;
    // A file that cannot be read whole is never rewritten from the part that was read.
    if (k_.dateien.exists(datei) && !k_.dateien.read(datei, &bytes)) {
        meldungen_.zeigen(platform::Meldungen::Art::Fehler,
                          tr("Die Kommentardatei %1 kann nicht gelesen werden; der Kommentar wurde nicht gespeichert.")
                              .arg(AktuellesBild + ".Txt"));
        return;
    }
    // The position as its four-digit fields hold it.
    const int x = book::ZiffernWert(Vierstellig(KlickX)), y = book::ZiffernWert(Vierstellig(KlickY));
    if (!k_.dateien.write(datei, MarkeAnhaengen(bytes, x, y, text))) {
        meldungen_.zeigen(platform::Meldungen::Art::Fehler, tr("Der Kommentar kann nicht gespeichert werden."));
        return;
    }
    marken_.marken.append({x, y, text.left(kMaxMarkentext)});
    PanelEingabe()->hide();
}

void Bildansicht::PanelBildtextClick() {
    // Where nothing may be saved the text is only shown, never offered for editing.
    if (k_.NurLesen) return;
    PanelBildtext()->resize(screen_.info().width, PanelBildtext()->height());
    PanelBildtext()->bearbeitenZeigen(OhneTilde(AktuellerBildtext));
}

bool Bildansicht::BildtextSpeichern() {
    if (!bildtext_) return true;
    QPlainTextEdit *memo = bildtext_->MemoBildtext;
    if (k_.NurLesen || !memo->document()->isModified()) return true;
    QString text = memo->toPlainText();
    if (!nurSpeicherbareZeichen(text)) return false;
    if (!k_.dateien.write(k_.ProjektVerzeichnis + "Album\\" + AktuellesBild + ".dok",
                          platform::joinLines(text.split('\n')))) {
        meldungen_.zeigen(platform::Meldungen::Art::Fehler, tr("Der Bildtext kann nicht gespeichert werden."));
        return false;
    }
    memo->document()->setModified(false);
    NamenLaden(AktuellesBild);
    return true;
}

void Bildansicht::BildHinweis(int k) {
    Q_EMIT hinweis(k >= 0 && k < liste().anzahl() ? BildHinweisText(liste().zeile(k)) : QString());
}

void Bildansicht::SpeedButtonEnlargeMouseUp(Qt::MouseButton taste) {
    if (taste == Qt::RightButton) {
        SpeedButtonEnlarge->hide();
        return;
    }
    if (auto kopie = book::BitmapLaden(k_.dateien, k_.ProjektVerzeichnis + "Huge\\" + AktuellesBild + ".bmp")) {
        Imagebig->setPixmap(QPixmap::fromImage(std::move(*kopie)));
        Imagebig->adjustSize();
        Vergroesserung = true;
    }
}

void Bildansicht::BitBtnBildlaufOkClick() {
    Timer2->setInterval(PanelBildlauf()->SpinEditBildlauf->value() * 1000);
    Timer2->start();
    PanelBildlauf()->hide();
    Q_EMIT bildlaufBeginnt();
}

void Bildansicht::Timer2Timer() {
    if (k_.BildIndex > liste().anzahl() - 2) k_.BildIndex = -1;
    ImageForwardClick();
}

void Bildansicht::ImageForwardClick() {
    if (bildtext_) bildtext_->hide();
    k_.BildIndex = liste().Naechste(k_.BildIndex);
    BildLaden(QString());
    Shape1MouseDown();
}

void Bildansicht::ImageBackClick() {
    if (bildtext_) bildtext_->hide();
    k_.BildIndex = liste().Vorige(k_.BildIndex);
    BildLaden(QString());
    Shape1MouseDown();
}

void Bildansicht::Shape1MouseDown() {
    Shape1->hide();
    LabelShape->hide();
}

bool Bildansicht::eventFilter(QObject *obj, QEvent *event) {
    const QEvent::Type typ = event->type();
    if ((typ == QEvent::MouseMove || typ == QEvent::MouseButtonPress) && (obj == flaeche_ || obj == ImageMain)) {
        const auto *maus = static_cast<QMouseEvent *>(event);
        const QPoint p = maus->position().toPoint() + (obj == ImageMain ? ImageMain->pos() : QPoint());
        flaecheMaus(typ, maus->button(), p);
        return typ == QEvent::MouseButtonPress;
    }
    // A panel that closes hands the keys back to the surface, so the arrows turn the
    // pictures again instead of going to a hidden field.
    if (typ == QEvent::Hide && obj->isWidgetType() && (obj == eingabe_ || obj == bildtext_ || obj == bildlauf_)) {
        QWidget *fokus = QApplication::focusWidget();
        if (!fokus || !fokus->isVisible() || static_cast<QWidget *>(obj)->isAncestorOf(fokus)) flaeche_->setFocus();
    }
    if (obj == ImageLast || obj == ImageNext) {
        const bool zurueck = obj == ImageLast;
        // Each click steps once: the second of two quick clicks arrives as a double-click.
        if (typ == QEvent::MouseButtonPress || typ == QEvent::MouseButtonDblClick) {
            if (zurueck)
                ImageBackClick();
            else
                ImageForwardClick();
            return true;
        }
        if (typ == QEvent::MouseMove) {
            const bool moeglich = zurueck ? k_.AktuellerBildIndex > 0 : k_.AktuellerBildIndex < liste().anzahl() - 1;
            Q_EMIT hinweis(moeglich ? (zurueck ? tr("voriges Bild") : tr("nächstes Bild")) : QString());
        }
    }
    if (obj == SpeedButtonEnlarge) {
        if (typ == QEvent::MouseMove) {
            Q_EMIT hinweis(
                tr("Vergrößerte Kopie laden. Klicken Sie danach auf ein Detail, das Sie größer sehen möchten."));
            return true; // the surface below would clear the hint again
        }
        if (typ == QEvent::MouseButtonRelease) SpeedButtonEnlargeMouseUp(static_cast<QMouseEvent *>(event)->button());
        // Space and Return work the button as the left mouse button does.
        if (platform::KeyControls::isActivation(event)) {
            SpeedButtonEnlargeMouseUp(Qt::LeftButton);
            return true;
        }
    }
    if (obj == Imagebig && typ == QEvent::MouseButtonPress) {
        Imagebig->hide();
        return true;
    }
    if (obj == Imagebig && typ == QEvent::MouseMove && static_cast<QMouseEvent *>(event)->position().x() < 10)
        Imagebig->move(Imagebig->x() + 1, Imagebig->y());
    if (typ == QEvent::MouseButtonPress && (obj == Shape1 || obj == LabelShape)) {
        Shape1MouseDown();
        return true;
    }
    return QObject::eventFilter(obj, event);
}

void Bildansicht::UeberlagerungenEntfernen() {
    for (QWidget *w :
         {static_cast<QWidget *>(ImageLast), static_cast<QWidget *>(ImageNext), static_cast<QWidget *>(Imagebig),
          static_cast<QWidget *>(SpeedButtonEnlarge), Shape1, static_cast<QWidget *>(LabelShape),
          static_cast<QWidget *>(eingabe_), static_cast<QWidget *>(bildtext_)})
        if (w) w->hide();
    Vergroesserung = false;
    // Leaving the picture view by any way ends the slide show: its next tick would hide
    // the book again.
    Timer2->stop();
}

void Bildansicht::HintergrundZeigen(const QString &name) {
    if (name.isEmpty()) {
        ImageMain->hide();
        LabelHuge->hide();
        book::Grundfarbe(flaeche_, Qt::black);
        ZentriertesBild.clear();
        return;
    }
    // Centred as at start: no list line decides between picture and title screen.
    const int index = k_.BildIndex;
    k_.BildIndex = -1;
    Bildzentrieren(name);
    k_.BildIndex = index;
}

} // namespace album
