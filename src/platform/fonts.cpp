#include "platform/fonts.h"

#include "platform/cp1252.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QResource>
#include <algorithm>
#include <cstring>
#include <fontconfig/fontconfig.h>
#include <iterator>

namespace platform {

bool useOwnFontConfiguration() {
    if (qEnvironmentVariableIsSet("FONTCONFIG_FILE") || qEnvironmentVariableIsSet("FONTCONFIG_PATH")) return false;
    // The folders and caches of the system's configuration; bitmap fonts stay out, as
    // the desktop's rules keep them out. Qt's default family names a font that is there
    // (without the desktop's rules it would be the first font of all, a mathematics font,
    // loaded for nothing before the first frame).
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
  <alias><family>Sans Serif</family><prefer><family>Liberation Sans</family><family>DejaVu Sans</family></prefer></alias>
  <alias><family>sans-serif</family><prefer><family>Liberation Sans</family><family>DejaVu Sans</family></prefer></alias>
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

namespace {

quint32 gross32(const uchar *p) {
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3];
}

// The whole-file checksum a font file keeps in its 'head' table; 0 for anything else.
// `lesen(offset, n)` gives n bytes of the file from offset, or fewer.
template <class Lesen> quint32 kopfpruefsumme(Lesen lesen) {
    const QByteArray kopf = lesen(0, 12);
    if (kopf.size() < 12) return 0;
    const int tabellen = (uchar(kopf[4]) << 8) | uchar(kopf[5]);
    const QByteArray verzeichnis = lesen(12, qint64(tabellen) * 16);
    if (verzeichnis.size() < qint64(tabellen) * 16) return 0;
    for (int i = 0; i < tabellen; ++i) {
        const auto *eintrag = reinterpret_cast<const uchar *>(verzeichnis.constData()) + i * 16;
        if (std::memcmp(eintrag, "head", 4) != 0) continue;
        const QByteArray wert = lesen(qint64(gross32(eintrag + 8)) + 8, 4);
        return wert.size() == 4 ? gross32(reinterpret_cast<const uchar *>(wert.constData())) : 0;
    }
    return 0;
}

// Whether the system's fonts hold this very font file (same size, same whole-file
// checksum): then Qt knows it from fontconfig's caches already, and registering the
// built-in copy, which makes fontconfig scan every glyph, is spared.
bool imSystem(const QByteArray &font, const char *stil) {
    const quint32 eigene = kopfpruefsumme([&font](qint64 von, qint64 n) { return font.mid(von, n); });
    if (eigene == 0) return false;
    FcPattern *muster = FcPatternBuild(nullptr, FC_FAMILY, FcTypeString, "Liberation Sans", FC_STYLE, FcTypeString,
                                       stil, static_cast<char *>(nullptr));
    FcObjectSet *felder = FcObjectSetBuild(FC_FILE, static_cast<char *>(nullptr));
    FcFontSet *liste = muster && felder ? FcFontList(nullptr, muster, felder) : nullptr;
    bool gleich = false;
    for (int i = 0; liste && i < liste->nfont && !gleich; ++i) {
        FcChar8 *pfad = nullptr;
        if (FcPatternGetString(liste->fonts[i], FC_FILE, 0, &pfad) != FcResultMatch) continue;
        QFile datei(QFile::decodeName(reinterpret_cast<const char *>(pfad)));
        if (datei.size() != font.size() || !datei.open(QIODevice::ReadOnly)) continue;
        gleich = kopfpruefsumme([&datei](qint64 von, qint64 n) {
                     return datei.seek(von) ? datei.read(n) : QByteArray();
                 }) == eigene;
    }
    if (liste) FcFontSetDestroy(liste);
    if (felder) FcObjectSetDestroy(felder);
    if (muster) FcPatternDestroy(muster);
    return gleich;
}

} // namespace

bool registerBundledFonts() {
    static int loaded = -1;
    if (loaded >= 0) return loaded == 2;
    loaded = 0;
    for (const auto &[file, stil] : {std::pair(":/fonts/LiberationSans-Regular.ttf", "Regular"),
                                     std::pair(":/fonts/LiberationSans-Bold.ttf", "Bold")}) {
        // Stored uncompressed in the program: handed over where they lie, not copied.
        const QResource font(QString::fromLatin1(file));
        if (!font.isValid() || font.compressionAlgorithm() != QResource::NoCompression) {
            if (QFontDatabase::addApplicationFont(QString::fromLatin1(file)) >= 0) ++loaded;
            continue;
        }
        const QByteArray daten =
            QByteArray::fromRawData(reinterpret_cast<const char *>(font.data()), qsizetype(font.size()));
        if (imSystem(daten, stil) || QFontDatabase::addApplicationFontFromData(daten) >= 0) ++loaded;
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

FontMeasurer::FontMeasurer(const QFont &font) : font_(font) {}

int FontMeasurer::width(const QString &text) const {
    return QFontMetrics(font_).horizontalAdvance(text);
}

} // namespace platform
