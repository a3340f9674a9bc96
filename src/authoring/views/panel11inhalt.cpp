#include "authoring/views/panel11inhalt.h"

#include "authoring/views/bearbeitungskontext.h"
#include "authoring/views/inhaltsbearbeitung.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace authoring {

Panel11Inhaltsverzeichnis::Panel11Inhaltsverzeichnis(Bearbeitungskontext &kontext)
    : Aufgabenpanel(kontext, "Panel11Inhaltsverzeichnis") {
    LabelInhalt =
        new QLabel(tr("Sie können den Text des Inhaltsverzeichnisses von Hand ändern (z.B. Leerzeilen einfügen, um das "
                      "Verzeichnis stärker zu strukturieren).") +
                       "\n\n" + tr("Wenn Sie fertig sind, klicken Sie auf \"Speichern\".") + "\n\n" +
                       tr("Alle anderen Einträge und Änderungen sollten Sie nicht im Inhaltsverzeichnis, sondern im "
                          "Text vornehmen "
                          "und danach die Textimportfunktion aufrufen."),
                   this);
    LabelInhalt->setObjectName("LabelInhalt");
    LabelInhalt->setWordWrap(true);

    PanelVerzeichnisAuswahl = new QWidget(this);
    PanelVerzeichnisAuswahl->setObjectName("PanelVerzeichnisAuswahl");
    auto *wahlText = new QLabel(tr("Wählen Sie eines der Inhaltsverzeichnisse aus:"), PanelVerzeichnisAuswahl);
    auto knopf = [this](QWidget *eltern, const char *name, const QString &text) {
        auto *b = new QPushButton(text, eltern);
        b->setObjectName(QString::fromLatin1(name));
        b->setAccessibleName(text);
        return b;
    };
    AuswahlLeseteil = knopf(PanelVerzeichnisAuswahl, "AuswahlLeseteil", tr("Leseteil"));
    AuswahlAlbum = knopf(PanelVerzeichnisAuswahl, "AuswahlAlbum", tr("Album"));
    AuswahlBenutzerHilfe = knopf(PanelVerzeichnisAuswahl, "AuswahlBenutzerHilfe", tr("Benutzer-Hilfe"));
    AuswahlAutorHilfe = knopf(PanelVerzeichnisAuswahl, "AuswahlAutorHilfe", tr("Autor-Hilfe"));
    connect(AuswahlLeseteil, &QPushButton::clicked, this, [this] { kontext_.NurInhaltsverzeichnis(1); });
    connect(AuswahlAlbum, &QPushButton::clicked, this, [this] { kontext_.NurInhaltsverzeichnis(0); });
    connect(AuswahlBenutzerHilfe, &QPushButton::clicked, this, [this] { kontext_.NurInhaltsverzeichnis(3); });
    connect(AuswahlAutorHilfe, &QPushButton::clicked, this, [this] { kontext_.NurInhaltsverzeichnis(2); });
    auto *wahl = new QGridLayout(PanelVerzeichnisAuswahl);
    wahl->setContentsMargins(0, 0, 0, 0);
    wahl->addWidget(wahlText, 0, 0, 1, 2);
    wahl->addWidget(AuswahlLeseteil, 1, 0);
    wahl->addWidget(AuswahlAlbum, 1, 1);
    wahl->addWidget(AuswahlBenutzerHilfe, 2, 0);
    wahl->addWidget(AuswahlAutorHilfe, 2, 1);

    PanelSaveContents = knopf(this, "PanelSaveContents", tr("Speichern"));
    BitBtn1 = knopf(this, "BitBtn1", tr("Abbrechen"));
    connect(PanelSaveContents, &QPushButton::clicked, this,
            [this] { kontext_.inhaltsbearbeitung().PanelSaveContentsClick(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { kontext_.abbrechen(); });

    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(16, 12, 16, 12);
    spalte->addWidget(PanelVerzeichnisAuswahl);
    spalte->addWidget(LabelInhalt);
    spalte->addStretch();
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(PanelSaveContents);
    knoepfe->addWidget(BitBtn1);
    spalte->addLayout(knoepfe);
}

void Panel11Inhaltsverzeichnis::auswahlZeigen(bool zeigen) {
    PanelVerzeichnisAuswahl->setVisible(zeigen);
}

} // namespace authoring
