#pragma once
// What a PDF holds, as the poppler tools (Debian package poppler-utils) read it: its
// text, its pictures and its bookmarks. A missing tool fails the test.
#include <QProcess>
#include <QRegularExpression>
#include <QSize>
#include <QStringList>
#include <QTest>

namespace testing {

inline QString pdfWerkzeug(const QString &programm, const QStringList &argumente) {
    QProcess p;
    p.start(programm, argumente);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        qFatal("%s failed (install poppler-utils: make deps)", qPrintable(programm));
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text, pages separated by form feeds.
inline QString pdfText(const QString &datei) {
    return pdfWerkzeug("pdftotext", {"-layout", datei, "-"});
}

struct PdfBild {
    QSize groesse;
    QString art; // "image", "jpeg", "smask" …
};
inline QList<PdfBild> pdfBilder(const QString &datei) {
    QList<PdfBild> bilder;
    const QStringList zeilen = pdfWerkzeug("pdfimages", {"-list", datei}).split('\n');
    for (const QString &z : zeilen.mid(2)) {
        const QStringList f = z.split(' ', Qt::SkipEmptyParts);
        if (f.size() < 9 || f[2] == QLatin1String("smask")) continue;
        bilder.append({QSize(f[3].toInt(), f[4].toInt()), f[8]});
    }
    return bilder;
}

// The bookmarks as "page title", pages counted from 1.
inline QStringList pdfGliederung(const QString &datei) {
    QStringList eintraege;
    const QString xml = pdfWerkzeug("pdftohtml", {"-xml", "-stdout", "-i", "-q", datei});
    const QRegularExpression eintrag(QStringLiteral("<item page=\"(\\d+)\">([^<]*)</item>"));
    for (auto it = eintrag.globalMatch(xml); it.hasNext();) {
        const auto m = it.next();
        eintraege << m.captured(1) + ' ' + m.captured(2);
    }
    return eintraege;
}

} // namespace testing
