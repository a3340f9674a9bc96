#pragma once
// The search steering: the search bar, its scope and term, and the searches it starts.
// A text or help hit asks for its page; album hits go to whoever shows the found list.
#include "platform/files.h"
#include "platform/recordfile.h"
#include "platform/screen.h"
#include "search/core/suche.h"

#include <QObject>

class QWidget;

namespace search {

class Suchleiste;

class Suchsteuerung : public QObject {
    Q_OBJECT
public:
    // The bar is laid on `flaeche` when first used; the page files are read from their
    // current record on.
    Suchsteuerung(QWidget *flaeche, const platform::Files &dateien, const QString &projektVerzeichnis,
                  platform::RecordFile &textDatei, platform::RecordFile &hilfeDatei, const platform::Screen &screen);

    Suchleiste *PanelSuchen();
    // Closes the bar; false when it was not open.
    bool schliessen();
    void SuchenClick();
    // The scope: 0 album, 1 text, 2 help; the text and help search start again at the front.
    void BevelImBuch(int bereich);
    void BitBtn3Click();
    int Suchbereich = 0;
    QString Suchbegriff;
    // The tolerant check box as the last search took it.
    bool Schreibungstolerant = true;

Q_SIGNALS:
    // A search starts: what the last one marked goes.
    void sucheBeginnt();
    // A hit in the text or the help: `seite` as the book counts pages, `zeile` 1..29 of
    // the hit, `links` when it is on the left page.
    void textGefunden(int seite, int zeile, bool links);
    // The album search ended, with or without hits.
    void albumGesucht(const QList<search::Albumfund> &funde);

private:
    QWidget *flaeche_;
    const platform::Files &dateien_;
    const QString &projektVerzeichnis_;
    platform::RecordFile &textDatei_;
    platform::RecordFile &hilfeDatei_;
    const platform::Screen &screen_;
    void nichtGefundenVerbergen();
    Suchleiste *suchleiste_ = nullptr;
};

} // namespace search
