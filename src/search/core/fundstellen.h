#pragma once
// Where a found term lies in the line as written. The folding drops and merges
// characters ("ß" → "s", "ck" → "k", "oi" → "eu", doubled letters, blanks), so each
// folded character keeps the characters of the line it came from.
#include <QList>
#include <QString>

namespace search {

// The folding of `zeile` with its origins: gefaltet[i] came from the characters
// von[i] .. bis[i] - 1 of the line. `gefaltet` is exactly what Falten gives.
struct Herkunft {
    QString gefaltet;
    QList<int> von, bis;
};
Herkunft FaltenMitHerkunft(const QString &zeile, bool tolerant);

// A stretch of the line: from `anfang`, `laenge` characters.
struct Fundstelle {
    int anfang = 0;
    int laenge = 0;
    friend bool operator==(const Fundstelle &, const Fundstelle &) = default;
};
// Every occurrence of `begriff` (already folded, as the search takes it) in the folded
// line, left to right and not overlapping, as stretches of the line.
QList<Fundstelle> Fundstellen(const QString &zeile, const QString &begriff, bool tolerant);

} // namespace search
