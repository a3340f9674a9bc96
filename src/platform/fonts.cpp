#include "platform/fonts.h"

#include "platform/cp1252.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QResource>
#include <algorithm>
#include <fontconfig/fontconfig.h>
#include <iterator>

namespace platform {

bool useOwnFontConfiguration() {
    if (qEnvironmentVariableIsSet("FONTCONFIG_FILE") || qEnvironmentVariableIsSet("FONTCONFIG_PATH")) return false;
    // The folders and caches of the system's configuration; bitmap fonts stay out, as
    // the desktop's rules keep them out.
    static const char kConfiguration[] = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts</dir>
  <dir>/usr/local/share/fonts</dir>
  <dir prefix="xdg">fonts</dir>
  <dir>~/.fonts</dir>
  <cachedir>/var/cache/fontconfig</cachedir>
  <cachedir prefix="xdg">fontconfig</cachedir>
  <cachedir>~/.fontconfig</cachedir>
  <selectfont><rejectfont><pattern><patelt name="scalable"><bool>false</bool></patelt></pattern></rejectfont></selectfont>
</fontconfig>)";
    FcConfig *config = FcConfigCreate();
    if (!config) return false;
    if (!FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8 *>(kConfiguration), FcTrue) ||
        !FcConfigBuildFonts(config) || !FcConfigSetCurrent(config)) {
        FcConfigDestroy(config);
        return false;
    }
    FcConfigDestroy(config); // the current configuration holds its own reference
    return true;
}

bool registerBundledFonts() {
    static int loaded = -1;
    if (loaded >= 0) return loaded == 2;
    loaded = 0;
    for (const char *file : {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"}) {
        // Stored uncompressed in the program: handed over where they lie, not copied.
        const QResource font(QString::fromLatin1(file));
        const int id = font.isValid() && font.compressionAlgorithm() == QResource::NoCompression
                           ? QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
                                 reinterpret_cast<const char *>(font.data()), qsizetype(font.size())))
                           : QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        if (id >= 0) ++loaded;
    }
    for (const char *family : {"MS Sans Serif", "Small Fonts", "Arial"})
        QFont::insertSubstitution(QString::fromLatin1(family), QStringLiteral("Liberation Sans"));
    return loaded == 2;
}

QFont screenFont(const QString &family, int points, int ppi, bool bold) {
    QFont f(family);
    // Sizes come from settings files: anything absurd is held to what a screen can show.
    f.setPixelSize(int(qBound(qint64(1), (qint64(points) * ppi + 36) / 72, qint64(2000))));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

ByteWidths::ByteWidths(const QFont &font) {
    const QFontMetricsF metrics(font);
    for (int b = 0; b < 256; ++b) {
        const QString c = fromCp1252(QByteArray(1, char(b)));
        advances_[b] = int(metrics.horizontalAdvance(c.at(0)) * kEinheiten + 0.5);
    }
}

ByteWidths::ByteWidths(const int (&advances)[256]) {
    std::copy(std::begin(advances), std::end(advances), advances_);
}

ByteWidths::ByteWidths(double advance) {
    for (int &a : advances_)
        a = int(advance * kEinheiten + 0.5);
}

int ByteWidths::width(const QByteArray &text) const {
    qint64 sum = 0;
    for (const char c : text)
        sum += advances_[static_cast<unsigned char>(c)];
    return pixel(sum);
}

FontMeasurer::FontMeasurer(const QFont &font) : font_(font) {}

int FontMeasurer::width(const QString &text) const {
    return QFontMetrics(font_).horizontalAdvance(text);
}

} // namespace platform
