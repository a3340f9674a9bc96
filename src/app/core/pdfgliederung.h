#pragma once
// Bookmarks (the outline a PDF reader shows beside the pages) added to a finished PDF.
// Qt's PDF writer makes none, so they are appended as an incremental update: the file
// as written stays byte for byte in front, followed by the outline, a catalogue that
// names it, and a cross-reference section of their own.
#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace app {

struct Lesezeichen {
    QString titel;
    int seite = 0; // 0-based page of the PDF
};

// `pdf` with `eintraege` as its outline, shown when the file opens; nothing when the
// file is not laid out as a plain PDF with a cross-reference table (Qt's own output is).
std::optional<QByteArray> MitGliederung(const QByteArray &pdf, const QList<Lesezeichen> &eintraege);

} // namespace app
