#include "album/core/kleinbild.h"

#include "album/core/punktproben.h"

#include <QBuffer>
#include <QCoreApplication>

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
        r.fehler = QCoreApplication::translate("album::Kleinbild", "Ungültiger Dateiname \"%1\"!").arg(name);
        return r;
    }
    const QString quelle = projektVerzeichnis + "Album\\" + name + ".bmp";
    const bool da = dateien.exists(quelle);
    const auto probe = da ? Punktproben(dateien.native(quelle), KleinbildTeiler) : std::nullopt;
    if (!probe) {
        r.fehler = (da ? QCoreApplication::translate("album::Kleinbild",
                                                     "Die Datei %1.bmp im Verzeichnis ALBUM ist kein lesbares Bitmap.")
                       : QCoreApplication::translate(
                             "album::Kleinbild",
                             "Kann Datei %1.bmp in den Verzeichnissen ALBUM, SLIDES und HELP nicht finden."))
                       .arg(name);
        return r;
    }
    const QSize masse = probe->groesse;
    const int d = probe->d;
    if (masse.width() / d == 0 || masse.height() / d == 0) {
        r.fehler = QCoreApplication::translate(
                       "album::Kleinbild",
                       "Das Bild %1.bmp (%2 x %3 Pixel) ist zu schmal oder zu niedrig für eine verkleinerte Kopie.")
                       .arg(name, QString::number(masse.width()), QString::number(masse.height()));
        return r;
    }
    const QImage kopie = probe->proben.copy(0, 0, masse.width() / d, masse.height() / d);
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    dateien.makeFolder(projektVerzeichnis + "Slides\\");
    if (!kopie.save(&puffer, "BMP") || !dateien.write(projektVerzeichnis + "Slides\\" + name + ".bmp", bytes)) {
        r.fehler = QCoreApplication::translate("album::Kleinbild",
                                               "Kann Datei %1.bmp nicht in das Verzeichnis SLIDES schreiben.")
                       .arg(name);
        return r;
    }
    r.zeilen = kopie.height() / 13 + 1;
    return r;
}

} // namespace album
