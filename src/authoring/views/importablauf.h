#pragma once
// The text import as the authoring window runs it: the book on the part's contents page
// with an empty contents memo, the import itself (with its progress for long texts),
// its messages, and at the end the new contents in the memo for the author to retouch.
#include <QString>

namespace authoring {

class Bearbeitungskontext;

// Texts from this size on show their progress and keep the program painting.
constexpr qint64 kFortschrittAb = 1 << 20;

// Imports `importdatei` (a stored path) into the part the project has chosen
// (`Bearbeitungsteil`); false when nothing was replaced.
bool Buchmachen(Bearbeitungskontext &kontext, const QString &importdatei, bool silbentrennung);

} // namespace authoring
