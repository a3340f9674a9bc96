#pragma once
#include "book/core/buchseite.h"

#include <QCoreApplication>
#include <QString>

namespace book {

// The description of a bookmark laid on page `seite`: the part word, then the two
// page numbers of its spread within the part ("Text, Seite 11-12").
inline QString LesezeichenHint(int seite) {
    const Buchseite::Teil teil = Buchseite{seite}.teil();
    const char *wort = teil == Buchseite::Teil::Album   ? QT_TRANSLATE_NOOP("book::Lesezeichen", "Album")
                       : teil == Buchseite::Teil::Hilfe ? QT_TRANSLATE_NOOP("book::Lesezeichen", "Hilfe")
                                                        : QT_TRANSLATE_NOOP("book::Lesezeichen", "Text");
    const int m = Buchseite{seite}.nummer();
    return QCoreApplication::translate("book::Lesezeichen", "%1, Seite %2-%3")
        .arg(QCoreApplication::translate("book::Lesezeichen", wort))
        .arg(m - 1)
        .arg(m);
}

} // namespace book
