#pragma once
// Text widths from a table, with no font engine behind them: the import measures with
// these and runs where Qt's GUI library is not loaded.
#include <QByteArray>

class QFont;

namespace platform {

// Widths of Windows-1252 byte strings from a table of the 256 characters' advances
// in 1/64 pixel: the width of a text is the rounded sum of its characters' advances
// (no kerning), so a line can be shortened one character at a time without measuring
// it again.
class ByteWidths {
public:
    static constexpr int kEinheiten = 64; // units per pixel

    explicit ByteWidths(const QFont &font);                     // measured (fonts.cpp, needs Qt GUI)
    explicit ByteWidths(const int (&advances)[256]);            // advances measured before, in units
    explicit ByteWidths(double advance);                        // every character the same: exact tests
    int advance(unsigned char c) const { return advances_[c]; } // in units
    static int pixel(qint64 einheiten) { return int((einheiten + kEinheiten / 2) / kEinheiten); }
    int width(const QByteArray &text) const; // in pixels

private:
    int advances_[256];
};

} // namespace platform
