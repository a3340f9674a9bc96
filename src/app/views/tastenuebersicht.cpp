#include "app/views/tastenuebersicht.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace app {

QList<Tastenzeile> Tastenbelegung() {
    return Tastenuebersicht::belegung();
}

QList<Tastenzeile> Tastenuebersicht::belegung() {
    static const char *const paare[][2] = {
        {QT_TR_NOOP("Pfeil rechts, Pfeil unten, Bild ab"),
         QT_TR_NOOP("weiterblättern; in der Bildansicht das nächste Bild")},
        {QT_TR_NOOP("Pfeil links, Pfeil oben, Bild auf"),
         QT_TR_NOOP("zurückblättern; in der Bildansicht das vorige Bild")},
        {QT_TR_NOOP("Pos1"), QT_TR_NOOP("Inhaltsverzeichnis des aufgeschlagenen Teils")},
        {QT_TR_NOOP("Ende"), QT_TR_NOOP("letzte Doppelseite des aufgeschlagenen Teils")},
        {QT_TR_NOOP("F1"), QT_TR_NOOP("die Hilfe, dort, wo Sie zuletzt gelesen haben")},
        {QT_TR_NOOP("?"), QT_TR_NOOP("diese Tastenübersicht")},
        {QT_TR_NOOP("Strg+T"), QT_TR_NOOP("im Text weiterlesen")},
        {QT_TR_NOOP("Strg+A"), QT_TR_NOOP("das Album")},
        {QT_TR_NOOP("Strg+F"), QT_TR_NOOP("die Suchleiste")},
        {QT_TR_NOOP("F3, Eingabe"), QT_TR_NOOP("in der Suchleiste: die nächste Fundstelle")},
        {QT_TR_NOOP("Strg+L"), QT_TR_NOOP("die Fundliste der Bildersuche")},
        {QT_TR_NOOP("F5"), QT_TR_NOOP("Bildlauf: die Bilder nacheinander zeigen")},
        {QT_TR_NOOP("Strg+P"), QT_TR_NOOP("die Doppelseite oder das Bild drucken")},
        {QT_TR_NOOP("Strg+H"), QT_TR_NOOP("Hintergrundbild wählen")},
        {QT_TR_NOOP("F11"), QT_TR_NOOP("in einem Fenster zeigen")},
        {QT_TR_NOOP("Strg+B"), QT_TR_NOOP("Bearbeitung: Projekte, Texte, Bilder und Gestaltung")},
        {QT_TR_NOOP("F10"), QT_TR_NOOP("das Menü „Ansicht“: Buchgröße und Blättern zeigen")},
        {QT_TR_NOOP("Strg+1 bis Strg+4"), QT_TR_NOOP("Lesezeichen 1 bis 4 aufschlagen oder in die Doppelseite legen")},
        {QT_TR_NOOP("Alt+1 bis Alt+5"), QT_TR_NOOP("die Register 1 bis 5")},
        {QT_TR_NOOP("Tab"),
         QT_TR_NOOP("zum nächsten Bedienelement: Inhaltsverzeichnis, Album-Bilder, Register, Lesezeichen, Bilder im "
                    "Text, „Anleitung nicht mehr zeigen“, in der Suchleiste die Suchbereiche")},
        {QT_TR_NOOP("Eingabe, Leertaste"), QT_TR_NOOP("das gewählte Bedienelement auslösen: Bild öffnen, Register "
                                                      "aufschlagen, Suchbereich wählen, Haken setzen")},
        {QT_TR_NOOP("Pfeiltasten im Album"), QT_TR_NOOP("von Bild zu Bild")},
        {QT_TR_NOOP("Entf auf einem Lesezeichen"), QT_TR_NOOP("das Lesezeichen aus dem Buch nehmen")},
        {QT_TR_NOOP("N, Umschalt+N"), QT_TR_NOOP("in der Bildansicht: die nächste oder vorige Markierung")},
        {QT_TR_NOOP("M"),
         QT_TR_NOOP("in der Bildansicht: eine Markierung an der gewählten Stelle oder in der Bildmitte setzen")},
        {QT_TR_NOOP("Entf"), QT_TR_NOOP("in der Bildansicht: die gewählte Markierung löschen")},
        {QT_TR_NOOP("B"), QT_TR_NOOP("in der Bildansicht: den Bildtext lesen und bearbeiten")},
        {QT_TR_NOOP("+, −"),
         QT_TR_NOOP("in der Bildansicht: die vergrößerte Kopie an der gewählten Stelle zeigen, verbergen")},
        {QT_TR_NOOP("Esc"),
         QT_TR_NOOP("zurück: schließt die Suchleiste und Dialoge, führt aus der Bildansicht zum Buch")},
        {QT_TR_NOOP("Strg+Q"), QT_TR_NOOP("Pagora beenden")},
    };
    QList<Tastenzeile> zeilen;
    for (const auto &paar : paare)
        zeilen.append({tr(paar[0]), tr(paar[1])});
    return zeilen;
}

Tastenuebersicht::Tastenuebersicht(QWidget *parent) : QDialog(parent) {
    setObjectName("Tastenuebersicht");
    setWindowTitle(tr("Tasten"));
    const QList<Tastenzeile> zeilen = Tastenbelegung();
    Tabelle = new QTableWidget(int(zeilen.size()), 2, this);
    Tabelle->setObjectName("TabelleTasten");
    Tabelle->setAccessibleName(tr("Tasten"));
    Tabelle->setHorizontalHeaderLabels({tr("Taste"), tr("Wirkung")});
    Tabelle->verticalHeader()->hide();
    Tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabelle->setWordWrap(true);
    for (int i = 0; i < zeilen.size(); ++i) {
        Tabelle->setItem(i, 0, new QTableWidgetItem(zeilen[i].tasten));
        Tabelle->setItem(i, 1, new QTableWidgetItem(zeilen[i].wirkung));
    }
    Tabelle->setColumnWidth(0, 190);
    Tabelle->horizontalHeader()->setStretchLastSection(true);
    Tabelle->resizeRowsToContents();
    auto *knoepfe = new QDialogButtonBox(QDialogButtonBox::Close, this);
    knoepfe->button(QDialogButtonBox::Close)->setText(tr("Schließen"));
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *spalte = new QVBoxLayout(this);
    spalte->addWidget(Tabelle);
    spalte->addWidget(knoepfe);
    resize(640, 520);
}

} // namespace app
