#pragma once
// Printing a page picture: on the default printer, scaled to fit the page; when the
// system has no printer, into a PDF file so the reader always gets the page.
#include <QImage>
#include <QString>

namespace app {

// Prints `seite`; returns the PDF file written, or an empty text when a printer took it.
QString Ausdrucken(const QImage &seite, const QString &pdfOrdner);

// Writes `seite` as a one-page PDF, scaled to fit an A4 landscape page.
bool AlsPdfDrucken(const QImage &seite, const QString &datei);

} // namespace app
