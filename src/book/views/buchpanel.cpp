#include "book/views/buchpanel.h"

#include "book/views/bildlader.h"
#include "platform/fonts.h"

#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace book {
namespace {

class Zeilenhoehe : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &o, const QModelIndex &i) const override {
        return {QStyledItemDelegate::sizeHint(o, i).width(), 13};
    }
};

} // namespace
BuchPanel::BuchPanel(const platform::Files &dateien, QWidget *parent) : QWidget(parent), dateien_(dateien) {
    resize(kBreite, kHoehe);
    setAttribute(Qt::WA_OpaquePaintEvent, false);

    ImageBuch = new QLabel(this);
    ImageBuch->setGeometry(0, 0, kBreite, kHoehe);
    ImageBuch->setObjectName("ImageBuch");

    PanelAlbum = new QWidget(this);
    PanelAlbum->setObjectName("PanelAlbum");
    PanelAlbum->setGeometry(62, 32, 538, 384);
    PanelAlbum->setAutoFillBackground(true);
    PanelAlbum->setPalette(QPalette(Qt::white));
    ImageAlbum = new QLabel(PanelAlbum);
    ImageAlbum->setObjectName("ImageAlbum");
    ImageAlbum->setGeometry(0, 0, 524, 384);
    PanelAlbum->hide();
    PanelAlbum->installEventFilter(this);

    MemoTextLinks = new SeitenMemo(this);
    MemoTextLinks->setObjectName("MemoTextLinks");
    MemoTextLinks->setGeometry(56, 32, 241, 378);
    MemoTextRechts = new SeitenMemo(this);
    MemoTextRechts->setObjectName("MemoTextRechts");
    MemoTextRechts->setGeometry(360, 32, 241, 378);
    MemoTextLinks->setAccessibleName(tr("Linke Seite"));
    MemoTextRechts->setAccessibleName(tr("Rechte Seite"));

    for (QLabel **l : {&LabelSeitenzahlLinks, &LabelSeitenzahlRechts}) {
        *l = new QLabel(this);
        (*l)->setAlignment(Qt::AlignHCenter);
        (*l)->hide();
    }
    LabelSeitenzahlLinks->setObjectName("LabelSeitenzahlLinks");
    LabelSeitenzahlRechts->setObjectName("LabelSeitenzahlRechts");
    LabelSeitenzahlLinks->setGeometry(136, 16, 60, 14);
    LabelSeitenzahlRechts->setGeometry(456, 16, 60, 14);

    LabelProjekttitel3 = new QLabel(this);
    LabelProjekttitel3->setObjectName("LabelProjekttitel3");
    LabelProjektUnterTitel = new QLabel(this);
    LabelProjektUnterTitel->setObjectName("LabelProjektUnterTitel");
    for (QLabel *l : {LabelProjekttitel3, LabelProjektUnterTitel}) {
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->setWordWrap(true);
        Textfarbe(l, QColor(92, 24, 20));
    }
    LabelProjekttitel3->setGeometry(372, 98, 232, 110);
    LabelProjektUnterTitel->setGeometry(372, 224, 232, 80);

    for (bool links : {true, false}) {
        auto *panel = new QWidget(this);
        auto *titel = new QLabel(panel);
        panel->setObjectName(links ? "PanelLinks" : "PanelRechts");
        panel->setGeometry(links ? 56 : 360, 32, 241, 13);
        panel->setAutoFillBackground(false);
        titel->setObjectName(links ? "TitelLinks" : "TitelRechts");
        titel->setWordWrap(true);
        titel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        titel->setGeometry(0, 0, 241, 13);
        Textfarbe(titel, QColor(60, 20, 16));
        panel->hide();
        (links ? PanelLinks : PanelRechts) = panel;
        (links ? TitelLinks : TitelRechts) = titel;
        titel->setMouseTracking(true);
        titel->installEventFilter(this);
    }
    for (SeitenMemo *memo : {MemoTextLinks, MemoTextRechts}) {
        memo->setMouseTracking(true);
        memo->installEventFilter(this);
    }

    for (int n = 0; n < 4; ++n) {
        auto *panel = new QWidget(this);
        panel->setObjectName(QStringLiteral("PanelTextBild%1").arg(n + 1));
        panel->setAutoFillBackground(true);
        panel->setPalette(QPalette(Qt::white));
        panel->resize(236, 20);
        auto *bild = new QLabel(panel);
        bild->setObjectName(QStringLiteral("ImageTextBild%1").arg(n + 1));
        bild->setCursor(Qt::PointingHandCursor);
        bild->setMouseTracking(true);
        bild->installEventFilter(this);
        auto *unterschrift = new QLabel(panel);
        unterschrift->setObjectName(QStringLiteral("Unterschrift%1").arg(n + 1));
        unterschrift->setWordWrap(true);
        unterschrift->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        Textfarbe(unterschrift, QColor(40, 34, 28));
        unterschrift->setGeometry(0, 0, 236, 0);
        panel->hide();
        PanelTextBild[size_t(n)] = panel;
        ImageTextBild[size_t(n)] = bild;
        Unterschrift[size_t(n)] = unterschrift;
    }

    PanelInhalt = new QLabel(this);
    PanelInhalt->setObjectName("PanelInhalt");
    PanelInhalt->setGeometry(358, 36, 241, 30);
    PanelInhalt->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    Textfarbe(PanelInhalt, QColor(92, 24, 20));
    PanelInhalt->hide();

    static constexpr int kGriffObenL[] = {12, 55, 99, 142, 185};
    static constexpr int kGriffObenR[] = {12, 55, 99, 141, 183};
    const QPixmap griffL = Kunstbild("GriffL", true);
    const QPixmap griffR = Kunstbild("GriffR", true);
    for (int n = 0; n < 5; ++n)
        for (bool links : {true, false}) {
            auto *griff = new QWidget(this);
            griff->setObjectName(QStringLiteral("Griff%1%2").arg(links ? 'L' : 'R').arg(n + 1));
            const int breite = links ? 34 : 37;
            griff->setGeometry(links ? 7 : 618, links ? kGriffObenL[n] : kGriffObenR[n], breite, 43);
            auto *bild = new QLabel(griff);
            bild->setPixmap(links ? griffL : griffR);
            bild->setGeometry(0, 0, breite, 43);
            auto *text = new Griffbeschriftung(griff);
            text->setObjectName(QStringLiteral("LabelGriff%1%2").arg(links ? 'L' : 'R').arg(n + 1));
            text->setWordWrap(true);
            text->setAlignment(Qt::AlignCenter);
            text->setGeometry(links ? 3 : 4, 2, breite - 7, 39);
            Textfarbe(text, QColor(60, 40, 24));
            text->setCursor(Qt::PointingHandCursor);
            text->setMouseTracking(true);
            text->installEventFilter(this);
            griff->hide();
            (links ? GriffL : GriffR)[size_t(n)] = griff;
            (links ? LabelGriffL : LabelGriffR)[size_t(n)] = text;
        }

    static constexpr int kBandOben[] = {227, 270, 313, 356};
    const QPixmap bandL = Kunstbild("LesezeichenL", true);
    const QPixmap bandR = Kunstbild("LesezeichenR", true);
    for (int n = 0; n < 4; ++n)
        for (bool links : {true, false}) {
            auto *band = new QLabel(this);
            band->setObjectName(QStringLiteral("Lesezeichen%1%2").arg(links ? 'L' : 'R').arg(n + 1));
            band->setPixmap(links ? bandL : bandR);
            band->setGeometry(links ? 6 : 618, kBandOben[n], links ? 33 : 38, links ? 43 : 45);
            band->setCursor(Qt::PointingHandCursor);
            band->setMouseTracking(true);
            band->installEventFilter(this);
            band->hide();
            (links ? LesezeichenL : LesezeichenR)[size_t(n)] = band;
        }

    for (bool links : {true, false}) {
        auto *pfeil = new QLabel(this);
        pfeil->setObjectName(links ? "PanelLinksPfeil" : "PanelRechtsPfeil");
        pfeil->setPixmap(Pfeilbild(links));
        pfeil->setAccessibleName(links ? tr("vorige Seite") : tr("nächste Seite"));
        pfeil->resize(16, 17);
        pfeil->setCursor(Qt::PointingHandCursor);
        pfeil->installEventFilter(this);
        pfeil->hide();
        (links ? PanelLinksPfeil : PanelRechtsPfeil) = pfeil;
    }
    for (bool links : {true, false}) {
        auto *marke = new QLabel(this);
        marke->setObjectName(links ? "ImageLeftArrow" : "ImageRightArrow");
        marke->setPixmap(Pfeilbild(false));
        marke->setAccessibleName(tr("Zeile mit dem Suchbegriff"));
        marke->setGeometry(links ? 40 : 344, 0, 16, 17);
        marke->hide();
        (links ? ImageLeftArrow : ImageRightArrow) = marke;
    }
    ImageBuch->setMouseTracking(true);
    ImageBuch->installEventFilter(this);

    ImageCBT = new QLabel(this);
    ImageCBT->setObjectName("ImageCBT");
    ImageCBT->setAccessibleName(tr("Bücherwurm"));
    ImageCBT->hide();
    ImageCBT->setMouseTracking(true);
    ImageCBT->installEventFilter(this);

    PanelNoCBT = new QWidget(this);
    PanelNoCBT->setObjectName("PanelNoCBT");
    PanelNoCBT->setGeometry(-191, 404, 190, 14);
    ImageYesCBT = new QLabel(PanelNoCBT);
    ImageYesCBT->setPixmap(Kunstbild("HakenJa"));
    ImageNoCBT = new QLabel(PanelNoCBT);
    ImageNoCBT->setPixmap(Kunstbild("HakenNein"));
    for (QLabel *l : {ImageYesCBT, ImageNoCBT})
        l->setGeometry(0, 3, 9, 9);
    LabelNoCBT = new QLabel(PanelNoCBT);
    LabelNoCBT->setObjectName("LabelNoCBT");
    ImageYesCBT->setObjectName("ImageYesCBT");
    ImageNoCBT->setObjectName("ImageNoCBT");
    LabelNoCBT->setGeometry(14, 0, 176, 14);
    Textfarbe(LabelNoCBT, QColor(40, 34, 28));
    for (QLabel *l : {LabelNoCBT, ImageNoCBT, ImageYesCBT}) {
        l->installEventFilter(this);
        l->setCursor(Qt::PointingHandCursor);
    }
    tastenEinrichten();
}

