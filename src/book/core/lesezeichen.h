#pragma once
#include "book/core/buchseite.h"

#include <QString>

namespace book {

// The description of a bookmark laid on page `seite`: the part word, then the two
// page numbers of its spread within the part ("Text, Seite 11-12").
inline QString LesezeichenHint(int seite) {
    const Buchseite::Teil teil = Buchseite{seite}.teil();
    const QString wort = teil == Buchseite::Teil::Album   ? QStringLiteral("Album")
                         : teil == Buchseite::Teil::Hilfe ? QStringLiteral("Hilfe")
                                                          : QStringLiteral("Text");
    const int m = Buchseite{seite}.nummer();
    return QStringLiteral("%1, Seite %2-%3").arg(wort).arg(m - 1).arg(m);
}

} // namespace book
