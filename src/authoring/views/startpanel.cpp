#include "authoring/views/startpanel.h"

#include "authoring/views/bearbeitungskontext.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace authoring {

Startpanel::Startpanel(Bearbeitungskontext &kontext) : Aufgabenpanel(kontext, "Panel1DemoOderProjekt") {
    auto eintrag = [this](const char *name, const QString &text, Eintrag wofuer) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAccessibleName(text.trimmed());
        // Buttons that look and take the focus like buttons (Tab reaches them, Space and
        // Enter run them), not lines of text.
        b->setFocusPolicy(Qt::StrongFocus);
        b->setAutoDefault(true);
        b->setFont(kontext_.schrift());
        connect(b, &QPushButton::clicked, this, [this, wofuer] { Q_EMIT gewaehlt(wofuer); });
        return b;
    };
    QPushButton *projektwechsel = eintrag("ImageRunDemo", tr("Wechseln zwischen Projekten"), Eintrag::Projektwechsel);
    QPushButton *textImport = eintrag("ImageTextImport", tr("Text importieren"), Eintrag::TextImport);
    QPushButton *neuesProjekt = eintrag("ImageFundamentals", tr("Neues Projekt"), Eintrag::NeuesProjekt);
    QPushButton *neueBilder = eintrag("ImageNeueBilder", tr("Neue Bilder in die Liste aufnehmen"), Eintrag::NeueBilder);
    QPushButton *insAlbum = eintrag("ImageBilderInsAlbum", tr("Bilder ins Album einkleben"), Eintrag::BilderInsAlbum);
    QPushButton *titel = eintrag("PanelProjektTitel", tr("Titel "), Eintrag::Titel);
    QPushButton *register_ = eintrag("PanelRegister", tr("Griffregister"), Eintrag::Register);
    QPushButton *inhalt =
        eintrag("Inhaltsverzeichnisbearbeiten", tr("Inhaltsverzeichnis"), Eintrag::Inhaltsverzeichnis);
    QPushButton *copyright = eintrag("PanelCopyright", tr("Copyright"), Eintrag::Copyright);

    auto *spalten = new QVBoxLayout(this);
    spalten->setContentsMargins(12, 12, 12, 12);
    for (QPushButton *b : {projektwechsel, neuesProjekt, textImport, neueBilder, insAlbum})
        spalten->addWidget(b);
    spalten->addSpacing(8);
    auto *gestaltung = new QGridLayout;
    gestaltung->addWidget(titel, 0, 0);
    gestaltung->addWidget(register_, 0, 1);
    gestaltung->addWidget(inhalt, 1, 0);
    gestaltung->addWidget(copyright, 1, 1);
    spalten->addLayout(gestaltung);
    spalten->addStretch();
}

} // namespace authoring
