#include "app/views/druckausgabe.h"

#include <QDateTime>
#include <QDir>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace app {
namespace {

bool drucken(QPrinter &drucker, const Druckvorlage &seite) {
    const QSize g = seite.groesse;
    drucker.setPageOrientation(g.width() > g.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter maler;
    if (!maler.begin(&drucker)) return false;
    // The painter's viewport is the printable area of the page.
    AufSeiteMalen(maler, maler.viewport(), seite);
    return maler.end();
}

} // namespace

QImage Druckvorlage::bild(qreal faktor) const {
    QImage ergebnis((QSizeF(groesse) * faktor).toSize(), QImage::Format_RGB32);
    ergebnis.fill(Qt::white);
    QPainter maler(&ergebnis);
    maler.scale(faktor, faktor);
    if (malen) malen(maler);
    return ergebnis;
}

Druckvorlage Druckvorlage::ausBild(const QImage &bild) {
    return {bild.size(), [bild](QPainter &p) { p.drawImage(0, 0, bild); }};
}

void AufSeiteMalen(QPainter &maler, const QRect &flaeche, const Druckvorlage &seite) {
    if (seite.groesse.isEmpty() || !seite.malen) return;
    QSize groesse = seite.groesse;
    groesse.scale(flaeche.size(), Qt::KeepAspectRatio);
    maler.save();
    // A world transform, not a window: widgets drawing themselves into the painter
    // follow only that.
    maler.translate(flaeche.x() + (flaeche.width() - groesse.width()) / 2.0,
                    flaeche.y() + (flaeche.height() - groesse.height()) / 2.0);
    maler.scale(double(groesse.width()) / seite.groesse.width(), double(groesse.height()) / seite.groesse.height());
    // Pictures keep every pixel: no lossy compression of them in a PDF.
    maler.setRenderHints(QPainter::LosslessImageRendering | QPainter::SmoothPixmapTransform |
                         QPainter::TextAntialiasing);
    seite.malen(maler);
    maler.restore();
}

bool AlsPdfDrucken(const Druckvorlage &seite, const QString &datei) {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setOutputFileName(datei);
    return drucken(drucker, seite);
}

QString Ausdrucken(const Druckvorlage &seite, const QString &pdfOrdner) {
    const QPrinterInfo standard = QPrinterInfo::defaultPrinter();
    if (!standard.isNull()) {
        QPrinter drucker(standard, QPrinter::HighResolution);
        if (drucken(drucker, seite)) return {};
    }
    QDir().mkpath(pdfOrdner);
    const QString datei = QDir(pdfOrdner).filePath(
        QStringLiteral("Pagora-Ausdruck-%1.pdf").arg(QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss-zzz")));
    return AlsPdfDrucken(seite, datei) ? datei : QString();
}

} // namespace app
