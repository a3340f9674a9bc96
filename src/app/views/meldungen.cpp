#include "app/views/meldungen.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace app {
namespace {

// A box whose buttons speak the program's language: Qt's own button texts would follow
// the locale, and no translation of them is shipped. The captions are this file's own
// texts, translated in its own context.
int fragen(QWidget *eltern, QMessageBox::Icon symbol, const QString &text,
           const QList<std::pair<QMessageBox::StandardButton, const char *>> &knoepfe) {
    QMessageBox box(symbol, QStringLiteral("Pagora"), text, QMessageBox::NoButton, eltern);
    for (const auto &[knopf, beschriftung] : knoepfe)
        box.addButton(knopf)->setText(QCoreApplication::translate("app::Meldungsboxen", beschriftung));
    box.setDefaultButton(knoepfe.last().first);
    box.setEscapeButton(knoepfe.last().first);
    return box.exec();
}

} // namespace

void Meldungsboxen::zeigen(Art art, const QString &text) {
    const QMessageBox::Icon symbol = art == Art::Fehler    ? QMessageBox::Critical
                                     : art == Art::Warnung ? QMessageBox::Warning
                                                           : QMessageBox::Information;
    fragen(eltern_, symbol, text, {{QMessageBox::Ok, QT_TRANSLATE_NOOP("app::Meldungsboxen", "OK")}});
}

bool Meldungsboxen::okAbbrechen(const QString &text) {
    return fragen(eltern_, QMessageBox::Question, text,
                  {{QMessageBox::Ok, QT_TRANSLATE_NOOP("app::Meldungsboxen", "OK")},
                   {QMessageBox::Cancel, QT_TRANSLATE_NOOP("app::Meldungsboxen", "Abbrechen")}}) == QMessageBox::Ok;
}

bool Meldungsboxen::jaNein(const QString &text) {
    return fragen(eltern_, QMessageBox::Warning, text,
                  {{QMessageBox::Yes, QT_TRANSLATE_NOOP("app::Meldungsboxen", "Ja")},
                   {QMessageBox::No, QT_TRANSLATE_NOOP("app::Meldungsboxen", "Nein")}}) == QMessageBox::Yes;
}

} // namespace app
