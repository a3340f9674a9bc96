#include "authoring/views/demoladen.h"

#include "authoring/views/bearbeitungskontext.h"
#include "authoring/views/zweizeilig.h"
#include "project/core/exelaufwerk.h"
#include "project/core/projektdateien.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace authoring {

using Art = platform::Meldungen::Art;

DemoLaden::DemoLaden(Bearbeitungskontext &kontext) : Aufgabenpanel(kontext, "Panel6DemoLaden") {
    LabelDemoLaden = new QLabel(tr("Projekt oder Demo laden:"), this);
    LabelDemoLaden->setObjectName("LabelDemoLaden");
    EditIniDatei = new QLineEdit(QStringLiteral("*.ini"), this);
    EditIniDatei->setObjectName("EditIniDatei");
    EditIniDatei->setAccessibleName(tr("Projekt oder Demo laden:"));
    FileListBox1 = new QListWidget(this);
    FileListBox1->setObjectName("FileListBox1");
    FileListBox1->setAccessibleName(tr("Einstellungsdateien"));
    PanelDemoCD = new QPushButton(zweizeilig(tr("Demo- CD")), this);
    PanelDemoCD->setObjectName("PanelDemoCD");
    PanelIniLadenOk = new QPushButton(tr("OK"), this);
    PanelIniLadenOk->setObjectName("PanelIniLadenOk");
    BitBtnIniNichtLaden = new QPushButton(tr("Abbrechen"), this);
    BitBtnIniNichtLaden->setObjectName("BitBtnIniNichtLaden");
    connect(FileListBox1, &QListWidget::currentTextChanged, EditIniDatei, [this](const QString &name) {
        if (!name.isEmpty()) EditIniDatei->setText(name);
    });
    connect(PanelDemoCD, &QPushButton::clicked, this, &DemoLaden::PanelDemoCDClick);
    connect(PanelIniLadenOk, &QPushButton::clicked, this, &DemoLaden::BitBtnDemoLadenClick);
    connect(BitBtnIniNichtLaden, &QPushButton::clicked, this, [this] { kontext_.abbrechen(); });

    auto *raster = new QGridLayout(this);
    raster->setContentsMargins(16, 12, 16, 12);
    raster->addWidget(LabelDemoLaden, 0, 0, 1, 2);
    raster->addWidget(EditIniDatei, 1, 0);
    raster->addWidget(FileListBox1, 2, 0, 3, 1);
    raster->addWidget(PanelDemoCD, 2, 1);
    raster->addWidget(PanelIniLadenOk, 3, 1);
    raster->addWidget(BitBtnIniNichtLaden, 4, 1, Qt::AlignTop);
    raster->setRowStretch(4, 1);
}

std::optional<QString> DemoLaden::datenwurzel() {
    const projekt::Zustand &z = kontext_.zustand();
    const projekt::Laufwerksergebnis lw = projekt::ExeLaufwerk(z.dateien, z.programmDatei);
    if (lw.status != projekt::Laufwerksergebnis::Status::Gefunden) {
        kontext_.meldungen().zeigen(Art::Warnung, tr("Legen Sie die CD in ihr Laufwerk!"));
        return std::nullopt;
    }
    return lw.ort.stamm;
}

void DemoLaden::vorbereiten() {
    FileListBox1->clear();
    const auto stamm = datenwurzel();
    if (!stamm) return;
    const projekt::Zustand &z = kontext_.zustand();
    QStringList namen = z.dateien.list(*stamm, "*.ini");
    // The author file names the last project; it is no project of its own.
    namen.removeIf([](const QString &n) { return n.compare(QStringLiteral("Autor.ini"), Qt::CaseInsensitive) == 0; });
    namen.sort(Qt::CaseInsensitive);
    FileListBox1->addItems(namen);
}

void DemoLaden::BitBtnDemoLadenClick() {
    const auto stamm = datenwurzel();
    if (!stamm) return;
    const QString eingabe = EditIniDatei->text().trimmed();
    const QString name = eingabe.endsWith(QStringLiteral(".ini"), Qt::CaseInsensitive) ? eingabe.chopped(4) : eingabe;
    if (name == QStringLiteral("*") || name.isEmpty()) return;
    oeffnen(*stamm, name);
}

void DemoLaden::PanelDemoCDClick() {
    const projekt::Zustand &z = kontext_.zustand();
    QString laufwerk;
    for (char16_t l = 'C'; l <= 'Z' && laufwerk.isEmpty(); ++l) {
        const QString wurzel = QString(QChar(l)) + ":\\";
        if (z.dateien.exists(wurzel + "Quarn.exe")) laufwerk = wurzel;
    }
    if (laufwerk.isEmpty()) {
        kontext_.meldungen().zeigen(Art::Warnung, tr("Die Demo-CDROM befindet sich nicht im CD-Laufwerk!"));
        return;
    }
    oeffnen(laufwerk, QStringLiteral("Quarn"));
}

void DemoLaden::oeffnen(const QString &stamm, const QString &name) {
    // The open project stays until the chosen one is there and read.
    const projekt::Zustand &z = kontext_.zustand();
    if (!projekt::GueltigerProgrammName(name) || !z.dateien.exists(stamm + name + ".ini")) {
        kontext_.meldungen().zeigen(
            Art::Warnung,
            tr("Das Projekt \"%1\" gibt es nicht: %2 fehlt.").arg(name, z.dateien.native(stamm) + name + ".ini"));
        return;
    }
    Buchsteuerung *buch = kontext_.buch();
    if (!buch) return;
    if (!buch->IniDateiLesen(stamm + name)) {
        kontext_.meldungen().zeigen(
            Art::Fehler,
            tr("Die Einstellungsdatei %1 kann nicht gelesen werden.").arg(z.dateien.native(stamm + name + ".ini")));
        return;
    }
    kontext_.verbergen();
    geladen();
}

void DemoLaden::geladen() {
    if (Buchsteuerung *buch = kontext_.buch()) buch->ProjekttitelZeigen(kontext_.zustand().einstellungen.wert("Title"));
}

} // namespace authoring
