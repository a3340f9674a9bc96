#include "album/core/fotouebernahme.h"

#include "album/core/restordner.h"
#include "platform/inputfile.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QPainter>
#include <QSet>
#include <QtEndian>
#include <cstring>

namespace album {
namespace {

QString tr(const char *text) {
    return QCoreApplication::translate("album::Foto", text);
}

void le16(char *p, quint16 v) {
    qToLittleEndian(v, p);
}
void le32(char *p, quint32 v) {
    qToLittleEndian(v, p);
}

} // namespace

bool IstFoto(const QString &datei) {
    for (const char *endung : {".jpg", ".jpeg", ".png"})
        if (datei.endsWith(QLatin1String(endung), Qt::CaseInsensitive) && datei.size() > int(std::strlen(endung)))
            return true;
    return false;
}

QString FotoName(const QString &datei) {
    return datei.left(datei.indexOf('.'));
}

QStringList FotosOhneBitmap(const platform::Files &dateien, const QString &projektVerzeichnis) {
    const QString album = projektVerzeichnis + "Album\\";
    QSet<QString> bitmaps;
    for (const QString &b : dateien.list(album, "*.bmp"))
        bitmaps.insert(b.left(b.size() - 4).toLower());
    QStringList fotos;
    for (const QString &d : dateien.list(album, "*")) {
        // Hidden files are no pictures of the album.
        if (!d.startsWith('.') && IstFoto(d) && !bitmaps.contains(FotoName(d).toLower())) fotos << d;
    }
    std::sort(fotos.begin(), fotos.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return fotos;
}

QByteArray Bitmap24(const QImage &bild) {
    const QImage rgb = bild.format() == QImage::Format_RGB32 ? bild : bild.convertToFormat(QImage::Format_RGB32);
    const int w = rgb.width(), h = rgb.height();
    const qsizetype zeile = (qsizetype(w) * 3 + 3) & ~qsizetype(3);
    const qsizetype pixel = zeile * h;
    QByteArray b(54 + pixel, '\0');
    char *p = b.data();
    p[0] = 'B';
    p[1] = 'M';
    le32(p + 2, quint32(b.size()));
    le32(p + 10, 54);
    le32(p + 14, 40);
    le32(p + 18, quint32(w));
    le32(p + 22, quint32(h)); // rows bottom-up
    le16(p + 26, 1);
    le16(p + 28, 24);
    le32(p + 34, quint32(pixel));
    le32(p + 38, 3780); // 96 dpi, as every picture of the program
    le32(p + 42, 3780);
    for (int y = 0; y < h; ++y) {
        const auto *quelle = reinterpret_cast<const QRgb *>(rgb.constScanLine(h - 1 - y));
        auto *ziel = reinterpret_cast<uchar *>(p + 54 + zeile * y);
        for (int x = 0; x < w; ++x) {
            const QRgb c = quelle[x];
            ziel[0] = uchar(qBlue(c));
            ziel[1] = uchar(qGreen(c));
            ziel[2] = uchar(qRed(c));
            ziel += 3;
        }
    }
    return b;
}

Fotoergebnis FotoUebernehmen(const platform::Files &dateien, const QString &projektVerzeichnis, const QString &datei,
                             bool inRest, bool syncen) {
    Fotoergebnis r;
    const QString album = projektVerzeichnis + "Album\\";
    const QString nativ = dateien.native(album + datei);
    const platform::InputCheck pruefung = platform::checkInput(nativ);
    if (datei.contains('\\') || datei.contains('/') || !IstFoto(datei) || pruefung == platform::InputCheck::Missing) {
        r.meldung = tr("Das Foto %1 gibt es im Album-Ordner nicht.").arg(datei);
        return r;
    }
    if (pruefung == platform::InputCheck::TooLarge) {
        r.meldung = tr("Das Foto %1 ist größer als 1 GiB und wird nicht übernommen.").arg(datei);
        return r;
    }
    if (pruefung != platform::InputCheck::Ok) {
        r.meldung = tr("%1 ist keine gewöhnliche Datei und wird nicht übernommen.").arg(datei);
        return r;
    }
    QImageReader leser(nativ);
    leser.setAutoTransform(true); // upright, as the camera's orientation says
    QImage bild;
    if (!leser.read(&bild) || bild.isNull()) {
        r.meldung = tr("Das Foto %1 kann nicht gelesen werden: %2").arg(datei, leser.errorString());
        return r;
    }
    if (bild.hasAlphaChannel()) {
        // A bitmap has no transparency: transparent parts become white.
        QImage weiss(bild.size(), QImage::Format_RGB32);
        weiss.fill(Qt::white);
        QPainter maler(&weiss);
        maler.drawImage(0, 0, bild);
        maler.end();
        bild = weiss;
    }
    // A bitmap already there is never replaced.
    const QString stamm = FotoName(datei);
    for (int n = 1; n < 1000 && r.name.isEmpty(); ++n) {
        const QString name = n == 1 ? stamm : QStringLiteral("%1 (%2)").arg(stamm).arg(n);
        if (!dateien.exists(album + name + ".bmp")) r.name = name;
    }
    r.bitmap = r.name + ".bmp";
    const QByteArray bytes = Bitmap24(bild);
    bild = QImage();
    if (r.name.isEmpty() ||
        !(syncen ? dateien.write(album + r.bitmap, bytes) : dateien.writeUnsynced(album + r.bitmap, bytes))) {
        r.status = Fotoergebnis::Status::NichtGeschrieben;
        r.meldung = tr("Die Datei %1 kann nicht geschrieben werden.").arg(dateien.native(album + r.bitmap));
        return r;
    }
    r.status = Fotoergebnis::Status::Fertig;
    if (inRest && InRestVerschieben(dateien, projektVerzeichnis, datei).status != Restergebnis::Status::Verschoben) {
        r.status = Fotoergebnis::Status::NichtVerschoben;
        r.meldung = tr("Das Foto %1 ist als %2 übernommen, kann aber nicht in den Ordner Rest verschoben werden.")
                        .arg(datei, r.bitmap);
    }
    return r;
}

} // namespace album
