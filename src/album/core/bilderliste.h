#pragma once
// The picture list in memory ("Pages\<name>.3"): one line per album cell, "NAME:text" for
// a picture, a line without ":" for a section title (":I:" before it on a title screen),
// empty or space-led lines for empty cells. The picture view, the album sheet and the
// search read it; the authoring side edits it.
#include <QStringList>

namespace album {

class Bilderliste {
public:
    void setzen(QStringList zeilen) { zeilen_ = std::move(zeilen); }
    void leeren() { zeilen_.clear(); }
    const QStringList &zeilen() const { return zeilen_; }
    int anzahl() const { return int(zeilen_.size()); }
    // Line i, empty outside the list.
    QString zeile(int i) const { return i >= 0 && i < zeilen_.size() ? zeilen_[i] : QString(); }
    // An empty cell: an empty or space-led line inside the list.
    bool leer(int i) const;

    // The line after `index` for the next-picture command: one on, then past empty cells,
    // never beyond the last line.
    int Naechste(int index) const;
    // The line before `index`: one back, and past one empty cell, never before the first.
    int Vorige(int index) const;
    // The picture text of the first line naming picture `name` (upper case), at most 255
    // characters; empty when no line names it.
    QString BildtextFuer(const QString &name) const;
    // The last line whose name part is exactly `name`; -1 when none is.
    int IndexVon(const QString &name) const;
    // The last line whose upper-cased name part is `name` upper-cased; -1 when none is.
    int IndexNachListenname(const QString &name) const;

private:
    QStringList zeilen_;
};

// Vierstellig: the decimal text of n, zero-padded to four characters, cut to four.
QString Vierstellig(int n);
// OhneTilde: the text without its first "~".
QString OhneTilde(QString text);
// ListenzeileZerlegen: name (upper-cased, before the first ":") and the rest of a
// picture list line; without ":" the name is empty and the rest is the whole line.
void ListenzeileZerlegen(const QString &zeile, QString *rest, QString *name);

} // namespace album
