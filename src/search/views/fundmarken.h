#pragma once
// A text hit marked on the spread: the found word in every line of both pages where the
// search's folding finds it. Turning the page or the next search takes the marks away.
class QString;

namespace book {
class BuchPanel;
}

namespace search {

// `suchbegriff` as typed; it is folded here as the search folds it.
void FundeMarkieren(book::BuchPanel &buch, const QString &suchbegriff, bool tolerant);
void FundeLoeschen(book::BuchPanel &buch);

} // namespace search
