#pragma once
// The book on the desk (`PanelBuch`, 660 × 441): the book picture, the two pages,
// their numbers, the album sheet, the cover labels and the tour figure with its
// tick box. The main window places it and decides what it shows.
#include "book/views/seitenmemo.h"
#include "platform/files.h"

#include <QLabel>
#include <QWidget>
#include <array>

namespace book {

class BuchPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBreite = 660;
    static constexpr int kHoehe = 441;

    explicit BuchPanel(const platform::Files &dateien, QWidget *parent = nullptr);

    // "Book.bmp" into the book picture when it exists; the book counts as open.
    void Buchzeigen(const QString &hilfeVerzeichnis);
    // The cover "CBT0.bmp"; false when it is missing.
    bool CoverZeigen(const QString &hilfeVerzeichnis);
    // A tour picture at (x, y) when `name`.bmp exists in the help folder.
    bool CBT(const QString &hilfeVerzeichnis, int x, int y, const QString &name);
    bool BuchbildGeladen = false;

    // The album sheet picture; decoded when the album is first shown. A missing
    // picture leaves the sheet empty.
    void albumBlattVormerken(const QString &storedPath);

    // The whole book or only its right half, as the opening shows it first.
    void ganzZeigen(int links);
    void rechteHaelfteZeigen(int links);

    QLabel *ImageBuch;
    SeitenMemo *MemoTextLinks;
    SeitenMemo *MemoTextRechts;
    QLabel *LabelSeitenzahlLinks;
    QLabel *LabelSeitenzahlRechts;
    QLabel *LabelProjekttitel3;
    QLabel *LabelProjektUnterTitel;
    QLabel *ImageCBT;
    QWidget *PanelNoCBT;
    QLabel *LabelNoCBT;
    QLabel *ImageNoCBT;
    QLabel *ImageYesCBT;
    QWidget *PanelAlbum;
    QLabel *ImageAlbum;
    std::array<QLabel *, 16> AlbumLabels{};

Q_SIGNALS:
    void tickBoxGeklickt();
    void tourBildMausBewegt(QPoint imBild);

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    const platform::Files &dateien_;
    QString albumBlatt_;
    void albumBlattLaden();
};

} // namespace book
