#pragma once
// One page of the open book: up to 28 text lines in fixed 13-pixel rows, drawn over
// the paper of the book picture. Read-only, keys going to the main window, unless it
// is made writable: then an edit field in the same font and rows lies on the page.
// Found words can be marked on it; screen readers read its lines as text.
#include <QStringList>
#include <QWidget>

class QTextEdit;

namespace book {

class SeitenMemo : public QWidget {
    Q_OBJECT
public:
    static constexpr int kZeilenHoehe = 13;

    explicit SeitenMemo(QWidget *parent = nullptr);
    // While the page is writable, the text being written stays on it. New lines take
    // the marks away.
    void setZeilen(const QStringList &zeilen);
    const QStringList &zeilen() const { return zeilen_; }
    void leeren() { setZeilen({}); }

    // Writable: the lines go into the edit field and come back as the author types,
    // exactly as typed (no wrapping). Read-only again, the page shows the typed lines.
    void setSchreibbar(bool schreibbar);
    bool schreibbar() const;
    QTextEdit *schreibfeld() const { return schreibfeld_; }

    // Characters of a row marked with a light ground (a found word).
    struct Markierung {
        int zeile = 0;
        int anfang = 0;
        int laenge = 0;
        friend bool operator==(const Markierung &, const Markierung &) = default;
    };
    void setMarkierungen(const QList<Markierung> &markierungen);
    const QList<Markierung> &markierungen() const { return markierungen_; }
    // Where `laenge` characters of row `zeile` from `anfang` lie on the page.
    QRect zeichenRechteck(int zeile, int anfang, int laenge) const;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    void schreibfeldAnlegen();
    QStringList zeilen_;
    QList<Markierung> markierungen_;
    QTextEdit *schreibfeld_ = nullptr;
};

} // namespace book
