#include "authoring/views/hintergrundpanel.h"

#include "authoring/core/tapete.h"
#include "authoring/views/bearbeitungskontext.h"
#include "authoring/views/einstellungenspeichern.h"
#include "platform/bitmapfile.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace authoring {

namespace {

const QString kMaske = QStringLiteral("*.bmp");

} // namespace

Hintergrundpanel::Hintergrundpanel(Bearbeitungskontext &kontext) : Aufgabenpanel(kontext, "Panel5Wallpaper") {
    auto *kopf = new QLabel(tr("Hintergrundbild auswählen:"), this);
    Hintergrundbild = new QLabel(this);
    Hintergrundbild->setObjectName("Hintergrundbild");
    Hintergrundbild->setAccessibleName(tr("Vorschau"));
    Hintergrundbild->setFixedSize(kTapetenGroesse);
    vorschau_ = TapetenRahmen();
    Hintergrundbild->setPixmap(QPixmap::fromImage(vorschau_));
    auto *dateiname = new QLabel(tr("Dateiname"), this);
    EditHintergrundbild = new QLineEdit(kMaske, this);
    EditHintergrundbild->setObjectName("EditHintergrundbild");
    EditHintergrundbild->setAccessibleName(tr("Dateiname"));
    auto *ordner = new QLabel(tr("Bitmap-Dateien (*.bmp) in "), this);
    LabelBitmapDirectory = new QLabel(this);
    LabelBitmapDirectory->setObjectName("LabelBitmapDirectory");
    LabelBitmapDirectory->setMinimumWidth(10);
    FileListBoxWallpaper = new QListWidget(this);
    FileListBoxWallpaper->setObjectName("FileListBoxWallpaper");
    FileListBoxWallpaper->setAccessibleName(tr("Bitmap-Dateien"));
    BitBtnWallpaper = new QPushButton(tr("OK"), this);
    BitBtnWallpaper->setObjectName("BitBtnWallpaper");

    // Click and arrow keys alike choose a file: its name and its preview.
    connect(FileListBoxWallpaper, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> gewaehlt = FileListBoxWallpaper->selectedItems();
        if (!gewaehlt.isEmpty()) EditHintergrundbild->setText(gewaehlt.last()->text());
        Tapete();
    });
    connect(FileListBoxWallpaper, &QListWidget::itemDoubleClicked, this, &Hintergrundpanel::BitBtnWallpaperClick);
    connect(BitBtnWallpaper, &QPushButton::clicked, this, &Hintergrundpanel::BitBtnWallpaperClick);

    auto *raster = new QGridLayout(this);
    raster->setContentsMargins(12, 10, 12, 10);
    raster->addWidget(kopf, 0, 0, 1, 2);
    raster->addWidget(Hintergrundbild, 1, 0, 3, 1, Qt::AlignTop);
    raster->addWidget(dateiname, 1, 1);
    raster->addWidget(EditHintergrundbild, 2, 1);
    raster->addWidget(ordner, 3, 1, Qt::AlignBottom);
    raster->addWidget(LabelBitmapDirectory, 4, 0, 1, 2);
    raster->addWidget(FileListBoxWallpaper, 5, 0, 1, 2);
    raster->addWidget(BitBtnWallpaper, 6, 1, Qt::AlignRight);
    raster->setColumnStretch(1, 1);
    raster->setRowStretch(5, 1);
}

QString Hintergrundpanel::albumOrdner() const {
    return kontext_.zustand().ProjektVerzeichnis + "Album\\";
}

void Hintergrundpanel::vorbereiten() {
    const projekt::Zustand &z = kontext_.zustand();
    QStringList namen = z.dateien.list(albumOrdner(), kMaske);
    namen.sort(Qt::CaseInsensitive);
    {
        const QSignalBlocker still(FileListBoxWallpaper);
        FileListBoxWallpaper->clear();
        FileListBoxWallpaper->addItems(namen);
        FileListBoxWallpaper->setCurrentRow(-1);
    }
    EditHintergrundbild->setText(kMaske);
    const QString ordner = z.dateien.native(z.ProjektVerzeichnis + "Album");
    LabelBitmapDirectory->setToolTip(ordner);
    LabelBitmapDirectory->setText(
        LabelBitmapDirectory->fontMetrics().elidedText(ordner, Qt::ElideLeft, kontext_.breite() - 30));
    Tapete();
}

void Hintergrundpanel::Tapete() {
    const QList<QListWidgetItem *> gewaehlt = FileListBoxWallpaper->selectedItems();
    const QString name = gewaehlt.isEmpty() ? QString() : gewaehlt.last()->text();
    std::optional<QImage> bild;
    if (!name.isEmpty()) {
        const platform::ScreenInfo s = kontext_.bildschirm();
        const projekt::Zustand &z = kontext_.zustand();
        // Only the part the screen would show is read (and one pixel beyond, where the
        // last samples lie).
        bild = platform::readBitmap(z.dateien.native(albumOrdner() + name), qint64(1) << 28,
                                    QRect(0, 0, s.width + 1, s.height + 1));
    }
    authoring::Tapete(vorschau_, bild ? &*bild : nullptr, {kontext_.bildschirm().width, kontext_.bildschirm().height});
    Hintergrundbild->setPixmap(QPixmap::fromImage(vorschau_));
    Hintergrundbild->setToolTip(!name.isEmpty() && !bild ? tr("%1 ist kein lesbares Bild.").arg(name) : QString());
}

void Hintergrundpanel::BitBtnWallpaperClick() {
    const QString text = EditHintergrundbild->text().trimmed();
    if (text == kMaske || !text.contains('.')) return;
    // The name without its extension: a name with further dots keeps them, so that it
    // still names the chosen file.
    const QString name = text.left(text.lastIndexOf('.'));
    projekt::Zustand &z = kontext_.zustand();
    if (name.isEmpty() || !z.dateien.exists(albumOrdner() + name + ".bmp")) {
        kontext_.meldungen().zeigen(platform::Meldungen::Art::Warnung,
                                    tr("Im Ordner %1 gibt es kein Bild %2.")
                                        .arg(z.dateien.native(z.ProjektVerzeichnis + "Album"), name + ".bmp"));
        return;
    }
    z.einstellungen.setzen("Wallpaper", name);
    kontext_.verbergen();
    if (Buchsteuerung *buch = kontext_.buch()) buch->HintergrundZeigen(z.einstellungen.wert("Wallpaper"));
    EinstellungenSpeichern(kontext_);
}

} // namespace authoring
