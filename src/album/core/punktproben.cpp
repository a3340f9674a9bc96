#include "album/core/punktproben.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>

namespace album {
namespace {

struct Kopf {
    qint64 datenBeginn = 0;
    int breite = 0;
    int hoehe = 0;  // negative: rows stored top-down
    int bits = 0;
    quint32 kompression = 0;
};

std::optional<Kopf> kopfLesen(QFile &f) {
    const QByteArray b = f.read(54);
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
    const auto *p = reinterpret_cast<const uchar *>(b.constData());
    Kopf k;
    k.datenBeginn = qFromLittleEndian<quint32>(p + 10);
    const quint32 kopfGroesse = qFromLittleEndian<quint32>(p + 14);
    if (kopfGroesse < 40) return std::nullopt;
    k.breite = qFromLittleEndian<qint32>(p + 18);
    k.hoehe = qFromLittleEndian<qint32>(p + 22);
    k.bits = qFromLittleEndian<quint16>(p + 28);
    k.kompression = qFromLittleEndian<quint32>(p + 30);
    if (k.breite <= 0 || k.hoehe == 0 || k.breite > 65535 || k.hoehe > 65535 || k.hoehe < -65535) return std::nullopt;
    return k;
}

} // namespace

std::optional<Bildmasse> BitmapMasse(const QString &nativePath) {
    QFile f(nativePath);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    if (const auto k = kopfLesen(f)) return Bildmasse{k->breite, qAbs(k->hoehe)};
    QImageReader leser(nativePath);
    const QSize s = leser.size();
    if (!s.isValid()) return std::nullopt;
    return Bildmasse{s.width(), s.height()};
}

std::optional<QImage> Punktproben(const QString &nativePath, int d) {
    if (d < 1) return std::nullopt;
    QFile f(nativePath);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    const auto k = kopfLesen(f);
    const bool direkt = k && k->kompression == 0 && (k->bits == 24 || k->bits == 32);
    if (direkt) {
        const int w = k->breite, h = qAbs(k->hoehe);
        const int bytesJePixel = k->bits / 8;
        const qint64 zeilenLaenge = ((qint64(w) * k->bits + 31) / 32) * 4;
        if (k->datenBeginn + zeilenLaenge * h > f.size()) return std::nullopt;
        const int sw = (w + d - 1) / d, sh = (h + d - 1) / d;
        QImage proben(sw, sh, QImage::Format_RGB32);
        QByteArray zeile(zeilenLaenge, Qt::Uninitialized);
        for (int j = 0; j < sh; ++j) {
            const int y = j * d;
            const int gespeichert = k->hoehe > 0 ? h - 1 - y : y;
            if (!f.seek(k->datenBeginn + gespeichert * zeilenLaenge) || f.read(zeile.data(), zeilenLaenge) != zeilenLaenge)
                return std::nullopt;
            auto *ziel = reinterpret_cast<QRgb *>(proben.scanLine(j));
            const auto *quelle = reinterpret_cast<const uchar *>(zeile.constData());
            for (int i = 0; i < sw; ++i) {
                const uchar *px = quelle + qint64(i) * d * bytesJePixel;
                ziel[i] = qRgb(px[2], px[1], px[0]);
            }
        }
        return proben;
    }
    f.close();
    QImage bild;
    if (!bild.load(nativePath)) return std::nullopt;
    bild = bild.convertToFormat(QImage::Format_RGB32);
    const int sw = (bild.width() + d - 1) / d, sh = (bild.height() + d - 1) / d;
    QImage proben(sw, sh, QImage::Format_RGB32);
    for (int j = 0; j < sh; ++j)
        for (int i = 0; i < sw; ++i) proben.setPixel(i, j, bild.pixel(i * d, j * d));
    return proben;
}

} // namespace album
