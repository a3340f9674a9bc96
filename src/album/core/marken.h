#pragma once
// The marks of a picture ("Album\<name>.Txt": "xxxx,yyyy,comment" per line), the
// square around each mark that reacts to the mouse, and the album's cell grid.
#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace album {

constexpr int kMaxMarkentext = 80; // what a line of the mark file holds of a comment

struct Marke {
    int x = 0;
    int y = 0;
    QString text;          // at most 80 characters; empty for a line that is no mark
    bool entfernt = false; // deleted from the file; the entry keeps its place here
};

struct Markentabelle {
    QList<Marke> marken; // one entry per line of the file: MarkenAnzahl
    int radius = 20;     // MarkenRadius, 8..20

    // Reads a mark file. The table takes every line, however many there are.
    static Markentabelle Lesen(const QByteArray &datei);
    // The first mark with a comment whose square holds (x, y); `index` (1-based) is
    // also set by a deleted mark in range. 0 and an empty text when there is none.
    struct Treffer {
        int index = 0;
        QString text;
    };
    Treffer Unter(int x, int y) const;
    // The line of the file (1-based) that holds entry `index` (1-based), counting the
    // lines that deleted entries left behind them.
    int Dateizeile(int index) const;
};

// The mark file with one more line "xxxx,yyyy,comment" at its end; every byte before
// it stays as it was.
QByteArray MarkeAnhaengen(const QByteArray &datei, int x, int y, const QString &text);
// The mark file without line `zeile` (1-based, lines counted as Markentabelle::Lesen
// counts them); every other byte stays as it was. No value when that line is missing
// or no longer holds `marke` (the file changed since it was read).
std::optional<QByteArray> MarkeEntfernen(const QByteArray &datei, int zeile, const Marke &marke);

// The cell (1..16) under a point of the album spread bitmap, 0 for none. Hovering
// limits x' to 255, so the far right column reacts to clicks only.
int AlbumZelle(int x, int y, bool schwebend);

// The hint over an album cell for its list line: the caption after the first ":",
// only its part after a "|", without its first "~"; empty for a line without ":".
QString BildHinweisText(const QString &zeile);

// Left (or top) of the enlarged copy placed around picture point x: the point comes to
// the screen's centre while the copy still covers the screen.
int VergroesserungsLage(int bildschirm, int kopie, int bild, int x);

} // namespace album
