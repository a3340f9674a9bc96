// Writes the import's built-in character widths from the bundled fonts:
//   schriftbreiten src/authoring/core/importbreiten.cpp
// Run it when test_textimport finds that the fonts no longer measure as the built-in
// widths; the page breaks of every import change with them.
#include "authoring/core/textimport.h"
#include "platform/fonts.h"

#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("Aufruf: schriftbreiten DATEI.cpp\n", stderr);
        return 2;
    }
    if (!platform::registerBundledFonts()) {
        std::fputs("schriftbreiten: die eingebauten Schriften lassen sich nicht laden\n", stderr);
        return 1;
    }
    const authoring::Importmasse m = authoring::Importmasse::Gemessen();
    const std::pair<const platform::ByteWidths *, const char *> tafeln[] = {
        {&m.text, "\"MS Sans Serif\", 12 pixels"},
        {&m.fett, "\"MS Sans Serif\", 12 pixels, bold"},
        {&m.inhalt, "\"MS Sans Serif\", 11 pixels"},
        {&m.unterschrift, "\"Small Fonts\", 8 pixels"}};
    // Sixteen bytes a row, 0x00 to 0xFF, kept out of clang-format's reach.
    QByteArray aus = "// The advances of the import's fonts in 1/64 pixel for the Windows-1252 bytes, written\n"
                     "// by schriftbreiten (src/tool) from the bundled fonts. Do not edit.\n"
                     "namespace authoring {\n\n"
                     "extern const int kImportbreiten[4][256];\n"
                     "// clang-format off\n"
                     "const int kImportbreiten[4][256] = {\n";
    for (const auto &[w, name] : tafeln) {
        aus += QByteArray("    // ") + name + "\n    {";
        for (int b = 0; b < 256; ++b) {
            if (b > 0) aus += b % 16 == 0 ? ",\n     " : ", ";
            aus += QByteArray::number(w->advance(static_cast<unsigned char>(b))).rightJustified(3, ' ');
        }
        aus += "},\n";
    }
    aus += "};\n// clang-format on\n\n} // namespace authoring\n";
    QSaveFile datei(QString::fromLocal8Bit(argv[1]));
    if (!datei.open(QIODevice::WriteOnly) || datei.write(aus) != aus.size() || !datei.commit()) {
        std::fprintf(stderr, "schriftbreiten: %s kann nicht geschrieben werden\n", argv[1]);
        return 1;
    }
    return 0;
}
