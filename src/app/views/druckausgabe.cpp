#include "app/views/druckausgabe.h"

#include <QDateTime>
#include <QDir>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace app {
namespace {

bool drucken(QPrinter &drucker, const QImage &seite) {
    drucker.setPageOrientation(seite.width() > seite.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter maler;
    if (!maler.begin(&drucker)) return false;
    const QRect flaeche = maler.viewport();
    QSize groesse = seite.size();
    groesse.scale(flaeche.size(), Qt::KeepAspectRatio);
    maler.setViewport(flaeche.x() + (flaeche.width() - groesse.width()) / 2, flaeche.y(), groesse.width(),
                      groesse.height());
    maler.setWindow(seite.rect());
    maler.drawImage(0, 0, seite);
    return maler.end();
}

} // namespace

bool AlsPdfDrucken(const QImage &seite, const QString &datei) {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setOutputFileName(datei);
    return drucken(drucker, seite);
}

QString Ausdrucken(const QImage &seite, const QString &pdfOrdner) {
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
