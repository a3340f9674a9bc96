#include "app/views/buchalspdf.h"

#include "app/core/pdfgliederung.h"
#include "app/views/buchlenkung.h"
#include "app/views/druckausgabe.h"
#include "book/core/seitenanzeige.h"
#include "book/views/buchpanel.h"
#include "book/views/druckseite.h"
#include "platform/cp1252.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

namespace app {
namespace {

using Teil = book::Buchseite::Teil;

// Pages of the part: text and help pages, or album pages of 8 pictures.
int seitenzahl(const Zustand &z, Teil teil) {
    switch (teil) {
    case Teil::Text: return z.TextSeitenZahl;
    case Teil::Hilfe: return z.HilfeSeitenZahl;
    case Teil::Album: return (z.BilderAnzahl + 7) / 8;
    case Teil::Deckel: break;
    }
    return 0;
}

// The contents entries with the page each leads to: a line without a number at its
// end continues on the next one, which carries it.
QList<std::pair<QString, int>> inhalt(const Zustand &z, Teil teil) {
    const char *endung = teil == Teil::Text ? ".1" : teil == Teil::Album ? ".2" : ".6";
    QByteArray bytes;
    QList<std::pair<QString, int>> eintraege;
    if (!z.dateien.read(z.ProjektVerzeichnis + "Pages\\" + z.ProgrammName + endung, &bytes, 1 << 20)) return eintraege;
    const QStringList zeilen = platform::splitLines(bytes);
    QString text;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        QString zeile = zeilen[i];
        const bool mitZahl = !zeile.isEmpty() && zeile.back().isDigit();
        if (mitZahl)
            while (!zeile.isEmpty() && zeile.back().isDigit())
                zeile.chop(1);
        text = (text + ' ' + zeile.trimmed()).trimmed();
        if (!mitZahl) continue;
        if (!text.isEmpty()) eintraege.append({text, book::InhaltZiel(zeilen, int(i))});
        text.clear();
    }
    return eintraege;
}

} // namespace

QList<int> PdfAufschlaege(const Zustand &z, const PdfAuftrag &auftrag) {
    QList<int> rechts;
    const int letzte = qMin(auftrag.bis, seitenzahl(z, auftrag.teil));
    for (int seite = qMax(1, auftrag.von); seite <= letzte; ++seite) {
        const int r = book::Buchseite::im(auftrag.teil, seite + seite % 2).zahl;
        if (rechts.isEmpty() || rechts.back() != r) rechts << r;
    }
    return rechts;
}

std::optional<QByteArray> BuchAlsPdf(Buchlenkung &lenkung, book::BuchPanel &buch, Zustand &z, const PdfAuftrag &auftrag,
                                     const std::function<bool(int, int)> &fortschritt) {
    const QList<int> aufschlaege = PdfAufschlaege(z, auftrag);
    // What the reader was looking at comes back afterwards, without a turn to see.
    const int vorher = z.AktuelleSeite;
    const auto stand = z.inhaltsstand;
    const int letzteText = z.LetzteTextseite, letzteHilfe = z.LetzteHilfeseite, album = z.AlbumAufschlag;
    const bool blaettern = z.ansicht.blaetternZeigen;
    z.ansicht.blaetternZeigen = false;
    auto zuruecklegen = [&] {
        z.inhaltsstand = stand;
        lenkung.SeitenZeigen(vorher);
        z.LetzteTextseite = letzteText;
        z.LetzteHilfeseite = letzteHilfe;
        z.AlbumAufschlag = album;
        z.ansicht.blaetternZeigen = blaettern;
    };

    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&puffer);
    pdf.setCreator(QStringLiteral("Pagora"));
    pdf.setTitle(auftrag.titel);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                  QPageLayout::Millimeter));
    QPainter maler;
    if (!maler.begin(&pdf)) {
        zuruecklegen();
        return std::nullopt;
    }
    const bool albumTeil = auftrag.teil == Teil::Album;
    for (qsizetype i = 0; i < aufschlaege.size(); ++i) {
        lenkung.SeitenZeigen(aufschlaege[i]);
        if (i > 0) pdf.newPage();
        const book::Druckseite spread(buch, albumTeil);
        AufSeiteMalen(
            maler, maler.viewport(),
            {{book::Druckseite::kBreite, book::Druckseite::kHoehe}, [&spread](QPainter &p) { spread.malen(p); }});
        if (fortschritt && !fortschritt(int(i) + 1, int(aufschlaege.size()))) {
            maler.end();
            zuruecklegen();
            return std::nullopt;
        }
    }
    maler.end();
    zuruecklegen();

    // The contents as bookmarks, each leading to the PDF page of its spread.
    QList<Lesezeichen> gliederung;
    for (const auto &[text, seite] : inhalt(z, auftrag.teil)) {
        const int r = book::Buchseite::im(auftrag.teil, seite + seite % 2).zahl;
        if (const qsizetype at = aufschlaege.indexOf(r); at >= 0) gliederung.append({text, int(at)});
    }
    const QByteArray bytes = puffer.data();
    return MitGliederung(bytes, gliederung).value_or(bytes);
}

} // namespace app
