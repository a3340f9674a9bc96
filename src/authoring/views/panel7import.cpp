#include "authoring/views/panel7import.h"

#include "authoring/core/silbentrennung.h"
#include "authoring/views/bearbeitungskontext.h"
#include "authoring/views/importablauf.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace authoring {
namespace {

// The author's own choices, kept for the next run of the program (not in the project).
QSettings vorlieben() {
    return QSettings(QSettings::UserScope, QStringLiteral("Pagora"), QStringLiteral("Pagora"));
}

QString ohneSchraegstrich(QString ordner) {
    if (ordner.endsWith('\\') && ordner.size() > 3) ordner.chop(1);
    return ordner;
}

} // namespace

Panel7Import::Panel7Import(Bearbeitungskontext &kontext) : Aufgabenpanel(kontext, "Panel7Import") {
    LabelTitel = new QLabel(tr("Text in das Buch importieren:"), this);
    LabelTitel->setObjectName("LabelTitel7");
    QFont fett = LabelTitel->font();
    fett.setBold(true);
    LabelTitel->setFont(fett);
    auto teil = [this](const char *name, const QString &text, void (Panel7Import::*handler)()) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAccessibleName(text);
        b->setCheckable(true);
        b->setAutoExclusive(true);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    Buchtext = teil("Buchtext", tr("Buchtext"), &Panel7Import::BuchtextClick);
    Hilfetext = teil("Hilfetext", tr("Benutzer-Hilfe"), &Panel7Import::HilfetextClick);
    AutorHilfe = teil("AutorHilfe", tr("Autor-Hilfe"), &Panel7Import::AutorHilfeClick);

    EditDateiname = new QLineEdit(QStringLiteral("*.txt"), this);
    EditDateiname->setObjectName("EditDateiname");
    EditDateiname->setAccessibleName(tr("Dateiname"));
    DriveComboBox1 = new QComboBox(this);
    DriveComboBox1->setObjectName("DriveComboBox1");
    DriveComboBox1->setAccessibleName(tr("Laufwerk"));
    DirectoryListBox = new QListWidget(this);
    DirectoryListBox->setObjectName("DirectoryListBox");
    DirectoryListBox->setAccessibleName(tr("Verzeichnisse"));
    DirectoryListBox->installEventFilter(this);
    LabelVerzeichnis = new QLabel(this);
    LabelVerzeichnis->setObjectName("LabelVerzeichnis");
    LabelVerzeichnis->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FileListBox = new QListWidget(this);
    FileListBox->setObjectName("FileListBox");
    FileListBox->setAccessibleName(tr("Textdateien (*.txt)"));
    Silbentrennung = new QCheckBox(tr("Silbentrennung"), this);
    Silbentrennung->setObjectName("Silbentrennung");
    trennmusterPruefen();
    BitBtnLaden = new QPushButton(tr("OK"), this);
    BitBtnLaden->setObjectName("BitBtnLaden");
    BitBtnCancel = new QPushButton(tr("Abbrechen"), this);
    BitBtnCancel->setObjectName("BitBtnCancel");

    connect(DriveComboBox1, &QComboBox::activated, this,
            [this](int i) { ordnerSetzen(DriveComboBox1->itemData(i).toString()); });
    connect(DirectoryListBox, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { ordnerSetzen(item->data(Qt::UserRole).toString()); });
    connect(FileListBox, &QListWidget::currentTextChanged, this, [this](const QString &name) {
        if (!name.isEmpty()) EditDateiname->setText(name);
    });
    connect(FileListBox, &QListWidget::itemDoubleClicked, this, &Panel7Import::BitBtnLadenClick);
    connect(Silbentrennung, &QCheckBox::toggled, this,
            [](bool an) { vorlieben().setValue("Import/Silbentrennung", an); });
    connect(BitBtnLaden, &QPushButton::clicked, this, &Panel7Import::BitBtnLadenClick);
    connect(BitBtnCancel, &QPushButton::clicked, this, [this] { kontext_.abbrechen(); });

    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(10, 8, 10, 8);
    spalte->setSpacing(4);
    spalte->addWidget(LabelTitel);
    auto *teile = new QHBoxLayout;
    for (QPushButton *b : {Buchtext, Hilfetext, AutorHilfe})
        teile->addWidget(b);
    spalte->addLayout(teile);
    auto *raster = new QGridLayout;
    raster->addWidget(new QLabel(tr("Dateiname"), this), 0, 0);
    raster->addWidget(new QLabel(tr("Laufwerk"), this), 0, 1);
    raster->addWidget(EditDateiname, 1, 0);
    raster->addWidget(DriveComboBox1, 1, 1);
    auto *inZeile = new QHBoxLayout;
    inZeile->addWidget(new QLabel(tr("Textdateien (*.txt) in"), this));
    inZeile->addWidget(LabelVerzeichnis, 1);
    raster->addLayout(inZeile, 2, 0, 1, 2);
    raster->addWidget(FileListBox, 3, 0);
    raster->addWidget(DirectoryListBox, 3, 1);
    raster->setRowStretch(3, 1);
    spalte->addLayout(raster, 1);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(Silbentrennung);
    knoepfe->addStretch();
    knoepfe->addWidget(BitBtnLaden);
    knoepfe->addWidget(BitBtnCancel);
    spalte->addLayout(knoepfe);
}