void BuchPanel::ganzZeigen(int links) {
    setGeometry(links, y(), kBreite, kHoehe);
    ImageBuch->move(0, 0);
    MemoTextLinks->move(56, MemoTextLinks->y());
    MemoTextRechts->move(360, MemoTextRechts->y());
    // The tour tick box waits beside the book until it opens whole.
    PanelNoCBT->move(112, PanelNoCBT->y());
}

void BuchPanel::rechteHaelfteZeigen(int links) {
    setGeometry(links, y(), 360, kHoehe);
    ImageBuch->move(-303, 0);
    MemoTextLinks->move(-247, MemoTextLinks->y());
    MemoTextRechts->move(57, MemoTextRechts->y());
}

void BuchPanel::albumBlattVormerken(const QString &storedPath) {
    albumBlatt_ = storedPath;
    ImageAlbum->clear();
    if (PanelAlbum->isVisible()) albumBlattLaden();
}

void BuchPanel::albumBlattLaden() {
    if (albumBlatt_.isEmpty()) return;
    if (auto bild = BitmapLaden(dateien_, albumBlatt_)) ImageAlbum->setPixmap(QPixmap::fromImage(*bild));
    albumBlatt_.clear();
}

bool BuchPanel::eventFilter(QObject *obj, QEvent *event) {
    if (obj == PanelAlbum && event->type() == QEvent::Show) albumBlattLaden();
    const QEvent::Type typ = event->type();
    if (typ == QEvent::MouseMove || typ == QEvent::MouseButtonPress) {
        const auto *maus = static_cast<QMouseEvent *>(event);
        const bool druck = typ == QEvent::MouseButtonPress;
        if (obj == ImageBuch && !druck) {
            Q_EMIT buchMausBewegt(maus->position().toPoint());
            return false;
        }
        if ((obj == PanelLinksPfeil || obj == PanelRechtsPfeil) && druck) {
            Q_EMIT pfeilGeklickt(obj == PanelRechtsPfeil);
            return true;
        }
        for (int n = 0; n < 5; ++n)
            if (obj == LabelGriffL[size_t(n)] || obj == LabelGriffR[size_t(n)]) {
                if (druck)
                    Q_EMIT griffGeklickt(n + 1);
                else
                    Q_EMIT griffMausBewegt(n + 1);
                return druck;
            }
        for (int n = 0; n < 4; ++n) {
            if (obj == LesezeichenL[size_t(n)] || obj == LesezeichenR[size_t(n)]) {
                if (druck)
                    Q_EMIT lesezeichenGedrueckt(n + 1, maus->button());
                else
                    Q_EMIT lesezeichenMausBewegt(n + 1);
                return druck;
            }
            if (obj == ImageTextBild[size_t(n)]) {
                if (druck)
                    Q_EMIT textbildGeklickt(n + 1);
                else
                    Q_EMIT seiteMausBewegt();
                return druck;
            }
        }
        if (!druck && (obj == MemoTextLinks || obj == MemoTextRechts || obj == TitelLinks || obj == TitelRechts)) {
            Q_EMIT seiteMausBewegt();
            return false;
        }
        if (!druck && Inhalt1 && (obj == Inhalt1->viewport() || obj == Inhalt2->viewport())) {
            Q_EMIT inhaltMausBewegt();
            return false;
        }
    }
    if (event->type() == QEvent::MouseButtonPress && (obj == LabelNoCBT || obj == ImageNoCBT || obj == ImageYesCBT)) {
        Q_EMIT tickBoxGeklickt();
        return true;
    }
    if (event->type() == QEvent::MouseMove && obj == ImageCBT) {
        Q_EMIT tourBildMausBewegt(static_cast<QMouseEvent *>(event)->position().toPoint());
        return false;
    }
    return QWidget::eventFilter(obj, event);
}

