#include "app/views/meldungen.h"

#include <QMessageBox>
#include <QPushButton>

namespace app {
namespace {

// A box whose buttons speak German whatever the system's language: Qt's own button
// texts would follow the locale, and no translation of them is shipped.
int fragen(QWidget *eltern, QMessageBox::Icon symbol, const QString &text,
           const QList<std::pair<QMessageBox::StandardButton, const char *>> &knoepfe) {
    QMessageBox box(symbol, QStringLiteral("Pagora"), text, QMessageBox::NoButton, eltern);
    for (const auto &[knopf, beschriftung] : knoepfe)
        box.addButton(knopf)->setText(QMessageBox::tr(beschriftung));
    box.setDefaultButton(knoepfe.last().first);
    box.setEscapeButton(knoepfe.last().first);
    return box.exec();
}

} // namespace

void Meldungsboxen::zeigen(Art art, const QString &text) {
    const QMessageBox::Icon symbol = art == Art::Fehler    ? QMessageBox::Critical
                                     : art == Art::Warnung ? QMessageBox::Warning
                                                           : QMessageBox::Information;
    fragen(eltern_, symbol, text, {{QMessageBox::Ok, QT_TR_NOOP("OK")}});
}

bool Meldungsboxen::okAbbrechen(const QString &text) {
    return fragen(eltern_, QMessageBox::Question, text,
                  {{QMessageBox::Ok, QT_TR_NOOP("OK")}, {QMessageBox::Cancel, QT_TR_NOOP("Abbrechen")}}) ==
           QMessageBox::Ok;
}

bool Meldungsboxen::jaNein(const QString &text) {
    return fragen(eltern_, QMessageBox::Warning, text,
                  {{QMessageBox::Yes, QT_TR_NOOP("Ja")}, {QMessageBox::No, QT_TR_NOOP("Nein")}}) == QMessageBox::Yes;
}

} // namespace app
