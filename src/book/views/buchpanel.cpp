#include "book/views/buchpanel.h"

#include "book/views/bildlader.h"

#include <QMouseEvent>

namespace book {
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
    ImageAlbum->setGeometry(0, 0, 524, 384);
    for (int k = 0; k < 16; ++k) {
        auto *l = new QLabel(PanelAlbum);
        l->setObjectName(QStringLiteral("Label%1").arg(k + 1));
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->setWordWrap(true);
        static constexpr int kSpalten[] = {0, 120, 296, 416};
        static constexpr int kZeilen[] = {5, 101, 197, 293};
        l->setGeometry(kSpalten[(k / 8) * 2 + k % 2], kZeilen[(k % 8) / 2], 102, 22);
        AlbumLabels[size_t(k)] = l;
    }
    PanelAlbum->hide();
    PanelAlbum->installEventFilter(this);

    MemoTextLinks = new SeitenMemo(this);
    MemoTextLinks->setObjectName("MemoTextLinks");
    MemoTextLinks->setGeometry(56, 32, 241, 378);
    MemoTextRechts = new SeitenMemo(this);
    MemoTextRechts->setObjectName("MemoTextRechts");
    MemoTextRechts->setGeometry(360, 32, 241, 378);

    for (QLabel **l : {&LabelSeitenzahlLinks, &LabelSeitenzahlRechts}) {
        *l = new QLabel(this);
        (*l)->setAlignment(Qt::AlignHCenter);
        (*l)->hide();
    }
    LabelSeitenzahlLinks->setGeometry(136 - 30, 16, 60, 14);
    LabelSeitenzahlRechts->setGeometry(456 - 30, 16, 60, 14);

    LabelProjekttitel3 = new QLabel(this);
    LabelProjekttitel3->setObjectName("LabelProjekttitel3");
    LabelProjektUnterTitel = new QLabel(this);
    LabelProjektUnterTitel->setObjectName("LabelProjektUnterTitel");
    for (QLabel *l : {LabelProjekttitel3, LabelProjektUnterTitel}) {
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->setWordWrap(true);
        l->setStyleSheet("color: rgb(92, 24, 20); background: transparent;");
    }
    LabelProjekttitel3->setGeometry(372, 98, 232, 110);
    LabelProjektUnterTitel->setGeometry(372, 224, 232, 80);

    ImageCBT = new QLabel(this);
    ImageCBT->setObjectName("ImageCBT");
    ImageCBT->hide();
    ImageCBT->setMouseTracking(true);
    ImageCBT->installEventFilter(this);

    PanelNoCBT = new QWidget(this);
    PanelNoCBT->setObjectName("PanelNoCBT");
    PanelNoCBT->setGeometry(-191, 404, 190, 14);
    ImageYesCBT = new QLabel(PanelNoCBT);
    ImageYesCBT->setPixmap(QPixmap(":/art/HakenJa.bmp", "BMP"));
    ImageNoCBT = new QLabel(PanelNoCBT);
    ImageNoCBT->setPixmap(QPixmap(":/art/HakenNein.bmp", "BMP"));
    for (QLabel *l : {ImageYesCBT, ImageNoCBT}) l->setGeometry(0, 3, 9, 9);
    LabelNoCBT = new QLabel(PanelNoCBT);
    LabelNoCBT->setGeometry(14, 0, 176, 14);
    LabelNoCBT->setStyleSheet("color: rgb(40, 34, 28); background: transparent;");
    for (QLabel *l : {LabelNoCBT, ImageNoCBT, ImageYesCBT}) {
        l->installEventFilter(this);
        l->setCursor(Qt::PointingHandCursor);
    }
}

void BuchPanel::Buchzeigen(const QString &hilfeVerzeichnis) {
    if (auto bild = BitmapLaden(dateien_, hilfeVerzeichnis + "Book.bmp")) ImageBuch->setPixmap(QPixmap::fromImage(*bild));
    BuchbildGeladen = true;
}

bool BuchPanel::CoverZeigen(const QString &hilfeVerzeichnis) {
    auto bild = BitmapLaden(dateien_, hilfeVerzeichnis + "CBT0.bmp");
    if (!bild) return false;
    ImageBuch->setPixmap(QPixmap::fromImage(*bild));
    return true;
}

bool BuchPanel::CBT(const QString &hilfeVerzeichnis, int x, int y, const QString &name) {
    auto bild = BitmapLaden(dateien_, hilfeVerzeichnis + name + ".bmp");
    if (!bild) return false;
    ImageCBT->move(x, y);
    ImageCBT->setPixmap(MitTransparenz(*bild));
    ImageCBT->resize(bild->size());
    return true;
}

void BuchPanel::ganzZeigen(int links) {
    setGeometry(links, y(), kBreite, kHoehe);
    ImageBuch->move(0, 0);
    MemoTextLinks->move(56, MemoTextLinks->y());
    MemoTextRechts->move(360, MemoTextRechts->y());
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

} // namespace book
