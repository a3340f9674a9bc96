#include "authoring/views/titelpanel.h"

#include "authoring/views/bearbeitungskontext.h"
#include "authoring/views/einstellungenspeichern.h"
#include "authoring/views/zweizeilig.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>

namespace authoring {

namespace {

constexpr int kBuchHoehe = 441; // the book and subtitle lie within the book

QLabel *zahlfeld(QWidget *eltern, const char *name, const QString &wofuer) {
    auto *l = new QLabel(eltern);
    l->setObjectName(QString::fromLatin1(name));
    l->setAccessibleName(wofuer);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumWidth(26);
    return l;
}

} // namespace

Titelpanel::Titelpanel(Bearbeitungskontext &kontext) : Aufgabenpanel(kontext, "Panel8Titel") {
    EditTitel = new QLineEdit(this);
    EditTitel->setObjectName("EditTitel");
    EditTitel->setAccessibleName(tr("Titel:"));
    EditUntertitel = new QLineEdit(this);
    EditUntertitel->setObjectName("EditUntertitel");
    EditUntertitel->setAccessibleName(zusammengezogen(tr("Unter- titel:")));
    for (QLineEdit *e : {EditTitel, EditUntertitel})
        e->setMaxLength(projekt::kMaxWertLaenge);
    connect(EditTitel, &QLineEdit::textChanged, this, &Titelpanel::EditTitelChange);
    connect(EditUntertitel, &QLineEdit::textChanged, this, &Titelpanel::EditUntertitelChange);
    auto *anleitung = new QLabel(
        tr("Geben Sie Titel und Untertitel ein und ändern Sie ggf. deren Position und Größe (Pfeile)"), this);
    anleitung->setWordWrap(true);

    LabelTitelLeft = zahlfeld(this, "LabelTitelLeft", tr("Titel links"));
    LabelTitelTop = zahlfeld(this, "LabelTitelTop", tr("Titel oben"));
    LabelShadowLeft = zahlfeld(this, "LabelShadowLeft", tr("Schatten links"));
    LabelShadowTop = zahlfeld(this, "LabelShadowTop", tr("Schatten oben"));
    LabelBuchTitelTop = zahlfeld(this, "LabelBuchTitelTop", tr("Buchtitel oben"));
    LabelUntertitelTop = zahlfeld(this, "LabelUntertitelTop", tr("Untertitel oben"));
    PanelTitelSize = zahlfeld(this, "PanelTitelSize", tr("Größe des Titels"));
    PanelBuchtitelSize = zahlfeld(this, "PanelBuchtitelSize", tr("Größe des Buchtitels"));
    PanelUntertitelSize = zahlfeld(this, "PanelUntertitelSize", tr("Größe des Untertitels"));

    // Arrow and size buttons repeat while held, one step per repetition.
    auto knopf = [this](const char *name, const QString &wofuer, void (Titelpanel::*handler)(), Qt::ArrowType pfeil,
                        const QString &text = {}) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAccessibleName(wofuer);
        b->setToolTip(wofuer);
        if (pfeil != Qt::NoArrow)
            b->setArrowType(pfeil);
        else
            b->setText(text);
        b->setAutoRepeat(true);
        b->setFixedSize(18, 18);
        connect(b, &QToolButton::clicked, this, handler);
        return b;
    };
    using P = Titelpanel;
    auto kreuz = [&](const QString &titel, std::array<QToolButton *, 4> pfeile, QLabel *links, QLabel *oben,
                     QLayout *groesse) {
        auto *gruppe = new QGroupBox(titel, this);
        auto *raster = new QGridLayout(gruppe);
        raster->setSpacing(0);
        raster->setContentsMargins(4, 2, 4, 2);
        raster->addWidget(pfeile[1], 0, 1);
        raster->addWidget(pfeile[0], 1, 0);
        raster->addWidget(pfeile[2], 1, 2);
        raster->addWidget(pfeile[3], 2, 1);
        auto *zahlen = new QHBoxLayout;
        if (links) {
            zahlen->addWidget(links);
            zahlen->addWidget(new QLabel(QStringLiteral("/"), gruppe));
        }
        zahlen->addWidget(oben);
        raster->addLayout(zahlen, 3, 0, 1, 3);
        if (groesse) raster->addLayout(groesse, 4, 0, 1, 3);
        raster->setRowStretch(5, 1);
        return gruppe;
    };
    auto hochRunter = [&](const QString &titel, QToolButton *hoch, QToolButton *runter, QLabel *oben,
                          QLayout *groesse) {
        auto *gruppe = new QGroupBox(titel, this);
        auto *raster = new QGridLayout(gruppe);
        raster->setSpacing(0);
        raster->setContentsMargins(4, 2, 4, 2);
        raster->addWidget(hoch, 0, 0, Qt::AlignHCenter);
        raster->addWidget(runter, 1, 0, Qt::AlignHCenter);
        raster->addWidget(oben, 2, 0);
        raster->addLayout(groesse, 3, 0);
        raster->setRowStretch(4, 1);
        return gruppe;
    };
    auto groesse = [&](QLabel *zahl, QToolButton *kleiner, QToolButton *groesser) {
        auto *spalte = new QVBoxLayout;
        spalte->setSpacing(0);
        spalte->setContentsMargins(0, 6, 0, 0);
        auto *kopf = new QLabel(tr("Größe"), this);
        kopf->setAlignment(Qt::AlignCenter);
        spalte->addWidget(kopf);
        auto *zeile = new QHBoxLayout;
        zeile->setSpacing(0);
        zeile->addWidget(kleiner);
        zeile->addWidget(zahl);
        zeile->addWidget(groesser);
        spalte->addLayout(zeile);
        return spalte;
    };

