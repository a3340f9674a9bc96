#include "app/views/ansichtmenue.h"

#include <QActionGroup>
#include <QMenu>
#include <QSettings>
#include <iterator>

namespace app {

AnsichtMenue::AnsichtMenue(QMenu &ansicht, Ansicht &werte, double passend, platform::Meldungen &meldungen)
    : QObject(&ansicht), werte_(werte), meldungen_(meldungen) {
    ansicht.addSeparator();
    QMenu *groesse = ansicht.addMenu(tr("Buchgröße"));
    groesse->menuAction()->setObjectName("Buchgroesse1");
    auto *gruppe = new QActionGroup(groesse);
    auto wahl = [&](const QString &text, const Buchgroesse &g) {
        QAction *a = groesse->addAction(text);
        a->setObjectName("Buchgroesse_" + g.alsText());
        a->setCheckable(true);
        a->setChecked(g == werte_.buchgroesse);
        gruppe->addAction(a);
        connect(a, &QAction::triggered, this, [this, g] { buchgroesseWaehlen(g); });
        return a;
    };
    wahl(tr("Passend"), {Buchgroesse::Art::Passend, 1.0});
    wahl(tr("Original"), {Buchgroesse::Art::Original, 1.0});
    static const char *const fach[] = {QT_TR_NOOP("1,5-fach"), QT_TR_NOOP("2-fach"), QT_TR_NOOP("3-fach")};
    static_assert(std::size(fach) == std::size(kFesteFaktoren));
    // A step larger than the screen holds the book is offered, but cannot be chosen.
    for (size_t i = 0; i < std::size(fach); ++i)
        wahl(tr(fach[i]), {Buchgroesse::Art::Faktor, kFesteFaktoren[i]})->setEnabled(kFesteFaktoren[i] <= passend);

    QAction *blaettern = ansicht.addAction(tr("Blättern zeigen"));
    blaettern->setObjectName("BlaetternZeigen1");
    blaettern->setCheckable(true);
    blaettern->setChecked(werte_.blaetternZeigen);
    connect(blaettern, &QAction::toggled, this, [this](bool an) {
        werte_.blaetternZeigen = an;
        sichern();
    });
}

void AnsichtMenue::buchgroesseWaehlen(const Buchgroesse &groesse) {
    if (groesse == werte_.buchgroesse) return;
    werte_.buchgroesse = groesse;
    sichern();
    meldungen_.zeigen(platform::Meldungen::Art::Information,
                      tr("Pagora zeigt das Buch in der neuen Größe, sobald Sie es das nächste Mal starten."));
}

void AnsichtMenue::sichern() const {
    QSettings vorlieben(QSettings::UserScope, QStringLiteral("Pagora"), QStringLiteral("Pagora"));
    werte_.schreiben(vorlieben);
}

} // namespace app
