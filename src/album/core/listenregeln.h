#pragma once
// Rules of the picture list editor that do not depend on its widgets.
#include <QPoint>
#include <QStringList>
#include <optional>

namespace album {

// Lines that stand for a picture while the list is edited: not empty, beginning
// neither with a blank nor with ":".
int VorhandeneBilder(const QStringList &zeilen);

// An empty cell is written as 16 blanks, except in the first line.
inline const QString kLeereZelle = QString(16, ' ');
// The indices of the empty lines from the second line to the last.
QList<int> LeereZeilenAbZweiter(const QStringList &zeilen);

// The number of lines whose start lies before a caret in line `zeile` at column
// `spalte` (both from 0): the lines before it, and its own unless the caret is at its start.
int ermittelterIndex(int zeile, int spalte);

// Where the marker of list line k stands on the miniature spread; nothing for k < 0.
std::optional<QPoint> MarkerStelle(int k);

} // namespace album
