#pragma once
// The searches: through a page file from its current record, and through the mark
// files of the album; and the size of the found-list window.
#include "platform/files.h"
#include "platform/recordfile.h"

#include <QStringList>
#include <optional>

namespace search {

struct Textfund {
    int position = 0; // the record after the one holding the hit: the page to show
    int zeile = 0;    // the last matching line of that record, 1..29
    QByteArray text;  // that line's text columns as stored, so nobody reads the record again
};
// Reads on from the file's position until a record has a line holding `begriff` (already
// folded). Nothing when the end is reached without a hit.
std::optional<Textfund> SeitendateiDurchsuchen(platform::RecordFile &datei, const QString &begriff, bool tolerant);

// The same for one term through many hits: the term is prepared once, not at each hit.
class Seitensuche {
public:
    Seitensuche(const QString &begriff, bool tolerant);
    std::optional<Textfund> weiter(platform::RecordFile &datei) const;

private:
    bool moeglich_ = false; // a term Windows-1252 can hold
    bool tolerant_;
    QByteArray begriff_; // in Windows-1252
    QList<char> folge_;  // its fixed letters in order
};

struct Albumfund {
    QString bild;      // the picture's name
    int x = 0, y = 0;  // the mark's position on the picture
    QString kommentar; // the mark's comment
    QString zeile;     // the whole mark line + ">" + picture name (ListBox1)
    QString anzeige;   // the comment (at most 245 characters) + ">" + name (ListBoxFund)
};
// Every mark whose comment holds the term, over the mark files of pictures that exist.
QList<Albumfund> BilderDurchsuchen(const platform::Files &dateien, const QString &projektVerzeichnis,
                                   const QString &begriff, bool tolerant);

struct Fundlistenmass {
    int listeOben = 0;
    int listeHoehe = 172;
    int fensterHoehe = 200;
    bool zweiSpalten = false;
};
// The found list for `treffer` hits on a screen `bildschirmHoehe` high (items 16 high).
Fundlistenmass FundlisteBemessen(int treffer, int bildschirmHoehe);

} // namespace search
