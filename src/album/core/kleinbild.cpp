#include "album/core/kleinbild.h"

#include "album/core/punktproben.h"
#include "platform/bitmapfile.h"

#include <QBuffer>

namespace album {

int KleinbildTeiler(int w, int h) {
    int d = 1;
    while (w / d > 240 || h / d > 150)
        ++d;
    return d;
}

Kleinbildergebnis Kleinbild(const platform::Files &dateien, const QString &projektVerzeichnis, const QString &name) {
    Kleinbildergebnis r;
    const bool unsicher = name.contains('\\') || name.contains('/') || name.contains("..") || name.contains(':');
    if (name.isEmpty() || name.at(0) < '0' || unsicher) {
        r.fehler = QStringLiteral("Ungültiger Dateiname \"%1\"!").arg(name);
        return r;
    }
    const QString quelle = projektVerzeichnis + "Album\\" + name + ".bmp";
    const QString nativ = dateien.native(quelle);
    const auto masse = dateien.exists(quelle) ? platform::bitmapSize(nativ) : std::nullopt;
    std::optional<QImage> proben;
    int d = 1;
    if (masse) {
        d = KleinbildTeiler(masse->width(), masse->height());
        proben = Punktproben(nativ, d);
    }
    if (!proben) {
        r.fehler = dateien.exists(quelle)
                       ? "Die Datei " + name + ".bmp im Verzeichnis ALBUM ist kein lesbares Bitmap."
                       : "Kann Datei " + name + ".bmp in den Verzeichnissen ALBUM, SLIDES und HELP nicht finden.";
        return r;
    }
    if (masse->width() / d == 0 || masse->height() / d == 0) {
        r.fehler =
            QStringLiteral("Das Bild %1.bmp (%2 x %3 Pixel) ist zu schmal oder zu niedrig für eine verkleinerte Kopie.")
                .arg(name)
                .arg(masse->width())
                .arg(masse->height());
        return r;
    }
    const QImage kopie = proben->copy(0, 0, masse->width() / d, masse->height() / d);
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    dateien.makeFolder(projektVerzeichnis + "Slides\\");
    if (!kopie.save(&puffer, "BMP") || !dateien.write(projektVerzeichnis + "Slides\\" + name + ".bmp", bytes)) {
        r.fehler = "Kann Datei " + name + ".bmp nicht in das Verzeichnis SLIDES schreiben.";
        return r;
    }
    r.zeilen = kopie.height() / 13 + 1;
    return r;
}

} // namespace album
