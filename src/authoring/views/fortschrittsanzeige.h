#pragma once
// The progress strip of the long authoring tasks, laid into the main window's strip at
// the bottom of the screen: a heading and a progress text such as "42 %".
#include <QObject>

class QLabel;
class QWidget;

namespace authoring {

class Fortschrittsanzeige : public QObject {
    Q_OBJECT
public:
    explicit Fortschrittsanzeige(QWidget *feld);

    void zeigen(const QString &ueberschrift, const QString &text);
    void setText(const QString &text);
    // Paints the strip now, while a long task keeps the event loop busy.
    void neuZeichnen();
    void verbergen();
    bool sichtbar() const;

private:
    QLabel *LabelFortschrittTitel;
    QLabel *LabelFortschritt;
    QWidget *feld_;
};

} // namespace authoring
