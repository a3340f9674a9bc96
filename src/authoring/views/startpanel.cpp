#include "authoring/views/startpanel.h"

#include "authoring/views/tbearbeitung.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace authoring {

Startpanel::Startpanel(TBearbeitung &fenster) : Aufgabenpanel(fenster, "Panel1DemoOderProjekt") {
    auto eintrag = [this](const char *name, const QString &text, void (TBearbeitung::*handler)()) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAccessibleName(text.trimmed());
        // Buttons that look and take the focus like buttons (Tab reaches them, Space and
        // Enter run them), not lines of text.
        b->setFocusPolicy(Qt::StrongFocus);
        b->setAutoDefault(true);
        b->setFont(fenster_.font());
        connect(b, &QPushButton::clicked, &fenster_, handler);
        return b;
    };
    ImageRunDemo = eintrag("ImageRunDemo", tr("Wechseln zwischen Projekten"), &TBearbeitung::ImageRunDemoClick);
    ImageTextImport = eintrag("ImageTextImport", tr("Text importieren"), &TBearbeitung::ImageTextImportClick);
    ImageFundamentals = eintrag("ImageFundamentals", tr("Neues Projekt"), &TBearbeitung::ImageFundamentalsClick);
    ImageNeueBilder =
        eintrag("ImageNeueBilder", tr("Neue Bilder in die Liste aufnehmen"), &TBearbeitung::ImageNeueBilderClick);
    ImageBilderInsAlbum =
        eintrag("ImageBilderInsAlbum", tr("Bilder ins Album einkleben"), &TBearbeitung::ImageBilderInsAlbumClick);
    PanelProjektTitel = eintrag("PanelProjektTitel", tr("Titel "), &TBearbeitung::PanelProjektTitelClick);
    PanelRegister = eintrag("PanelRegister", tr("Griffregister"), &TBearbeitung::PanelRegisterClick);
    Inhaltsverzeichnisbearbeiten = eintrag("Inhaltsverzeichnisbearbeiten", tr("Inhaltsverzeichnis"),
                                           &TBearbeitung::InhaltsverzeichnisbearbeitenClick);
    PanelCopyright = eintrag("PanelCopyright", tr("Copyright"), &TBearbeitung::PanelCopyrightClick);

    auto *spalten = new QVBoxLayout(this);
    spalten->setContentsMargins(12, 12, 12, 12);
    for (QPushButton *b : {ImageRunDemo, ImageFundamentals, ImageTextImport, ImageNeueBilder, ImageBilderInsAlbum})
        spalten->addWidget(b);
    spalten->addSpacing(8);
    auto *gestaltung = new QGridLayout;
    gestaltung->addWidget(PanelProjektTitel, 0, 0);
    gestaltung->addWidget(PanelRegister, 0, 1);
    gestaltung->addWidget(Inhaltsverzeichnisbearbeiten, 1, 0);
    gestaltung->addWidget(PanelCopyright, 1, 1);
    spalten->addLayout(gestaltung);
    spalten->addStretch();
}

} // namespace authoring
