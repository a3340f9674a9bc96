#pragma once
// The found-list window of the search. It lives for the whole run, hidden until the
// search or the menu shows it.
#include <QWidget>

namespace app {

class TFundliste : public QWidget {
    Q_OBJECT
public:
    explicit TFundliste(QWidget *parent = nullptr);
};

} // namespace app
