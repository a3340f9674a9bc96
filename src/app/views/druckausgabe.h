#pragma once
// Printing what the screen shows: on the default printer at its resolution, the text as
// text and pictures with all their pixels, as large as the printable area allows; when
// the system has no printer, into a PDF file so the reader always gets the page.
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>

class QPainter;

namespace app {

// A printed page: what `malen` draws into a painter whose window is `groesse` (in the
// screen's layout pixels), on a printer, a PDF page or a picture alike.
struct Druckvorlage {
    QSize groesse;
    std::function<void(QPainter &)> malen;
    // The page as a picture `faktor` times the layout's size (tests, previews).
    QImage bild(qreal faktor = 1) const;
    static Druckvorlage ausBild(const QImage &bild);
};

// Draws `seite` centred into `flaeche` (device pixels of the painter), as large as fits.
void AufSeiteMalen(QPainter &maler, const QRect &flaeche, const Druckvorlage &seite);

// Prints `seite`; returns the PDF file written, or an empty text when a printer took it.
QString Ausdrucken(const Druckvorlage &seite, const QString &pdfOrdner);

// Writes `seite` as a one-page PDF on an A4 page turned to suit it.
bool AlsPdfDrucken(const Druckvorlage &seite, const QString &datei);

} // namespace app