void Panel7Import::vorbereiten() {
    teilZeigen();
    trennmusterPruefen();
    laufwerkeLesen();
    // The folder of the last import, else the folder the program was started in; read
    // when the panel is first shown, not at the start of the program.
    if (ordner_.isEmpty()) {
        const platform::Files &dateien = kontext_.zustand().dateien;
        const QString gemerkt = vorlieben().value("Import/Ordner").toString();
        ordner_ =
            !gemerkt.isEmpty() && dateien.folderExists(gemerkt) ? gemerkt : dateien.stored(QDir::currentPath() + '/');
    }
    ordnerSetzen(ordner_);
}

// Without the German patterns the box is off and says why; the author's preference
// stays for the day they are installed.
void Panel7Import::trennmusterPruefen() {
    const bool vorhanden = Silbentrennung::musterVorhanden();
    Silbentrennung->setEnabled(vorhanden);
    const QSignalBlocker still(Silbentrennung);
    Silbentrennung->setChecked(vorhanden && vorlieben().value("Import/Silbentrennung", false).toBool());
    Silbentrennung->setToolTip(
        vorhanden ? tr("Wörter, die nicht mehr in die Zeile passen, mit Bindestrich trennen")
                  : tr("Ohne die deutschen Trennmuster (%1, Paket hyphen-de) gibt es keine Silbentrennung.")
                        .arg(Silbentrennung::musterDatei()));
    Silbentrennung->setAccessibleDescription(Silbentrennung->toolTip());
}

void Panel7Import::teilZeigen() {
    const int teil = kontext_.zustand().Bearbeitungsteil;
    QPushButton *gewaehlt = teil == 1 ? Buchtext : teil == 3 ? Hilfetext : teil == 2 ? AutorHilfe : nullptr;
    // The chosen part looks pressed in, the other two stand out.
    for (QPushButton *b : {Buchtext, Hilfetext, AutorHilfe}) {
        b->setAutoExclusive(false);
        b->setChecked(b == gewaehlt);
        b->setAutoExclusive(true);
    }
}

void Panel7Import::BuchtextClick() {
    kontext_.zustand().Bearbeitungsteil = 1;
    teilZeigen();
}

void Panel7Import::HilfetextClick() {
    kontext_.zustand().Bearbeitungsteil = 3;
    teilZeigen();
}

void Panel7Import::AutorHilfeClick() {
    kontext_.zustand().Bearbeitungsteil = 2;
    teilZeigen();
}

