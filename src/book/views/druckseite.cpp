#include "book/views/druckseite.h"

#include "book/views/buchpanel.h"

#include <QPainter>
#include <QPicture>

namespace book {

void AufzeichnungMalen(QPainter &maler, const QPicture &befehle) {
    // A recording is played at the ratio of the two resolutions; the painter's own
    // scale already maps the layout's pixels onto the page.
    const QPaintDevice *ziel = maler.device();
    maler.save();
    maler.scale(double(befehle.logicalDpiX()) / ziel->logicalDpiX(),
                double(befehle.logicalDpiY()) / ziel->logicalDpiY());
    maler.drawPicture(0, 0, befehle);
    maler.restore();
}

Druckseite::Druckseite(BuchPanel &buch, bool albumSeite) : buch_(buch) {
    buch.ImageBuch->hide();
    buch.setAutoFillBackground(true);
    buch.setPalette(QPalette(Qt::white));
    buch.Registerweg();
    if (albumSeite) {
        albumAlt_ = buch.ImageAlbum->pixmap();
        QPixmap weiss = albumAlt_;
        QPainter maler(&weiss);
        maler.fillRect(QRect(236, 0, 58, 384), Qt::white);
        maler.end();
        buch.ImageAlbum->setPixmap(weiss);
    }
}

Druckseite::~Druckseite() {
    buch_.setAutoFillBackground(false);
    buch_.ImageBuch->show();
    if (!albumAlt_.isNull()) buch_.ImageAlbum->setPixmap(albumAlt_);
}

void Druckseite::malen(QPainter &maler) const {
    maler.fillRect(QRect(0, 0, kBreite, kHoehe), Qt::white);
    if (maler.device() && maler.device()->devType() == QInternal::Printer) {
        // Widgets render themselves onto a printer as one picture of the page; recorded
        // as drawing commands first, the text stays text and pictures keep their pixels.
        QPicture befehle;
        QPainter aufnahme(&befehle);
        buch_.render(&aufnahme, QPoint(0, 0), QRegion(0, 0, kBreite, kHoehe), QWidget::DrawChildren);
        aufnahme.end();
        AufzeichnungMalen(maler, befehle);
        return;
    }
    buch_.render(&maler, QPoint(0, 0), QRegion(0, 0, kBreite, kHoehe), QWidget::DrawChildren);
}

QImage Druckseite::bild() const {
    QImage seite(kBreite, kHoehe, QImage::Format_RGB32);
    seite.fill(Qt::white);
    QPainter maler(&seite);
    malen(maler);
    return seite;
}

} // namespace book
