#include "album/views/albumblatt.h"

#include "album/core/albumraster.h"
#include "album/core/bilderlistenmodell.h"
#include "album/core/marken.h"
#include "album/views/bildansicht.h"
#include "platform/fonts.h"

#include <QLabel>
#include <QMouseEvent>

namespace album {

Albumblatt::Albumblatt(QWidget *panelAlbum, QLabel *imageAlbum, const Bilderlistenmodell &liste, Bildansicht &ansicht,
                       const int &aufschlag, const platform::Screen &screen)
    : QObject(panelAlbum), imageAlbum_(imageAlbum), liste_(liste), ansicht_(ansicht), aufschlag_(aufschlag),
      screen_(screen) {
    for (int k = 0; k < 16; ++k) {
        auto *l = new QLabel(panelAlbum);
        l->setObjectName(QStringLiteral("Label%1").arg(k + 1));
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->setWordWrap(true);
        // The sheet under the caption takes the mouse: hints and clicks by cell.
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        l->setGeometry(AlbumSpalte(k), AlbumZeile(k), kAlbumBeschriftungBreite, 22);
        AlbumLabels[size_t(k)] = l;
    }
    imageAlbum_->setAccessibleName(tr("Albumseite"));
    imageAlbum_->setAccessibleDescription(tr("Ein Klick auf ein Bild zeigt es bildschirmfüllend."));
    imageAlbum_->setMouseTracking(true);
    imageAlbum_->installEventFilter(this);
    tastenEinrichten();
    connect(&liste_, &Bilderlistenmodell::geaendert, this, &Albumblatt::AufschlagZeigen);
}

void Albumblatt::LabelZeigen(int k) {
    QLabel *l = AlbumLabels[size_t(k % 16)];
    if (k > 2147483615) { // a request to empty the label
        l->clear();
        zelleBedienbar(k % 16, QString());
        return;
    }
    const QString zeile = liste_.liste().zeile(k);
    const int ppi = screen_.info().ppi;
    const qsizetype doppelpunkt = zeile.indexOf(':');
    QString text;
    int hoehe = 22, versatz = 70;
    zelleBedienbar(k % 16, zeile);
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
    l->setText(text);
    l->setGeometry(l->x(), AlbumZeile(k) + versatz, kAlbumBeschriftungBreite, hoehe);
}

void Albumblatt::AufschlagZeigen() {
    if (aufschlag_ > 0)
        for (int k = (aufschlag_ - 1) * 16; k < aufschlag_ * 16; ++k)
            LabelZeigen(k);
}

void Albumblatt::leeren() {
    for (QLabel *l : AlbumLabels)
        l->clear();
    for (int k = 0; k < 16; ++k)
        zelleBedienbar(k, QString());
}

int Albumblatt::zelle(int x, int y, bool schwebend) const {
    // A caption belongs to the cell above it, though it reaches into the gap below.
    const QPoint p = imageAlbum_->pos() + QPoint(x, y);
    for (size_t k = 0; k < AlbumLabels.size(); ++k)
        if (!AlbumLabels[k]->text().isEmpty() && AlbumLabels[k]->geometry().contains(p)) return int(k) + 1;
    return AlbumZelle(x, y, schwebend);
}

void Albumblatt::ImageAlbumMouseDown(int x, int y) {
    const int c = zelle(x, y, false);
    if (c == 0) return;
    ansicht_.BildZeigen(c + 16 * aufschlag_ - 17);
}

void Albumblatt::ImageAlbumMouseMove(int x, int y) {
    Q_EMIT mausBewegt();
    const int c = zelle(x, y, true);
    ansicht_.BildHinweis(c == 0 ? -1 : c + 16 * aufschlag_ - 17);
}

bool Albumblatt::eventFilter(QObject *obj, QEvent *event) {
    const QEvent::Type typ = event->type();
    if (obj == imageAlbum_ && (typ == QEvent::MouseMove || typ == QEvent::MouseButtonPress)) {
        const QPoint p = static_cast<QMouseEvent *>(event)->position().toPoint();
        if (typ == QEvent::MouseMove)
            ImageAlbumMouseMove(p.x(), p.y());
        else
            ImageAlbumMouseDown(p.x(), p.y());
        return typ == QEvent::MouseButtonPress;
    }
    return QObject::eventFilter(obj, event);
}

} // namespace album
