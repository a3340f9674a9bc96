#pragma once
#include <QString>

namespace book {

// The description of a bookmark laid on page `seite`: the part word, then the two
// page numbers of its spread within the part ("Text, Seite 11-12").
inline QString LesezeichenHint(int seite) {
    const int teil = seite / 1000;
    const QString wort = teil <= 0   ? QStringLiteral("Text")
                         : teil == 1 ? QStringLiteral("Album")
                                     : QStringLiteral("Hilfe");
    const int m = seite % 1000;
    return QStringLiteral("%1, Seite %2-%3").arg(wort).arg(m - 1).arg(m);
}

} // namespace book
