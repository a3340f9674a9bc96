#include "book/views/bildlader.h"

#include "platform/bitmapfile.h"
#include "platform/screen.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QPainter>
#include <QRegularExpression>
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

// The words the tour pictures write, one line each, for the translation: the pictures
// are drawn with the words of the program's language.
constexpr const char *kBildworte[] = {
    QT_TRANSLATE_NOOP("book::Kunstbild", "zurückblättern"),
    QT_TRANSLATE_NOOP("book::Kunstbild", "Viel Freude beim Lesen!"),
    QT_TRANSLATE_NOOP("book::Kunstbild", "Mit dem Pfeil rechts"),
    QT_TRANSLATE_NOOP("book::Kunstbild", "schlagen Sie das Buch auf."),
    QT_TRANSLATE_NOOP("book::Kunstbild", "Bewegen Sie die Maus an den"),
    QT_TRANSLATE_NOOP("book::Kunstbild", "unteren Bildschirmrand:"),
    QT_TRANSLATE_NOOP("book::Kunstbild", "dort erscheint das Bildmenü."),
    QT_TRANSLATE_NOOP("book::Kunstbild", "Am rechten Rand des Buches"),
    QT_TRANSLATE_NOOP("book::Kunstbild", "blättern Sie weiter."),
    QT_TRANSLATE_NOOP("book::Kunstbild", "Klicken Sie auf den Pfeil,"),
    QT_TRANSLATE_NOOP("book::Kunstbild", "der dort erscheint."),
};

QString Vektorquelle(const QString &name) {
    QFile datei(QStringLiteral(":/svg/") + name + QStringLiteral(".svg"));
    if (!datei.open(QIODevice::ReadOnly)) return {};
    return Bildworte(QString::fromUtf8(datei.readAll()));
}

std::optional<QPixmap> Zeichnen(const QString &name, QSize groesse, bool geschluesselt, double faktor) {
    QString quelle = Vektorquelle(name);
    if (quelle.isEmpty()) return std::nullopt;
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
// True when the artwork's words read otherwise in the program's language.
// Asked once per picture and language.
QString Sprachmarke() {
    return QCoreApplication::translate("book::Kunstbild", kBildworte[0]);
}

bool Uebersetzt(const QString &name) {
    static QHash<QString, bool> fertig;
    const QString schluessel = name + QLatin1Char('/') + Sprachmarke();
    if (const auto it = fertig.constFind(schluessel); it != fertig.cend()) return *it;
    QFile datei(QStringLiteral(":/svg/") + name + QStringLiteral(".svg"));
    const QString quelle = datei.open(QIODevice::ReadOnly) ? QString::fromUtf8(datei.readAll()) : QString();
    return fertig[schluessel] = quelle.contains(QLatin1String("<text")) && Bildworte(quelle) != quelle;
}

std::optional<QPixmap> Vektorbild(const QString &name, QSize groesse, bool geschluesselt) {
    const double faktor = platform::drawingFactor();
    if (qFuzzyCompare(faktor, 1.0) && !Uebersetzt(name)) return std::nullopt;
    // Drawn once per picture: the book is laid on for every spread.
    static QHash<QString, std::optional<QPixmap>> fertig;
    const QString schluessel = QStringLiteral("%1/%2/%3x%4/%5/%6")
                                   .arg(name, Sprachmarke())
                                   .arg(groesse.width())
                                   .arg(groesse.height())
                                   .arg(geschluesselt)
                                   .arg(faktor);
    if (const auto it = fertig.constFind(schluessel); it != fertig.cend()) return *it;
    return fertig[schluessel] = Zeichnen(name, groesse, geschluesselt, faktor);
}

} // namespace

QString Bildworte(const QString &svg) {
    static const QRegularExpression wort(QStringLiteral("(<text[^>]*>)([^<]+)(</text>)"));
    QString ergebnis;
    qsizetype bis = 0;
    for (auto it = wort.globalMatch(svg); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        ergebnis += QStringView(svg).mid(bis, m.capturedStart(2) - bis);
        const QString text = m.captured(2);
        const QString uebersetzt = QCoreApplication::translate("book::Kunstbild", text.toUtf8().constData());
        ergebnis += uebersetzt.toHtmlEscaped();
        bis = m.capturedEnd(2);
    }
    ergebnis += QStringView(svg).mid(bis);
    return ergebnis;
}

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
