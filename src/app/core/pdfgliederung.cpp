#include "app/core/pdfgliederung.h"

#include <QRegularExpression>

namespace app {
namespace {

// The number of the object a key refers to in `text` ("/Root 1 0 R" → 1).
std::optional<int> verweis(const QByteArray &text, const char *schluessel) {
    const QRegularExpression muster(QStringLiteral("/%1\\s+(\\d+)\\s+0\\s+R").arg(QLatin1String(schluessel)));
    const QRegularExpressionMatch m = muster.match(QString::fromLatin1(text));
    if (!m.hasMatch()) return std::nullopt;
    return m.captured(1).toInt();
}

// The body of object `nummer`, between "n 0 obj" and "endobj", the last one defined.
std::optional<QByteArray> objekt(const QByteArray &pdf, int nummer) {
    const QByteArray kopf = QByteArray::number(nummer) + " 0 obj";
    qsizetype anfang = -1;
    for (qsizetype at = pdf.indexOf(kopf); at >= 0; at = pdf.indexOf(kopf, at + 1))
        if (at == 0 || pdf[at - 1] == '\n' || pdf[at - 1] == '\r') anfang = at;
    if (anfang < 0) return std::nullopt;
    const qsizetype ende = pdf.indexOf("endobj", anfang);
    if (ende < 0) return std::nullopt;
    return pdf.mid(anfang + kopf.size(), ende - anfang - kopf.size());
}

// A text string in UTF-16 with its byte order mark, as hex: any title, any character.
QByteArray pdfText(const QString &text) {
    QByteArray hex = "<FEFF";
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex + '>';
}

} // namespace

std::optional<QByteArray> MitGliederung(const QByteArray &pdf, const QList<Lesezeichen> &eintraege) {
    const qsizetype trailerAt = pdf.lastIndexOf("trailer");
    const qsizetype startxrefAt = pdf.lastIndexOf("startxref");
    if (trailerAt < 0 || startxrefAt < trailerAt) return std::nullopt;
    const QByteArray trailer = pdf.mid(trailerAt, startxrefAt - trailerAt);
    bool ok = false;
    const qint64 altesXref = pdf.mid(startxrefAt + 9).trimmed().split('\n').value(0).trimmed().toLongLong(&ok);
    const auto wurzel = verweis(trailer, "Root");
    const QRegularExpressionMatch groesse =
        QRegularExpression(QStringLiteral("/Size\\s+(\\d+)")).match(QString::fromLatin1(trailer));
    if (!ok || !wurzel || !groesse.hasMatch()) return std::nullopt;
    const auto katalog = objekt(pdf, *wurzel);
    if (!katalog) return std::nullopt;
    const auto seitenbaum = verweis(*katalog, "Pages");
    if (!seitenbaum) return std::nullopt;
    const auto baum = objekt(pdf, *seitenbaum);
    if (!baum) return std::nullopt;
    // The pages in their order: the references in the tree's /Kids.
    QList<int> seiten;
    const qsizetype kids = baum->indexOf("/Kids");
    const qsizetype zu = baum->indexOf(']', kids);
    if (kids < 0 || zu < 0) return std::nullopt;
    const QString liste = QString::fromLatin1(baum->mid(kids + 5, zu - kids - 5));
    QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("(\\d+)\\s+0\\s+R")).globalMatch(liste);
    while (it.hasNext())
        seiten << it.next().captured(1).toInt();

    QList<Lesezeichen> gueltig;
    for (const Lesezeichen &l : eintraege)
        if (l.seite >= 0 && l.seite < seiten.size()) gueltig << l;

    QByteArray neu = pdf;
    if (!neu.endsWith('\n')) neu += '\n';
    int naechste = groesse.captured(1).toInt();
    QList<std::pair<int, qint64>> lagen; // object number, offset
    auto schreiben = [&](int nummer, const QByteArray &inhalt) {
        lagen.append({nummer, neu.size()});
        neu += QByteArray::number(nummer) + " 0 obj\n" + inhalt + "\nendobj\n";
    };
    const int gliederung = naechste++;
    const int erster = naechste;
    naechste += int(gueltig.size());
    for (qsizetype i = 0; i < gueltig.size(); ++i) {
        const int nummer = erster + int(i);
        QByteArray eintrag = "<<\n/Title " + pdfText(gueltig[i].titel) + "\n/Parent " + QByteArray::number(gliederung) +
                             " 0 R\n/Dest [" + QByteArray::number(seiten[gueltig[i].seite]) + " 0 R /Fit]\n";
        if (i > 0) eintrag += "/Prev " + QByteArray::number(nummer - 1) + " 0 R\n";
        if (i + 1 < gueltig.size()) eintrag += "/Next " + QByteArray::number(nummer + 1) + " 0 R\n";
        schreiben(nummer, eintrag + ">>");
    }
    QByteArray wurzelInhalt = "<<\n/Type /Outlines\n/Count " + QByteArray::number(gueltig.size()) + '\n';
    if (!gueltig.isEmpty())
        wurzelInhalt += "/First " + QByteArray::number(erster) + " 0 R\n/Last " +
                        QByteArray::number(erster + int(gueltig.size()) - 1) + " 0 R\n";
    schreiben(gliederung, wurzelInhalt + ">>");
    // The catalogue anew, now naming the outline and opening with it.
    QByteArray katalogNeu = katalog->trimmed();
    if (!katalogNeu.endsWith(">>")) return std::nullopt;
    katalogNeu.chop(2);
    katalogNeu += "/Outlines " + QByteArray::number(gliederung) + " 0 R\n/PageMode /UseOutlines\n>>";
    schreiben(*wurzel, katalogNeu);

    std::sort(lagen.begin(), lagen.end());
    const qint64 xref = neu.size();
    neu += "xref\n0 1\n0000000000 65535 f \n";
    for (qsizetype i = 0; i < lagen.size();) {
        qsizetype j = i;
        while (j + 1 < lagen.size() && lagen[j + 1].first == lagen[j].first + 1)
            ++j;
        neu += QByteArray::number(lagen[i].first) + ' ' + QByteArray::number(j - i + 1) + '\n';
        for (qsizetype k = i; k <= j; ++k)
            neu += QByteArray::number(lagen[k].second).rightJustified(10, '0') + " 00000 n \n";
        i = j + 1;
    }
    QByteArray anhang =
        "trailer\n<<\n/Size " + QByteArray::number(naechste) + "\n/Root " + QByteArray::number(*wurzel) + " 0 R\n";
    if (const auto info = verweis(trailer, "Info")) anhang += "/Info " + QByteArray::number(*info) + " 0 R\n";
    anhang += "/Prev " + QByteArray::number(altesXref) + "\n>>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return neu + anhang;
}

} // namespace app
