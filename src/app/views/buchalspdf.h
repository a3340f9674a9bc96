#pragma once
// A whole part of the book as a PDF ("Buch als PDF speichern", `pagora-tool pdf`): one
// spread per page as the screen lays it out and as it is printed, the text as text (so
// it can be searched and copied), pictures with all their pixels, and the part's
// contents as the PDF's bookmarks.
#include "app/core/zustand.h"
#include "book/core/buchseite.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace book {
class BuchPanel;
}

namespace app {

class Buchlenkung;

struct PdfAuftrag {
    book::Buchseite::Teil teil = book::Buchseite::Teil::Text;
    int von = 1; // pages of the part, both included
    int bis = 1 << 30;
    QString titel; // the document's title
};

// The right page numbers of the spreads that hold pages von..bis of the part.
QList<int> PdfAufschlaege(const Zustand &z, const PdfAuftrag &auftrag);

// The PDF's bytes; nothing when `fortschritt(fertig, alle)` said stop (it is asked
// after every spread). The book shows the spread it showed before when done.
std::optional<QByteArray> BuchAlsPdf(Buchlenkung &lenkung, book::BuchPanel &buch, Zustand &z, const PdfAuftrag &auftrag,
                                     const std::function<bool(int, int)> &fortschritt = {});

} // namespace app
