#pragma once
// What a spread shows, decided without widgets: the memo rows and title of a page
// record, the pictures laid over the rows, the entries of a contents spread, the
// register tabs' sides and hints.
#include "book/core/seitensatz.h"

#include <QStringList>
#include <functional>
#include <optional>

namespace book {

// One page as the book shows it: 28 memo rows and the title built from heading lines.
struct Seitenbild {
    QStringList zeilen;
    QString titel;           // heading lines joined, "\n\n" where a heading paragraph breaks
    int titelzeilen = 0;     // label height in 13-pixel rows
    int ersteTitelzeile = 0; // 1-based row of the first heading line, 0 without title
};
Seitenbild TestseiteBearbeiten(const Seitensatz &satz);

// A picture laid over the memo rows of its spread.
struct Textbild {
    int bildzeile = 0;   // 0-based memo row of the picture line
    int letzteZeile = 0; // row of its last caption line (= bildzeile without caption)
    bool links = true;
    QString name;
    QString unterschrift;
    QString datei; // stored path of the bitmap
};
// Finds the pictures of a spread and takes their captions out of the memo rows. `datei`
// gives the stored bitmap path of a picture name, or nothing when it is in no folder.
QList<Textbild> BilderImBuch(QStringList &links, QStringList &rechts,
                             const std::function<std::optional<QString>(const QString &)> &datei);

// The contents spread `aktuell` (1-based) of a contents file's lines.
struct Inhaltsseite {
    QStringList inhalt1; // right page
    QStringList inhalt2; // left page (later spreads only)
    int anzahl = 1;      // contents spreads of the part
};
Inhaltsseite InhaltFuer(QStringList eintraege, int aktuell);

// The page number (relative to its part) of the entry at `index`: the entry, or the
// first later one ending in a digit; the digits at the start of its last four
// characters, blanks dropped. 0 when there are none.
int InhaltZiel(const QStringList &eintraege, int index);

// The hint of register tab with caption `text` leading to page `ziel`.
QString GriffHinweis(QString text, int ziel);

} // namespace book
