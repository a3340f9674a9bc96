#pragma once
// Editing a table of contents on the open book: the contents memos lie over the
// contents page, the author retouches the entries there and saves them into the part's
// contents file(s), or cancels and the files stay as they were.
#include "project/core/projektort.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

class QPlainTextEdit;

namespace authoring {

class Bearbeitungskontext;

class Inhaltsbearbeitung : public QObject {
    Q_OBJECT
public:
    Inhaltsbearbeitung(Bearbeitungskontext &kontext, QObject *eltern);

    // The memos on the book, made when first asked for: `MemoInhalt` over the right
    // page's contents list, `MemoInhalt2` (album only) over the left page's.
    QPlainTextEdit *MemoInhalt();
    QPlainTextEdit *MemoInhalt2();

    // Part `teil` (0 album, 1 reading part, 2 author help, 3 user help) in the editing
    // state with these lines in the memos: the book on the part's contents page, its
    // lists empty, the memos shown, the window in the bottom-left corner, hidden for
    // the album and on panel 11 for the others.
    void InhaltZurBearbeitung(int teil, const QStringList &memo, const QStringList &memo2);
    // The same with the part's contents as its files hold them; help without a contents
    // file of its own starts from the standard help's. False, with a message, when the
    // file of the reading part or the album is missing or unreadable.
    bool NurInhaltsverzeichnis(int teil);
    // Writes the memos into the part's file(s): .1, .6, or .2 and .8 together. Then the
    // memos and the window go and the book shows the saved contents. A failed write is
    // reported; the old files and the memos stay.
    bool PanelSaveContentsClick();
    // Cancel: the memos go, the files are not touched, the book shows its contents again.
    void verbergen();
    bool aktiv() const;
    // The book shows page `seite`: the memos of a pending edit lie over their part's
    // contents page and nowhere else; there the hint line says how to save.
    void seiteGezeigt(int seite);

    // The lines of a memo as they are saved; an empty memo has none.
    static QStringList zeilen(const QPlainTextEdit *memo);
    // The contents page of a part: 0, 1000 or 2000.
    static int inhaltsseite(int teil);

protected:
    // MemoInhaltDblClick: a double click in MemoInhalt saves.
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    QPlainTextEdit *memoMachen(const char *name, int links);
    QString datei(projekt::Seitendatei welche) const;

    Bearbeitungskontext &kontext_;
    QPointer<QPlainTextEdit> memo_, memo2_;
    int teil_ = -1; // the part whose edit is pending, -1 for none
    void memosZeigen(bool zeigen);
};

} // namespace authoring