    auto *titelGroesse = groesse(
        PanelTitelSize, knopf("ImageTitelSmaller", tr("Titel kleiner"), &P::ImageTitelSmallerClick, Qt::NoArrow, "-"),
        knopf("ImageTitelBigger", tr("Titel größer"), &P::ImageTitelBiggerClick, Qt::NoArrow, "+"));
    auto *buchtitelGroesse = groesse(
        PanelBuchtitelSize,
        knopf("ImageBuchtitelSmaller", tr("Buchtitel kleiner"), &P::ImageBuchtitelSmallerClick, Qt::NoArrow, "-"),
        knopf("ImageBuchtitelBigger", tr("Buchtitel größer"), &P::ImageBuchtitelBiggerClick, Qt::NoArrow, "+"));
    auto *untertitelGroesse = groesse(
        PanelUntertitelSize,
        knopf("ImageUntertitelSmaller", tr("Untertitel kleiner"), &P::ImageUntertitelSmallerClick, Qt::NoArrow, "-"),
        knopf("ImageUntertitelBigger", tr("Untertitel größer"), &P::ImageUntertitelBiggerClick, Qt::NoArrow, "+"));

    QGroupBox *titel =
        kreuz(tr("Titel"),
              {knopf("ImageTitelLeft", tr("Titel nach links"), &P::ImageTitelLeftClick, Qt::LeftArrow),
               knopf("ImageTitelUp", tr("Titel nach oben"), &P::ImageTitelUpClick, Qt::UpArrow),
               knopf("ImageTitelRight", tr("Titel nach rechts"), &P::ImageTitelRightClick, Qt::RightArrow),
               knopf("ImageTitelDown", tr("Titel nach unten"), &P::ImageTitelDownClick, Qt::DownArrow)},
              LabelTitelLeft, LabelTitelTop, titelGroesse);
    QGroupBox *schatten =
        kreuz(tr("Schatten"),
              {knopf("ImageSchattenLeft", tr("Schatten nach links"), &P::ImageSchattenLeftClick, Qt::LeftArrow),
               knopf("ImageSchattenUp", tr("Schatten nach oben"), &P::ImageSchattenUpClick, Qt::UpArrow),
               knopf("ImageSchattenRight", tr("Schatten nach rechts"), &P::ImageSchattenRightClick, Qt::RightArrow),
               knopf("ImageSchattenDown", tr("Schatten nach unten"), &P::ImageSchattenDownClick, Qt::DownArrow)},
              LabelShadowLeft, LabelShadowTop, nullptr);
    QGroupBox *buchtitel = hochRunter(
        tr("Buchtitel"), knopf("ImageBuchTitelUp", tr("Buchtitel nach oben"), &P::ImageBuchTitelUpClick, Qt::UpArrow),
        knopf("ImageBuchTitelDown", tr("Buchtitel nach unten"), &P::ImageBuchTitelDownClick, Qt::DownArrow),
        LabelBuchTitelTop, buchtitelGroesse);
    QGroupBox *untertitel = hochRunter(
        tr("Untertitel"),
        knopf("ImageUntertitelUp", tr("Untertitel nach oben"), &P::ImageUntertitelUpClick, Qt::UpArrow),
        knopf("ImageUntertitelDown", tr("Untertitel nach unten"), &P::ImageUntertitelDownClick, Qt::DownArrow),
        LabelUntertitelTop, untertitelGroesse);
    BitBtnTitelOk = new QPushButton(tr("OK"), this);
    BitBtnTitelOk->setObjectName("BitBtnTitelOk");
    connect(BitBtnTitelOk, &QPushButton::clicked, this, &Titelpanel::BitBtnTitelOkClick);

