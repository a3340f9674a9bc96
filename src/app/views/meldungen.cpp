#include "app/views/meldungen.h"

#include <QMessageBox>

namespace app {

void Meldungsboxen::zeigen(Art art, const QString &text) {
    const QString titel = QStringLiteral("Pagora");
    switch (art) {
    case Art::Fehler: QMessageBox::critical(eltern_, titel, text); break;
    case Art::Information: QMessageBox::information(eltern_, titel, text); break;
    case Art::Warnung: QMessageBox::warning(eltern_, titel, text); break;
    }
}

bool Meldungsboxen::okAbbrechen(const QString &text) {
    return QMessageBox::question(eltern_, QStringLiteral("Pagora"), text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Cancel) == QMessageBox::Ok;
}

bool Meldungsboxen::jaNein(const QString &text) {
    return QMessageBox::warning(eltern_, QStringLiteral("Pagora"), text, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

} // namespace app
