#pragma once
// One page of the open book: up to 28 text lines in fixed 13-pixel rows, drawn over
// the paper of the book picture. Read-only, keys going to the main window, unless it
// is made writable: then an edit field in the same font and rows lies on the page.
#include <QStringList>
#include <QWidget>

class QTextEdit;

namespace book {

class SeitenMemo : public QWidget {
    Q_OBJECT
public:
    static constexpr int kZeilenHoehe = 13;

    explicit SeitenMemo(QWidget *parent = nullptr);
    // While the page is writable, the text being written stays on it.
    void setZeilen(const QStringList &zeilen);
    const QStringList &zeilen() const { return zeilen_; }
    void leeren() { setZeilen({}); }

    // Writable: the lines go into the edit field and come back as the author types,
    // exactly as typed (no wrapping). Read-only again, the page shows the typed lines.
    void setSchreibbar(bool schreibbar);
    bool schreibbar() const;
    QTextEdit *schreibfeld() const { return schreibfeld_; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    void schreibfeldAnlegen();
    QStringList zeilen_;
    QTextEdit *schreibfeld_ = nullptr;
};

} // namespace book