// The contents lists are made when the first contents page is shown: list views are
// the costliest controls of the book, and the first screen shows none.
void BuchPanel::inhaltslistenMachen() {
    if (Inhalt1) return;
    for (QListWidget **liste : {&Inhalt1, &Inhalt2}) {
        auto *l = new QListWidget(this);
        if (inhaltSchrift_) l->setFont(*inhaltSchrift_);
        l->setObjectName(liste == &Inhalt1 ? "Inhalt1" : "Inhalt2");
        l->setFrameShape(QFrame::NoFrame);
        l->setUniformItemSizes(true);
        l->setTextElideMode(Qt::ElideNone);
        l->setContentsMargins(0, 0, 0, 0);
        l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        l->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        l->setFocusPolicy(Qt::TabFocus);
        l->setMouseTracking(true);
        // Rows of 13 pixels on the page's paper, the entry under the mouse in red.
        l->setItemDelegate(new Zeilenhoehe(l));
        l->viewport()->setAutoFillBackground(false);
        QPalette farben = l->palette();
        farben.setColor(QPalette::Base, Qt::transparent);
        farben.setColor(QPalette::Text, QColor(30, 26, 20));
        farben.setColor(QPalette::Highlight, QColor(150, 30, 20, 40));
        farben.setColor(QPalette::HighlightedText, QColor(30, 26, 20));
        l->setPalette(farben);
        l->viewport()->installEventFilter(this);
        l->installEventFilter(this);
        connect(l, &QListWidget::itemClicked, this,
                [this, l](QListWidgetItem *item) { Q_EMIT inhaltGeklickt(l, l->row(item)); });
        connect(l, &QListWidget::itemActivated, this,
                [this, l](QListWidgetItem *item) { Q_EMIT inhaltGeklickt(l, l->row(item)); });
        l->hide();
        *liste = l;
    }
    Inhalt1->setGeometry(358, 72, 241, 329);
    Inhalt2->setGeometry(56, 32, 241, 378);
}

