#include "authoring/views/rahmendaten.h"

#include "authoring/core/projektanlage.h"
#include "authoring/views/bearbeitungskontext.h"
#include "book/core/buchseite.h"
#include "project/core/exelaufwerk.h"
#include "project/core/projektdateien.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace authoring {

using Art = platform::Meldungen::Art;

Rahmendaten::Rahmendaten(Bearbeitungskontext &kontext) : Aufgabenpanel(kontext, "Panel4Rahmendaten") {
    LabelRahmendaten = new QLabel(this);
    LabelRahmendaten->setObjectName("LabelRahmendaten");
    LabelRahmendaten->setWordWrap(true);
    EditProgrammName = new QLineEdit(this);
    EditProgrammName->setObjectName("EditProgrammName");
    EditProgrammName->setAccessibleName(tr("Programm-Name"));
    EditProjektVerzeichnis = new QLineEdit(this);
    EditProjektVerzeichnis->setObjectName("EditProjektVerzeichnis");
    EditProjektVerzeichnis->setAccessibleName(tr("Verzeichnis"));
    LabelEingabeHinweis = new QLabel(tr("Eingabe mit Enter bestätigen, mit Esc abbrechen"), this);
    LabelEingabeHinweis->setObjectName("LabelEingabeHinweis");
    BitBtnProjektOK = new QPushButton(tr("OK"), this);
    BitBtnProjektOK->setObjectName("BitBtnProjektOK");
    BitBtnNotOk = new QPushButton(tr("Abbrechen"), this);
    BitBtnNotOk->setObjectName("BitBtnNotOk");
    for (QLineEdit *e : {EditProgrammName, EditProjektVerzeichnis})
        e->installEventFilter(this);
    connect(BitBtnProjektOK, &QPushButton::clicked, this, &Rahmendaten::BitBtnProjektOKClick);
    connect(BitBtnNotOk, &QPushButton::clicked, this, [this] { kontext_.abbrechen(); });

    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(16, 12, 16, 12);
    spalte->addWidget(LabelRahmendaten);
    auto *felder = new QFormLayout;
    felder->addRow(tr("Programm-Name"), EditProgrammName);
    felder->addRow(tr("Verzeichnis"), EditProjektVerzeichnis);
    spalte->addLayout(felder);
    spalte->addWidget(LabelEingabeHinweis);
    spalte->addStretch();
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(BitBtnProjektOK);
    knoepfe->addWidget(BitBtnNotOk);
    spalte->addLayout(knoepfe);
}

void Rahmendaten::hinweisLeeren() {
    LabelEingabeHinweis->clear();
}

void Rahmendaten::zurEingabe() {
    LabelRahmendaten->setText(
        tr("Was Ihr Projekt zuerst braucht, sind ein Programmname und ein Dateiverzeichnis. Wenn beides angelegt "
           "ist, kommen die Feinheiten (Titel, Bildschirm-Optionen, Copyright)"));
    stufe_ = Eingabe;
}

void Rahmendaten::ImageFundamentalsClick() {
    const projekt::Zustand &z = kontext_.zustand();
    kontext_.verbergen();
    zurEingabe();
    // The folder is shown without the "\" the setting ends in, so that it passes the
    // file-name test when the author keeps it.
    QString ordner = z.ProjektPfad;
    while (ordner.endsWith('\\'))
        ordner.chop(1);
    EditProgrammName->setText(z.ProgrammName);
    EditProjektVerzeichnis->setText(ordner);
    for (QLineEdit *e : {EditProgrammName, EditProjektVerzeichnis}) {
        e->selectAll();
        e->setModified(false);
    }
    kontext_.Auswahl(Aufgabe::NeuesProjekt);
    EditProgrammName->setFocus();
}

