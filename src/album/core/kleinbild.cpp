#include "album/core/kleinbild.h"

#include "album/core/punktproben.h"

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
    const bool da = dateien.exists(quelle);
    const auto probe = da ? Punktproben(dateien.native(quelle), KleinbildTeiler) : std::nullopt;
    if (!probe) {
        r.fehler = da ? "Die Datei " + name + ".bmp im Verzeichnis ALBUM ist kein lesbares Bitmap."
                      : "Kann Datei " + name + ".bmp in den Verzeichnissen ALBUM, SLIDES und HELP nicht finden.";
        return r;
    }
    const QSize masse = probe->groesse;
    const int d = probe->d;
    if (masse.width() / d == 0 || masse.height() / d == 0) {
        r.fehler =
            QStringLiteral("Das Bild %1.bmp (%2 x %3 Pixel) ist zu schmal oder zu niedrig für eine verkleinerte Kopie.")
                .arg(name)
                .arg(masse.width())
                .arg(masse.height());
        return r;
    }
    const QImage kopie = probe->proben.copy(0, 0, masse.width() / d, masse.height() / d);
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
