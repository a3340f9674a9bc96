#pragma once
// Camera pictures in the album folder (JPEG and PNG, as phones and cameras save them)
// made into the 24-bit bitmaps the album works on: upright as the camera meant them
// (the EXIF orientation applied), beside the original, which stays or moves to Rest\.
#include "platform/files.h"

#include <QImage>
#include <QStringList>

namespace album {

// "*.jpg", "*.jpeg" and "*.png", in any letter case.
bool IstFoto(const QString &datei);

// The photos of "Album\" without a bitmap of their name yet, sorted ignoring case:
// what the picture list editor and `pagora-tool bilder` offer to take over.
QStringList FotosOhneBitmap(const platform::Files &dateien, const QString &projektVerzeichnis);

// The name a photo's bitmap gets: its file name up to the first ".", as the editor
// names every picture of the album.
QString FotoName(const QString &datei);

struct Fotoergebnis {
    enum class Status { Fertig, Unlesbar, NichtGeschrieben, NichtVerschoben };
    Status status = Status::Unlesbar;
    QString bitmap;  // the file written in "Album\" ("Foto.bmp", or "Foto (2).bmp" when taken)
    QString name;    // its name in the picture list ("Foto", "Foto (2)")
    QString meldung; // what went wrong, for the author
};

// Writes "Album\<datei>" as a 24-bit bitmap beside it; a bitmap of that name is never
// replaced, the new one then takes the first free name "<name> (2).bmp" ... With
// `inRest` the photo then moves to "Rest\". `syncen` false leaves the disk sync to
// the caller (Files::syncFolder once after many).
Fotoergebnis FotoUebernehmen(const platform::Files &dateien, const QString &projektVerzeichnis, const QString &datei,
                             bool inRest, bool syncen = true);

// A picture as an uncompressed 24-bit bitmap file, rows bottom-up.
QByteArray Bitmap24(const QImage &bild);

} // namespace album