    auto *raster = new QGridLayout(this);
    raster->setContentsMargins(10, 8, 10, 8);
    raster->setVerticalSpacing(4);
    raster->addWidget(new QLabel(tr("Titel:"), this), 0, 0);
    raster->addWidget(EditTitel, 0, 1, 1, 4);
    auto *unter = new QLabel(zweizeilig(tr("Unter- titel:")), this);
    unter->setWordWrap(true);
    raster->addWidget(unter, 1, 0);
    raster->addWidget(EditUntertitel, 1, 1, 1, 4);
    raster->addWidget(anleitung, 2, 0, 1, 5);
    auto *gruppen = new QHBoxLayout;
    gruppen->setSpacing(4);
    for (QGroupBox *g : {titel, schatten, buchtitel, untertitel})
        gruppen->addWidget(g);
    raster->addLayout(gruppen, 3, 0, 1, 5);
    raster->addWidget(BitBtnTitelOk, 4, 4, Qt::AlignRight);
    raster->setRowStretch(5, 1);
    raster->setColumnStretch(1, 1);
}

void Titelpanel::oeffnen() {
    kontext_.verbergen();
    Buchsteuerung *buch = kontext_.buch();
    if (buch) buch->SeitenZeigen(-1);
    kontext_.inDieEcke(false);
    // The stored values, shown on the book at once: a look left by an earlier editing
    // without OK does not come back as if it were stored.
    t_ = projekt::Titelgestaltung::aus(kontext_.zustand().einstellungen);
    {
        const QSignalBlocker a(EditTitel), b(EditUntertitel);
        EditTitel->setText(t_.titel);
        EditUntertitel->setText(t_.untertitel);
    }
    zeigen();
    kontext_.Auswahl(Aufgabe::Titel);
    EditTitel->setFocus();
    EditTitel->selectAll();
}

void Titelpanel::zeigen() {
    const auto zahl = [](QLabel *l, int wert) { l->setText(QString::number(wert)); };
    zahl(LabelTitelLeft, t_.titelLinks);
    zahl(LabelTitelTop, t_.titelOben);
    zahl(LabelShadowLeft, t_.schattenLinks);
    zahl(LabelShadowTop, t_.schattenOben);
    zahl(LabelBuchTitelTop, t_.buchtitelOben);
    zahl(LabelUntertitelTop, t_.untertitelOben);
    zahl(PanelTitelSize, t_.titelGroesse);
    zahl(PanelBuchtitelSize, t_.buchtitelGroesse);
    zahl(PanelUntertitelSize, t_.untertitelGroesse);
    if (Buchsteuerung *buch = kontext_.buch()) buch->TitelVorschau(t_);
}

