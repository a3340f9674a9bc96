#include "book/views/bildlader.h"

#include "platform/bitmapfile.h"
#include "platform/screen.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace book {

std::optional<QImage> BitmapLaden(const platform::Files &dateien, const QString &storedPath) {
    return platform::readBitmap(dateien.native(storedPath));
}

void Textfarbe(QWidget *widget, const QColor &farbe) {
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, farbe);
    p.setColor(QPalette::Text, farbe);
    widget->setPalette(p);
}

void Grundfarbe(QWidget *widget, const QColor &farbe) {
    QPalette p;
    p.setColor(QPalette::Window, farbe);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

QPixmap MitTransparenz(const QImage &bild) {
    if (bild.isNull()) return {};
    QImage argb = bild.convertToFormat(QImage::Format_ARGB32);
    const QRgb schluessel = argb.pixel(0, argb.height() - 1);
    for (int y = 0; y < argb.height(); ++y) {
        QRgb *zeile = reinterpret_cast<QRgb *>(argb.scanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (zeile[x] == schluessel) zeile[x] = 0;
    }
    return QPixmap::fromImage(argb);
}

namespace {

std::optional<QPixmap> Zeichnen(const QString &name, QSize groesse, bool geschluesselt, double faktor) {
    QFile datei(QStringLiteral(":/svg/") + name + QStringLiteral(".svg"));
    if (!datei.open(QIODevice::ReadOnly)) return std::nullopt;
    QString quelle = QString::fromUtf8(datei.readAll());
    // The key colour the bitmaps are cut with becomes real transparency.
    if (geschluesselt) quelle.replace(QLatin1String("#ff00ff"), QLatin1String("none"), Qt::CaseInsensitive);
    QSvgRenderer svg(quelle.toUtf8());
    if (!svg.isValid() || svg.defaultSize() != groesse) return std::nullopt;
    QImage bild((QSizeF(groesse) * faktor).toSize(),
                geschluesselt ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    bild.fill(geschluesselt ? Qt::transparent : Qt::black);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.render(&maler, QRectF(QPointF(), bild.size()));
    maler.end();
    bild.setDevicePixelRatio(faktor);
    return QPixmap::fromImage(std::move(bild));
}

// The vector source of artwork `name` drawn at the screen's resolution, when the
// screen is scaled and the source was made for pictures of `groesse`.
std::optional<QPixmap> Vektorbild(const QString &name, QSize groesse, bool geschluesselt) {
    const double faktor = platform::drawingFactor();
    if (qFuzzyCompare(faktor, 1.0)) return std::nullopt;
    // Drawn once per picture: the book is laid on for every spread.
    static QHash<QString, std::optional<QPixmap>> fertig;
    const QString schluessel = QStringLiteral("%1/%2x%3/%4/%5")
                                   .arg(name)
                                   .arg(groesse.width())
                                   .arg(groesse.height())
                                   .arg(geschluesselt)
                                   .arg(faktor);
    if (const auto it = fertig.constFind(schluessel); it != fertig.cend()) return *it;
    return fertig[schluessel] = Zeichnen(name, groesse, geschluesselt, faktor);
}

} // namespace

QPixmap Bildschirmbild(const QImage &bild, const QString &name, bool geschluesselt) {
    if (auto scharf = Vektorbild(name, bild.size(), geschluesselt)) return *scharf;
    return geschluesselt ? MitTransparenz(bild) : QPixmap::fromImage(bild);
}

QPixmap Kunstbild(const QString &name, bool geschluesselt) {
    // Read by the program's own bitmap reader: Qt's would first load every image plugin
    // to ask whether it knows the file, a cost paid at start.
    const auto bild = platform::readBitmap(QStringLiteral(":/art/") + name + QStringLiteral(".bmp"));
    return Bildschirmbild(bild ? *bild : QImage(), name, geschluesselt);
}

QPixmap Pfeilbild(bool links) {
    return Kunstbild(links ? QStringLiteral("PfeilLinks") : QStringLiteral("PfeilRechts"), true);
}

} // namespace book
