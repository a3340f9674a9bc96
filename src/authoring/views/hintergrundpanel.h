#pragma once
// Panel 5: the background picture, chosen from the bitmaps of the project's album
// folder with a small preview, stored as `Wallpaper` and shown behind the book at once.
// Works on a read-only data root too; the choice then lasts until the program ends.
#include "authoring/views/aufgabenpanel.h"

#include <QImage>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace authoring {

class Hintergrundpanel : public Aufgabenpanel {
    Q_OBJECT
public:
    explicit Hintergrundpanel(Bearbeitungskontext &kontext);

    // Auswahl(Aufgabe::Hintergrund): the list points at the album folder, nothing chosen yet.
    void vorbereiten();
    // The preview of the chosen file (nothing chosen: an empty screen).
    void Tapete();
    void BitBtnWallpaperClick();
    QImage vorschau() const { return vorschau_; }

private:
    QLabel *Hintergrundbild;
    QLineEdit *EditHintergrundbild;
    QLabel *LabelBitmapDirectory;
    QListWidget *FileListBoxWallpaper;
    QPushButton *BitBtnWallpaper;
    QString albumOrdner() const;
    QImage vorschau_;
};

} // namespace authoring
