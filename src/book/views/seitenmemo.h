#pragma once
// One page of the open book: up to 28 text lines in fixed 13-pixel rows, drawn over
// the paper of the book picture. Read-only; keys go to the main window.
#include <QStringList>
#include <QWidget>

namespace book {

class SeitenMemo : public QWidget {
    Q_OBJECT
public:
    static constexpr int kZeilenHoehe = 13;

    explicit SeitenMemo(QWidget *parent = nullptr);
    void setZeilen(const QStringList &zeilen);
    const QStringList &zeilen() const { return zeilen_; }
    void leeren() { setZeilen({}); }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QStringList zeilen_;
};

} // namespace book
