#pragma once
// The text import: plain Windows-1252 text with line markers in; page records and the
// contents lines of the part out. Lines are broken at 230 pixels of the heading or
// text font, pages hold 28 lines, pictures are placed with their captions or deferred
// to the next page, and every heading becomes a contents entry.
#include "book/core/seitensatz.h"
#include "platform/bytewidths.h"

#include <QByteArray>
#include <QStringList>
#include <functional>
#include <optional>

namespace authoring {

// The fonts the import measures in.
struct Importmasse {
    platform::ByteWidths text;         // "MS Sans Serif", 12 pixels
    platform::ByteWidths fett;         // the same, bold (heading lines)
    platform::ByteWidths inhalt;       // "MS Sans Serif", 11 pixels (contents entries)
    platform::ByteWidths unterschrift; // "Small Fonts", 8 pixels (caption height)

    // The bundled screen fonts' widths as built into the program: the page breaks do not
    // hang on the fonts a machine has, and the import needs no font engine.
    static Importmasse Bildschirm();
    // The same measured from the fonts themselves: needs a QGuiApplication with the
    // bundled fonts registered. The built-in widths are made from these (schriftbreiten);
    // in a file of its own, so that the import links no font engine.
    static Importmasse Gemessen();
};

// Where the import finds the pictures the text names.
class Bildquelle {
public:
    virtual ~Bildquelle() = default;
    // Height in pixels when name.bmp is in the help folder or the project's slides.
    virtual std::optional<int> vorhandeneHoehe(const QByteArray &name) = 0;
    // Makes the small copy from the album picture; the lines it takes, 0 on failure.
    virtual int Kleinbild(const QByteArray &name) = 0;
};

// Where a word may be split with a hyphen: the import's optional hyphenation.
class Worttrennung {
public:
    virtual ~Worttrennung() = default;
    // The splits of `wort`, a run of Windows-1252 letters, as the number of letters
    // before the hyphen, ascending.
    virtual QList<int> trennstellen(QByteArrayView wort) = 0;
};

struct Importergebnis {
    bool ok = true; // false: a page could not be written
    int GeschriebeneSeiten = 0;
    QStringList MemoInhalt; // the contents lines
    // Headings on pages beyond 999, which the reader cannot show: the first of their
    // contents lines (-1 when there are none) and how many entries they make.
    int inhaltHinter999 = -1;
    int eintraegeHinter999 = 0;
    // Source lines (1-based) that held a run without a place to break, longer than a
    // page line can carry: the page keeps its layout and the excess is dropped.
    QList<int> gekuerzteZeilen;
};

// Runs the import of `text`. Each finished page goes to `seiteSchreiben`; when that
// returns false the import stops there. `gelesen`, when given, learns after each page
// how many bytes of the text lie behind the import: it never looks at them again.
// With `trennung`, a word that does not fit the line is split where it allows, with a
// hyphen, instead of being moved whole to the next line or cut without one; a word
// it cannot split is cut as without it, and no character of a long run is dropped.
Importergebnis Buchmachen(const QByteArray &text, const Importmasse &masse, Bildquelle &bilder,
                          const std::function<bool(const book::Seitensatz &)> &seiteSchreiben,
                          const std::function<void(qsizetype)> &gelesen = {}, Worttrennung *trennung = nullptr);

// A contents entry for a heading on page `seite`, fitted to 237 pixels, appended to
// `memoInhalt`; an earlier entry of the same page gives up its number.
// `ueberschrift` in Windows-1252.
void InhaltZeile(QStringList &memoInhalt, QByteArray ueberschrift, int seite, const platform::ByteWidths &masse);

// Lines a word-wrapped text takes in a box `breite` pixels wide.
int UmbruchZeilen(const QByteArray &text, const platform::ByteWidths &masse, int breite);

// A picture name that stays inside its folder: no path separator, no "..", not empty,
// first character not below "0".
bool GueltigerBildname(const QString &name);
bool GueltigerBildname(QByteArrayView name); // in Windows-1252

} // namespace authoring