void Titelpanel::schritt(int &wert, int um, int grenze, int kleinster) {
    // A value stored beyond the bounds comes back within them on the first step.
    wert = qBound(kleinster, wert + um, grenze);
    zeigen();
}

void Titelpanel::EditTitelChange() {
    t_.titel = EditTitel->text();
    zeigen();
}

void Titelpanel::EditUntertitelChange() {
    t_.untertitel = EditUntertitel->text();
    zeigen();
}

void Titelpanel::ImageTitelLeftClick() {
    schritt(t_.titelLinks, -1, kontext_.bildschirm().width - 1);
}
void Titelpanel::ImageTitelRightClick() {
    schritt(t_.titelLinks, 1, kontext_.bildschirm().width - 1);
}
void Titelpanel::ImageTitelUpClick() {
    schritt(t_.titelOben, -1, kontext_.bildschirm().height - 1);
}
void Titelpanel::ImageTitelDownClick() {
    schritt(t_.titelOben, 1, kontext_.bildschirm().height - 1);
}
void Titelpanel::ImageSchattenLeftClick() {
    schritt(t_.schattenLinks, -1, kontext_.bildschirm().width - 1);
}
void Titelpanel::ImageSchattenRightClick() {
    schritt(t_.schattenLinks, 1, kontext_.bildschirm().width - 1);
}
void Titelpanel::ImageSchattenUpClick() {
    schritt(t_.schattenOben, -1, kontext_.bildschirm().height - 1);
}
void Titelpanel::ImageSchattenDownClick() {
    schritt(t_.schattenOben, 1, kontext_.bildschirm().height - 1);
}
void Titelpanel::ImageBuchTitelUpClick() {
    schritt(t_.buchtitelOben, -1, kBuchHoehe - 1);
}
void Titelpanel::ImageBuchTitelDownClick() {
    schritt(t_.buchtitelOben, 1, kBuchHoehe - 1);
}
void Titelpanel::ImageUntertitelUpClick() {
    schritt(t_.untertitelOben, -1, kBuchHoehe - 1);
}
void Titelpanel::ImageUntertitelDownClick() {
    schritt(t_.untertitelOben, 1, kBuchHoehe - 1);
}
void Titelpanel::ImageTitelSmallerClick() {
    schritt(t_.titelGroesse, -1, kGroessteSchrift, kKleinsteSchrift);
}
void Titelpanel::ImageTitelBiggerClick() {
    schritt(t_.titelGroesse, 1, kGroessteSchrift, kKleinsteSchrift);
}
void Titelpanel::ImageBuchtitelSmallerClick() {
    schritt(t_.buchtitelGroesse, -1, kGroessteSchrift, kKleinsteSchrift);
}
void Titelpanel::ImageBuchtitelBiggerClick() {
    schritt(t_.buchtitelGroesse, 1, kGroessteSchrift, kKleinsteSchrift);
}
void Titelpanel::ImageUntertitelSmallerClick() {
    schritt(t_.untertitelGroesse, -1, kGroessteSchrift, kKleinsteSchrift);
}
void Titelpanel::ImageUntertitelBiggerClick() {
    schritt(t_.untertitelGroesse, 1, kGroessteSchrift, kKleinsteSchrift);
}

void Titelpanel::BitBtnTitelOkClick() {
    projekt::Zustand &z = kontext_.zustand();
    t_.eintragen(z.einstellungen);
    z.BuchTitel = z.einstellungen.wert("Title");
    EinstellungenSpeichern(kontext_);
    kontext_.verbergen();
}

} // namespace authoring
