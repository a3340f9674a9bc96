#pragma once
// The screen fonts the layout is measured in. Free substitutes of the same pixel
// heights are built into the program and stand in for "MS Sans Serif", "Small Fonts"
// and "Arial"; text is measured with hinting and kerning off so the same text breaks
// the same way on every machine.
#include "platform/bytewidths.h"

#include <QFont>
#include <QString>

namespace platform {

// Gives the program a font configuration of its own: every font folder of the system
// and the user, read from their caches, without the desktop's rules. Reading the
// desktop's rules (dozens of files) was the largest part of the start; the program sets
// hinting, smoothing and substitutes of its fonts itself. Call before the application
// object exists; does nothing when FONTCONFIG_FILE or FONTCONFIG_PATH chooses another
// configuration. False when the system's configuration stays in use.
bool useOwnFontConfiguration();

// Registers the built-in fonts and the family substitutions; call once after the
// application object exists. False when a font could not be loaded.
bool registerBundledFonts();

// A font of the given family and size in points, as a screen of ppi pixels per inch
// shows it (pixel height = points × ppi / 72, rounded).
QFont screenFont(const QString &family, int points, int ppi = 96, bool bold = false);

// Pixel widths of text; the page layout asks only this.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual int width(const QString &text) const = 0;
};

class FontMeasurer : public TextMeasurer {
public:
    explicit FontMeasurer(const QFont &font);
    int width(const QString &text) const override;

private:
    QFont font_;
};

// Every character is `advance` pixels wide: exact expectations in tests.
class FixedWidthMeasurer : public TextMeasurer {
public:
    explicit FixedWidthMeasurer(int advance) : advance_(advance) {}
    int width(const QString &text) const override { return int(text.size()) * advance_; }

private:
    int advance_;
};

} // namespace platform