void BuchPanel::SchriftenSetzen(int schriftgrad, int ppi, bool skaliert) {
    if (skaliert) {
        const QFont arial = platform::screenFont("Arial", schriftgrad, ppi);
        inhaltSchrift_ = arial;
        for (QWidget *w : {static_cast<QWidget *>(MemoTextLinks), static_cast<QWidget *>(MemoTextRechts),
                           static_cast<QWidget *>(Inhalt1), static_cast<QWidget *>(Inhalt2)})
            if (w) w->setFont(arial);
        for (QLabel *t : {TitelLinks, TitelRechts})
            t->setFont(platform::screenFont("Arial", schriftgrad, ppi, true));
        for (size_t i = 0; i < 5; ++i) {
            LabelGriffL[i]->setFont(arial);
            LabelGriffR[i]->setFont(arial);
        }
    } else {
        const QFont design = platform::screenFont("MS Sans Serif", 8, ppi);
        inhaltSchrift_ = design;
        for (QWidget *w : {static_cast<QWidget *>(MemoTextLinks), static_cast<QWidget *>(MemoTextRechts),
                           static_cast<QWidget *>(Inhalt1), static_cast<QWidget *>(Inhalt2)})
            if (w) w->setFont(design);
        for (QLabel *t : {TitelLinks, TitelRechts})
            t->setFont(platform::screenFont("MS Sans Serif", 8, ppi, true));
        for (size_t i = 0; i < 5; ++i) {
            LabelGriffL[i]->setFont(platform::screenFont("Small Fonts", 7, ppi));
            LabelGriffR[i]->setFont(platform::screenFont("Small Fonts", 7, ppi));
        }
    }
    PanelInhalt->setFont(platform::screenFont("Arial", 10, ppi, true));
    // Captions of pictures in the text are 7 pixels high on every screen.
    QFont unterschrift = platform::screenFont("Small Fonts", 7, ppi);
    unterschrift.setPixelSize(7);
    for (QLabel *u : Unterschrift)
        u->setFont(unterschrift);
    LabelNoCBT->setFont(platform::screenFont("Arial", schriftgrad, ppi));
    for (QLabel *l : {LabelSeitenzahlLinks, LabelSeitenzahlRechts})
        l->setFont(platform::screenFont("MS Sans Serif", 8, ppi));
}

void BuchPanel::TitelseiteSetzen(const QString &titel, int titelOben, const QFont &titelSchrift,
                                 const QString &untertitel, int untertitelOben, const QFont &untertitelSchrift) {
    LabelProjekttitel3->setText(titel);
    LabelProjekttitel3->move(LabelProjekttitel3->x(), titelOben);
    LabelProjektUnterTitel->setText(untertitel);
    LabelProjektUnterTitel->move(LabelProjektUnterTitel->x(), untertitelOben);
    LabelProjekttitel3->setFont(titelSchrift);
    LabelProjektUnterTitel->setFont(untertitelSchrift);
}

} // namespace book
