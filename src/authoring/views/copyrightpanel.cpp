#include "authoring/views/copyrightpanel.h"

#include "authoring/views/bearbeitungskontext.h"
#include "authoring/views/zweizeilig.h"
#include "platform/cp1252.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace authoring {

using Art = platform::Meldungen::Art;

Copyrightpanel::Copyrightpanel(Bearbeitungskontext &kontext) : Aufgabenpanel(kontext, "Panel10Copyright") {
    auto *anleitung =
        new QLabel(tr("Schreiben Sie direkt auf die Buchseite und klicken Sie auf OK um den Text zu speichern"), this);
    auto *hinweis = new QLabel(
        zusammengezogen(tr("Copyright- Vermerke werden üblicherweise oben oder unten auf der Seite angeordnet")), this);
    auto *beispiel = new QLabel(tr("Alle Rechte vorbehalten\n© 2026 Hanna Beispiel, Musterstadt"), this);
    beispiel->setObjectName("LabelCopyrightBeispiel");
    beispiel->setFrameShape(QFrame::Box);
    beispiel->setMargin(6);
    for (QLabel *l : {anleitung, hinweis})
        l->setWordWrap(true);
    PanelSave = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton), tr("OK"), this);
    PanelSave->setObjectName("PanelSave");
    BitBtn6 = new QPushButton(tr("Abbrechen"), this);
    BitBtn6->setObjectName("BitBtn6");
    connect(PanelSave, &QPushButton::clicked, this, &Copyrightpanel::PanelSaveClick);
    connect(BitBtn6, &QPushButton::clicked, this, [this] { kontext_.abbrechen(); });

    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(16, 12, 16, 12);
    spalte->addWidget(anleitung);
    spalte->addSpacing(8);
    spalte->addWidget(hinweis);
    spalte->addSpacing(8);
    spalte->addWidget(beispiel, 0, Qt::AlignHCenter);
    spalte->addStretch();
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(PanelSave);
    knoepfe->addWidget(BitBtn6);
    spalte->addLayout(knoepfe);
}

QString Copyrightpanel::seitendatei() const {
    const projekt::Zustand &z = kontext_.zustand();
    return z.ort.datei(projekt::Seitendatei::Copyright);
}

void Copyrightpanel::PanelCopyrightClick() {
    Buchsteuerung *buch = kontext_.buch();
    if (bearbeitung_) {
        // Back to a page still being written (the window was only hidden).
        kontext_.Auswahl(Aufgabe::Copyright);
        if (buch) buch->TextLinksSchreibbar(true);
        return;
    }
    if (buch) buch->SeitenZeigen(0);
    if (kontext_.zustand().AktuelleSeite != 0) {
        // Without the reading part's contents the page is not in the book.
        kontext_.verbergen();
        kontext_.meldungen().zeigen(Art::Information,
                                    tr("Die Copyright-Seite steht links neben dem Inhaltsverzeichnis des Textes. "
                                       "Importieren Sie zuerst einen Text."));
        return;
    }
    kontext_.inDieEcke(true);
    kontext_.Auswahl(Aufgabe::Copyright);
    if (buch) buch->TextLinksSchreibbar(true);
    bearbeitung_ = true;
}

void Copyrightpanel::PanelSaveClick() {
    Buchsteuerung *buch = kontext_.buch();
    if (!bearbeitung_ || !buch) {
        kontext_.verbergen();
        return;
    }
    platform::Meldungen &m = kontext_.meldungen();
    QStringList zeilen = buch->TextLinksZeilen();
    const QString fremd = platform::notInCp1252(zeilen.join('\n'));
    if (!fremd.isEmpty()) {
        if (!m.okAbbrechen(tr("Diese Zeichen können nicht gespeichert werden: %1\nOhne sie speichern?").arg(fremd)))
            return;
        for (QString &z : zeilen)
            z = platform::withoutNonCp1252(z);
    }
    // Empty lines beyond the page are no text; written lines beyond it are cut only
    // when the author agrees.
    while (zeilen.size() > kSeitenZeilen && zeilen.last().trimmed().isEmpty())
        zeilen.removeLast();
    if (zeilen.size() > kSeitenZeilen) {
        if (!m.okAbbrechen(tr("Die Seite fasst %1 Zeilen, der Text hat %2. Die Zeilen ab Zeile %3 werden nicht "
                              "gespeichert.\nSo speichern?")
                               .arg(kSeitenZeilen)
                               .arg(zeilen.size())
                               .arg(kSeitenZeilen + 1)))
            return;
        zeilen = zeilen.mid(0, kSeitenZeilen);
    }
    const projekt::Zustand &z = kontext_.zustand();
    if (!z.dateien.write(seitendatei(), platform::joinLines(zeilen))) {
        m.zeigen(Art::Fehler,
                 tr("Die Copyright-Seite kann nicht in %1 gespeichert werden.").arg(z.dateien.native(seitendatei())));
        return;
    }
    bearbeitung_ = false;
    buch->TextLinksSchreibbar(false);
    kontext_.verbergen();
    // The page as it is stored now.
    buch->SeitenZeigen(0);
}

void Copyrightpanel::beenden() {
    if (!bearbeitung_) return;
    bearbeitung_ = false;
    if (Buchsteuerung *buch = kontext_.buch()) buch->TextLinksSchreibbar(false);
}

} // namespace authoring
