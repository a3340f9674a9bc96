#include "app/views/titelanzeige.h"

#include "app/core/startlogik.h"
#include "book/views/buchpanel.h"
#include "platform/fonts.h"

#include <QLabel>

namespace app {

void TitelAnzeigen(QLabel &titel, QLabel &schatten, book::BuchPanel &buch, const projekt::Titelgestaltung &t,
                   int schriftgrad, int ppi, bool bildschirmtitel) {
    const QFont schrift = platform::screenFont("Arial", SkalierteGroesse(t.titelGroesse, schriftgrad), ppi, true);
    titel.setFont(schrift);
    schatten.setFont(schrift);
    titel.move(t.titelLinks, t.titelOben);
    schatten.move(t.schattenLinks, t.schattenOben);
    if (bildschirmtitel) {
        for (QLabel *l : {&titel, &schatten}) {
            l->setText(t.titel);
            l->adjustSize();
        }
    }
    buch.TitelseiteSetzen(t.titel, t.buchtitelOben,
                          platform::screenFont("Arial", SkalierteGroesse(t.buchtitelGroesse, schriftgrad), ppi, true),
                          t.untertitel, t.untertitelOben,
                          platform::screenFont("Arial", SkalierteGroesse(t.untertitelGroesse, schriftgrad), ppi));
}

} // namespace app
