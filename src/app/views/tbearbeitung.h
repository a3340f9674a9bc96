#pragma once
// The authoring window: one task panel at a time, chosen by Auswahl. It lives for the
// whole run, hidden until a task shows it, and stays on top of the book.
#include <QLabel>
#include <QWidget>

namespace app {

class TBearbeitung : public QWidget {
    Q_OBJECT
public:
    explicit TBearbeitung(QWidget *parent = nullptr);

    // Brings task panel `index` to the front and shows the window.
    void Auswahl(int index);
    int aktuellesPanel() const { return panel_; }
    // Starts a new project (the new-project panel).
    void ImageFundamentalsClick();

private:
    int panel_ = -1;
    QLabel *hinweis_;
};

} // namespace app