void Panel7Import::laufwerkeLesen() {
    const platform::DriveMap &karte = kontext_.zustand().dateien.drives();
    DriveComboBox1->clear();
    for (char16_t l = 'C'; l <= 'Z'; ++l) {
        const QString nativ = karte.folder(QChar(l));
        if (nativ.isEmpty()) continue;
        DriveComboBox1->addItem(QStringLiteral("%1: (%2)").arg(QChar(l).toLower()).arg(nativ),
                                QString(QChar(l)) + ":\\");
    }
}

void Panel7Import::ordnerSetzen(const QString &ordner) {
    const platform::Files &dateien = kontext_.zustand().dateien;
    ordner_ = ordner.endsWith('\\') ? ordner : ordner + '\\';
    if (DriveComboBox1->count() == 0) laufwerkeLesen();
    const int laufwerk = DriveComboBox1->findData(ordner_.left(3), Qt::UserRole, Qt::MatchFixedString);
    if (laufwerk >= 0) DriveComboBox1->setCurrentIndex(laufwerk);
    // The author sees the folder as the system names it; the stored form stays inside.
    const QString nativ = dateien.native(ordner_);
    LabelVerzeichnis->setText(nativ.isEmpty() ? ohneSchraegstrich(ordner_) : nativ);
    LabelVerzeichnis->setToolTip(ohneSchraegstrich(ordner_));

    // The path down to the folder, then its sub-folders one step further in.
    DirectoryListBox->clear();
    const QStringList teile = ordner_.split('\\', Qt::SkipEmptyParts);
    QString pfad;
    for (qsizetype i = 0; i < teile.size(); ++i) {
        pfad += teile[i] + '\\';
        // The drive shows as the folder it stands for on this system.
        const QString oben = dateien.native(pfad).isEmpty() ? pfad : dateien.native(pfad);
        auto *item = new QListWidgetItem(QString(int(i) * 2, ' ') + (i == 0 ? oben : teile[i]), DirectoryListBox);
        item->setData(Qt::UserRole, pfad);
    }
    QStringList unterordner =
        QDir(dateien.native(ordner_)).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : unterordner) {
        auto *item = new QListWidgetItem(QString(int(teile.size()) * 2, ' ') + name, DirectoryListBox);
        item->setData(Qt::UserRole, ordner_ + name + '\\');
    }
    DirectoryListBox->setCurrentRow(int(teile.size()) - 1);
    dateienZeigen();
}

void Panel7Import::dateienZeigen() {
    FileListBox->clear();
    FileListBox->addItems(kontext_.zustand().dateien.list(ordner_, maske_));
}

void Panel7Import::BitBtnLadenClick() {
    const QString name = EditDateiname->text().trimmed();
    if (name.isEmpty()) return;
    if (name.contains('*') || name.contains('?')) {
        maske_ = name;
        dateienZeigen();
        return;
    }
    projekt::Zustand &z = kontext_.zustand();
    // A name with a folder of its own stands for itself: a native path, or a stored one.
    QString importdatei = ordner_ + name;
    if (name.startsWith('/'))
        importdatei = z.dateien.stored(name);
    else if (name.size() > 2 && name[1] == ':' && name[2] == '\\')
        importdatei = name;
    kontext_.verbergen();
    if (!z.dateien.exists(importdatei)) return;
    vorlieben().setValue("Import/Ordner", ordner_);
    Buchmachen(kontext_, importdatei, Silbentrennung->isChecked());
}

bool Panel7Import::eventFilter(QObject *obj, QEvent *event) {
    if (obj == DirectoryListBox && event->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent *>(event)->key();
        if ((taste == Qt::Key_Return || taste == Qt::Key_Enter) && DirectoryListBox->currentItem()) {
            ordnerSetzen(DirectoryListBox->currentItem()->data(Qt::UserRole).toString());
            return true;
        }
    }
    return Aufgabenpanel::eventFilter(obj, event);
}

} // namespace authoring
