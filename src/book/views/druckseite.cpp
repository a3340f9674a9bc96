#include "book/views/druckseite.h"

#include "book/views/buchpanel.h"

#include <QPainter>

namespace book {

QImage Druckseite(BuchPanel &buch, bool albumSeite) {
    const QPoint alt = buch.pos();
    buch.ImageBuch->hide();
    buch.setAutoFillBackground(true);
    buch.setPalette(QPalette(Qt::white));
    buch.Registerweg();
    QPixmap albumAlt;
    if (albumSeite) {
        albumAlt = buch.ImageAlbum->pixmap();
        QPixmap weiss = albumAlt;
        QPainter maler(&weiss);
        maler.fillRect(QRect(236, 0, 58, 384), Qt::white);
        maler.end();
        buch.ImageAlbum->setPixmap(weiss);
    }
    QImage seite(640, 480, QImage::Format_RGB32);
    seite.fill(Qt::white);
    buch.render(&seite, QPoint(0, 0), QRegion(0, 0, 640, 480));
    buch.move(alt);
    buch.setAutoFillBackground(false);
    buch.ImageBuch->show();
    if (!albumAlt.isNull()) buch.ImageAlbum->setPixmap(albumAlt);
    return seite;
}

} // namespace book
