#include "authoring/views/albumfrage.h"

#include "authoring/views/bearbeitungskontext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace authoring {

Albumfrage::Albumfrage(Bearbeitungskontext &kontext) : Aufgabenpanel(kontext, "Panel3JetztDasAlbum") {
    LabelAlbumFrage = new QLabel(
        tr("Sollen die Bilder jetzt ins Album eingeklebt werden? Bei großen Bildarchiven kann das einige Minuten "
           "dauern. Bis dahin passen die Bildunterschriften im Album womöglich nicht zu den Fotos."),
        this);
    LabelAlbumFrage->setObjectName("LabelAlbumFrage");
    LabelAlbumFrage->setWordWrap(true);
    BitBtnJetzt = new QPushButton(tr("jetzt "), this);
    BitBtnJetzt->setObjectName("BitBtnJetzt");
    BitBtnSpaeter = new QPushButton(tr("später"), this);
    BitBtnSpaeter->setObjectName("BitBtnSpaeter");
    connect(BitBtnJetzt, &QPushButton::clicked, this, [this] { kontext_.bilderInsAlbum(); });
    connect(BitBtnSpaeter, &QPushButton::clicked, this, [this] { kontext_.abbrechen(); });

    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(16, 16, 16, 16);
    spalte->addWidget(LabelAlbumFrage);
    spalte->addStretch();
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(BitBtnJetzt);
    knoepfe->addWidget(BitBtnSpaeter);
    spalte->addLayout(knoepfe);
}

} // namespace authoring