void Rahmendaten::BitBtnProjektOKClick() {
    platform::Meldungen &m = kontext_.meldungen();
    for (const QLineEdit *e : {EditProgrammName, EditProjektVerzeichnis}) {
        if (const auto warnung = DateinamenPruefen(e->text())) {
            m.zeigen(Art::Warnung, *warnung);
            return;
        }
    }
    if (stufe_ == Eingabe) {
        const bool name = EditProgrammName->isModified();
        const bool ordner = EditProjektVerzeichnis->isModified();
        if (!name && !ordner) {
            kontext_.verbergen();
            return;
        }
        // Everything the creation would refuse is said at the first OK, not after the confirmation.
        const projekt::Zustand &zustand = kontext_.zustand();
        const projekt::Laufwerksergebnis lw = projekt::ExeLaufwerk(zustand.dateien, zustand.programmDatei);
        if (lw.status == projekt::Laufwerksergebnis::Status::Gefunden) {
            const Projektauftrag auftrag{lw.ort.stamm, EditProgrammName->text(), EditProjektVerzeichnis->text()};
            if (const auto warnung = ProjektPruefen(zustand.dateien, auftrag)) {
                m.zeigen(Art::Warnung, *warnung);
                return;
            }
        }
        if (!ordner && !m.jaNein(tr("Das Projektverzeichnis wurde nicht geändert. Trotzdem fortfahren?"))) return;
        if (!name && !m.jaNein(tr("Der Programmname wurde nicht geändert. Trotzdem fortfahren?"))) return;
        // What the new project takes: the programme copy and the standard help it gets.
        const projekt::Zustand &z = kontext_.zustand();
        qint64 bytes = 0;
        for (const QString &vorlage :
             {QStringLiteral("Projekt.dat"), QStringLiteral("default.6"), QStringLiteral("default.7")})
            bytes += qMax<qint64>(0, z.dateien.size(z.StammVerzeichnis + "Help\\" + vorlage));
        const qint64 mb = qMax<qint64>(1, (bytes + (1 << 20) - 1) >> 20);
        LabelRahmendaten->setText(tr("Das folgende Projektverzeichnis und die dazu gehörenden Programmdateien "
                                     "erstellen? (Platzbedarf ca. %1 MB)")
                                      .arg(mb));
        stufe_ = Bestaetigung;
        kontext_.Auswahl(Aufgabe::NeuesProjekt);
    } else if (stufe_ == Bestaetigung) {
        anlegen();
    }
}

void Rahmendaten::anlegen() {
    projekt::Zustand &z = kontext_.zustand();
    platform::Meldungen &m = kontext_.meldungen();
    const projekt::Laufwerksergebnis lw = projekt::ExeLaufwerk(z.dateien, z.programmDatei);
    if (lw.status != projekt::Laufwerksergebnis::Status::Gefunden) {
        m.zeigen(Art::Warnung, tr("Legen Sie die CD in ihr Laufwerk!"));
        return;
    }
    const QString name = EditProgrammName->text();
    const QString ordner = EditProjektVerzeichnis->text();
    const Projektauftrag auftrag{lw.ort.stamm, name, ordner};
    // An existing project is never started over silently: only the author's explicit
    // answer resets its settings; closing the question keeps them.
    Einstellungsbeginn beginn = Einstellungsbeginn::Neu;
    if (projekt::GueltigerProgrammName(name) && EinstellungenVorhanden(z.dateien, auftrag)) {
        const bool zuruecksetzen =
            m.jaNein(tr("Das Projekt \"%1\" gibt es schon. Sollen seine Einstellungen (Titel, Register, Hintergrund, "
                        "Lesezeichen und alle anderen) zurückgesetzt werden? Mit \"Nein\" bleiben sie erhalten.")
                         .arg(name));
        beginn = zuruecksetzen ? Einstellungsbeginn::Neu : Einstellungsbeginn::Behalten;
    }
    const Projektergebnis r = ProjektAnlegen(z.dateien, auftrag);
    for (const QString &w : r.warnungen)
        m.zeigen(Art::Warnung, w);
    if (r.status != Projektergebnis::Status::Fertig) {
        m.zeigen(r.status == Projektergebnis::Status::Abgelehnt ? Art::Warnung : Art::Fehler, r.meldung);
        // A corrected entry is confirmed afresh.
        zurEingabe();
        return;
    }
    Buchsteuerung *buch = kontext_.buch();
    const QString ini = z.dateien.native(auftrag.stammVerzeichnis + name + ".ini");
    if (!NeuesProjektEinstellen(z, auftrag, beginn)) {
        m.zeigen(Art::Fehler, tr("Die Einstellungsdatei %1 kann nicht gelesen oder geschrieben werden.").arg(ini));
        if (beginn == Einstellungsbeginn::Behalten) return; // the open project stays
    }
    if (buch) buch->ProjektReset();
    stufe_ = Nichts;
    kontext_.verbergen();
    if (buch) {
        buch->Fensterfarbe(Qt::black);
        buch->IniAuswerten();
        // The screen title names the new project, not the one shown before.
        buch->ProjekttitelZeigen(z.einstellungen.wert("Title"));
        buch->SeitenZeigen(book::Buchseite::anfang(book::Buchseite::Teil::Hilfe).zahl);
    }
}

bool Rahmendaten::eventFilter(QObject *obj, QEvent *event) {
    if (event->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent *>(event)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            BitBtnProjektOKClick();
            return true;
        }
        if (taste == Qt::Key_Escape) {
            kontext_.verbergen();
            return true;
        }
    }
    return Aufgabenpanel::eventFilter(obj, event);
}

} // namespace authoring
