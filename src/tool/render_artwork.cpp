// render_artwork OUT_DIR SVG_FILE:OUT_NAME:WIDTH:HEIGHT [...]
//
// Build-time helper: turns the vector sources in data/artwork/ into the
// bitmaps the program loads at run time. Every picture is rendered onto an
// opaque canvas of exactly WIDTH x HEIGHT and written as a 24-bit BMP (or a
// PNG when OUT_NAME ends in .png, handy for looking at the result).
//
// Pictures that use the magenta colour key (#FF00FF) are shown with that
// colour knocked out, the key being taken from the bottom left pixel.
// Anti-aliased edges would leave a purple fringe, so such pictures are
// rendered with magenta made transparent instead, and every pixel ends up
// either fully drawn or pure key.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <cstdio>

static constexpr QRgb kKey = 0xffff00ff;

static int fail(const QString &msg) {
    std::fprintf(stderr, "render_artwork: %s\n", qPrintable(msg));
    return 1;
}

static QImage render(QSvgRenderer &svg, QSize size, QImage::Format format, QColor fill) {
    QImage image(size, format);
    image.fill(fill);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.render(&p, QRectF(QPointF(0, 0), size));
    return image;
}

// Redraws a colour-keyed picture with hard edges: coverage of at least half
// a pixel takes the shape's own colour, anything less becomes the key.
static QImage hardenKeyedEdges(const QString &svgText, QSize size) {
    QSvgRenderer svg(
        QString(svgText).replace(QLatin1String("#ff00ff"), QLatin1String("none"), Qt::CaseInsensitive).toUtf8());
    const QImage cut =
        render(svg, size, QImage::Format_ARGB32_Premultiplied, Qt::transparent).convertToFormat(QImage::Format_ARGB32);
    QImage out(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        const QRgb *src = reinterpret_cast<const QRgb *>(cut.constScanLine(y));
        QRgb *dst = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            dst[x] = qAlpha(src[x]) >= 128 ? (src[x] | 0xff000000) : kKey;
    }
    return out;
}

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return fail(QStringLiteral("usage: render_artwork OUT_DIR SVG_FILE:OUT_NAME:WIDTH:HEIGHT [...]"));

    const QDir outDir(args.at(1));
    for (qsizetype i = 2; i < args.size(); ++i) {
        // Split from the right so a drive letter or odd path in SVG_FILE survives.
        QStringList parts = args.at(i).split(QLatin1Char(':'));
        if (parts.size() < 4) return fail(QStringLiteral("bad job '%1'").arg(args.at(i)));
        bool okW = false, okH = false;
        const int h = parts.takeLast().toInt(&okH);
        const int w = parts.takeLast().toInt(&okW);
        const QString outName = parts.takeLast();
        const QString svgFile = parts.join(QLatin1Char(':'));
        if (!okW || !okH || w <= 0 || h <= 0 || outName.isEmpty())
            return fail(QStringLiteral("bad size or name in '%1'").arg(args.at(i)));

        QFile in(svgFile);
        if (!in.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("cannot read %1: %2").arg(svgFile, in.errorString()));
        const QByteArray data = in.readAll();
        const QString text = QString::fromUtf8(data);
        QSvgRenderer svg(data);
        if (!svg.isValid()) return fail(QStringLiteral("%1: not a valid SVG").arg(svgFile));

        QImage image;
        if (text.contains(QLatin1String("#ff00ff"), Qt::CaseInsensitive)) {
            image = hardenKeyedEdges(text, QSize(w, h));
            if (image.pixel(0, h - 1) != kKey)
                return fail(
                    QStringLiteral("%1: keyed picture must have magenta in its bottom left pixel").arg(svgFile));
        } else {
            image = render(svg, QSize(w, h), QImage::Format_RGB32, Qt::black);
        }

        const QString outPath = outDir.filePath(outName);
        if (!QDir().mkpath(QFileInfo(outPath).absolutePath()))
            return fail(QStringLiteral("cannot create folder for %1").arg(outPath));
        const char *format = outName.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) ? "PNG" : "BMP";
        QSaveFile file(outPath);
        if (!file.open(QIODevice::WriteOnly) || !image.save(&file, format) || !file.commit())
            return fail(QStringLiteral("cannot write %1: %2").arg(outPath, file.errorString()));
    }
    return 0;
}
