#include "authoring/core/albumproduktion.h"

#include "album/core/punktproben.h"
#include "book/core/seitensatz.h"
#include "platform/cp1252.h"
#include "platform/entwurf.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <thread>
#include <utility>
#include <vector>

namespace authoring {
namespace {

constexpr int kInhaltBreite = 237;
constexpr int kZellenX[] = {0, 120, 296, 416};

int breiteVon(const QByteArray &text, const platform::ByteWidths &masse) {
    return masse.width(text);
}

// The spreads made so far, written whole beside their files but not yet in place. What
// is not handed over to the final change is removed.
class Entwuerfe {
public:
    explicit Entwuerfe(const platform::Files &dateien) : dateien_(dateien) {}
    ~Entwuerfe() {
        for (const auto &d : fertig_)
            QFile::remove(d.fertig);
    }
    bool speichern(const QString &datei, const QImage &aufschlag) {
        QByteArray bytes;
        // The whole file's room at once: a buffer growing as the rows come would be
        // copied again and again. Qt writes the 32-bit picture as a 24-bit bitmap itself.
        bytes.reserve(54 + qsizetype((aufschlag.width() * 3 + 3) / 4 * 4) * aufschlag.height());
        QBuffer puffer(&bytes);
        puffer.open(QIODevice::WriteOnly);
        if (!aufschlag.save(&puffer, "BMP")) return false;
        platform::Entwurf entwurf(dateien_, datei);
        // Unsynced: the run syncs them all once at its end.
        const QString name = entwurf.anhaengen(bytes) ? entwurf.abschliessen(false) : QString();
        if (name.isEmpty()) return false;
        fertig_.append({datei, {}, name});
        return true;
    }
    QList<platform::Files::Neu> uebergeben() { return std::exchange(fertig_, {}); }

private:
    const platform::Files &dateien_;
    QList<platform::Files::Neu> fertig_;
};

// The samples of the pictures of list lines [von, bis), read two at a time: reading
// and sampling a picture is most of the album's work, and the pictures do not depend
// on each other. The file names are looked up before, on the calling thread.
std::vector<std::optional<album::Stichprobe>> probenLesen(const QStringList &namen) {
    std::vector<std::optional<album::Stichprobe>> proben(size_t(namen.size()));
    auto lesen = [&](qsizetype erster) {
        for (qsizetype k = erster; k < namen.size(); k += 2)
            if (!namen[k].isEmpty()) proben[size_t(k)] = album::Punktproben(namen[k], AlbumTeiler);
    };
    std::thread zweiter(lesen, 1);
    lesen(0);
    zweiter.join();
    return proben;
}

} // namespace

int AlbumTeiler(int w, int h) {
    int d = 1;
    while (qint64(w) * 10 / d > 1080 || qint64(h) * 10 / d > 760)
        ++d;
    return d;
}

void InhaltAlbum(QStringList &memo, const QString &zeile, int seite, const platform::ByteWidths &masse) {
    QByteArray t = platform::toCp1252(zeile.mid(3));
    if (const qsizetype i = t.indexOf('~'); i >= 0) t.remove(i, 1);
    t += ' ';
    const QByteArray nummer = QByteArray::number(seite);
    const int grenze = kInhaltBreite - masse.width(' ' + nummer);
    while (!t.isEmpty()) {
        QByteArray aus;
        while (breiteVon(aus, masse) < grenze && !t.isEmpty()) {
            aus += t.front();
            t.remove(0, 1);
        }
        while (aus.contains(' ') && !aus.endsWith(' ')) {
            t.prepend(aus.back());
            aus.chop(1);
        }
        if (!t.isEmpty()) {
            memo.append(platform::fromCp1252(aus));
            continue;
        }
        while (breiteVon(aus, masse) <= grenze)
            aus += ' ';
        memo.append(platform::fromCp1252(aus + nummer));
    }
}

Albumergebnis AlbumBearbeiten(const platform::Files &dateien, const Albumauftrag &a,
                              const platform::ByteWidths &inhaltMasse,
                              const std::function<void(const Albumschritt &)> &schritt) {
    Albumergebnis r;
    if (a.MemoListe.size() > kMaxListenzeilen) {
        r.status = Albumergebnis::Status::ZuVieleZeilen;
        r.meldung = QCoreApplication::translate("authoring::Albumproduktion",
                                                "Die Bilderliste hat %1 Zeilen; das Album fasst höchstens %2 (499 "
                                                "Doppelseiten). Es wurden keine Albumseiten hergestellt.")
                        .arg(a.MemoListe.size())
                        .arg(kMaxListenzeilen);
        return r;
    }
    QByteArray leerBytes;
    QImage leer;
    const QString blatt = a.ort.hilfeOrdner() + "Album0.bmp";
    if (!dateien.exists(blatt)) {
        r.status = Albumergebnis::Status::OhneAlbumblatt;
        return r;
    }
    if (!dateien.read(blatt, &leerBytes) || !leer.loadFromData(leerBytes, "BMP")) {
        r.status = Albumergebnis::Status::Bildfehler;
        r.meldung = QCoreApplication::translate(
            "authoring::Albumproduktion", "Help\\Album0.bmp kann nicht gelesen werden: die Datei ist kein lesbares "
                                          "Bitmap oder zu groß (das leere Albumblatt ist 524 x 384 Pixel groß).");
        return r;
    }
    leer = leer.convertToFormat(QImage::Format_RGB32);
    const int anzahl = int(a.MemoListe.size());
    QImage aufschlag;
    dateien.makeFolder(a.ort.seitenOrdner());
    Entwuerfe entwuerfe(dateien);
    auto sichern = [&](int nummer) {
        if (!entwuerfe.speichern(a.ort.albumblatt(1000 + 2 * nummer), aufschlag)) {
            r.status = Albumergebnis::Status::Schreibfehler;
            r.meldung = QCoreApplication::translate("authoring::Albumproduktion", "Kann %1 nicht schreiben.")
                            .arg(dateien.native(a.ort.albumblatt(1000 + 2 * nummer)));
            return false;
        }
        ++r.gespeicherteAufschlaege;
        return true;
    };
    // The pictures of 32 list lines are read ahead together.
    constexpr int kVoraus = 32;
    std::vector<std::optional<album::Stichprobe>> voraus;
    auto bildDatei = [&](const QString &zeile) {
        const qsizetype doppelpunkt = zeile.indexOf(':');
        const QString name = zeile.left(doppelpunkt);
        const QString datei = a.ort.albumOrdner() + name + ".bmp";
        const bool sicher = doppelpunkt > 0 && !name.contains('\\') && !name.contains('/') && !name.contains("..");
        return sicher && dateien.exists(datei) ? dateien.native(datei) : QString();
    };
    auto istBild = [](const QString &zeile) {
        return !(zeile.isEmpty() || zeile.startsWith(' ') || zeile.startsWith(":B:") || zeile.startsWith(":I:"));
    };
    for (int i = 0; i < anzahl; ++i) {
        if (i % kVoraus == 0) {
            QStringList namen;
            for (int k = i; k < qMin(anzahl, i + kVoraus); ++k)
                namen << (istBild(a.MemoListe[k]) ? bildDatei(a.MemoListe[k]) : QString());
            voraus = probenLesen(namen);
        }
        const int seite = i / 8 + 1;
        if (i % 16 == 0) aufschlag = leer.copy();
        const QString &zeile = a.MemoListe[i];
        const bool leererPlatz = zeile.isEmpty() || zeile.startsWith(' ') || zeile.startsWith(":B:");
        if (!leererPlatz) {
            if (zeile.startsWith(":I:")) {
                InhaltAlbum(r.MemoInhalt, zeile, seite, inhaltMasse);
                InhaltAlbum(r.MemoInhalt2, zeile, seite, inhaltMasse);
            } else {
                const qsizetype doppelpunkt = zeile.indexOf(':');
                const QString name = zeile.left(doppelpunkt);
                const auto &probe = voraus[size_t(i % kVoraus)];
                if (!probe) {
                    r.status = Albumergebnis::Status::Bildfehler;
                    r.meldung = QCoreApplication::translate("authoring::Albumproduktion",
                                                            "Das Bild \"%1\" in Zeile %2 der Bilderliste kann nicht "
                                                            "geladen werden.")
                                    .arg(doppelpunkt > 0 ? name : zeile)
                                    .arg(i + 1);
                    return r;
                }
                const int d = probe->d, w = probe->groesse.width(), h = probe->groesse.height();
                const int tw = w / d, th = h / d;
                const int zellenX = kZellenX[((i % 16) / 8) * 2 + i % 2], zellenY = ((i % 8) / 2) * 96;
                const int breite = aufschlag.width(), hoehe = aufschlag.height();
                for (int y = 1; y <= th; ++y) {
                    const int zy = zellenY + y;
                    if (y * d >= h || zy < 0 || zy >= hoehe) continue;
                    const auto *quelle = reinterpret_cast<const QRgb *>(probe->proben.constScanLine(y));
                    auto *ziel = reinterpret_cast<QRgb *>(aufschlag.scanLine(zy));
                    for (int x = 1; x <= tw; ++x) {
                        const int zx = zellenX + 55 - tw / 2 + x;
                        if (x * d >= w || zx < 0 || zx >= breite) continue;
                        ziel[zx] = quelle[x];
                    }
                }
            }
            if (schritt) schritt({i, (i + 1) * 100 / anzahl, &aufschlag});
        }
        if (i % 16 == 15 && !sichern(i / 16 + 1)) return r;
    }
    if (anzahl % 16 != 0 && !sichern((anzahl - 1) / 16 + 1)) return r;
    QList<platform::Files::Neu> neu = entwuerfe.uebergeben();
    neu.append({a.ort.datei(projekt::Seitendatei::AlbumInhalt), platform::joinLines(r.MemoInhalt)});
    neu.append({a.ort.datei(projekt::Seitendatei::AlbumInhalt2), platform::joinLines(r.MemoInhalt2)});
    // The spreads reach the disk with one sync; the change then puts them in place with
    // the contents, all or none.
    const bool gesynct = r.gespeicherteAufschlaege == 0 || dateien.syncFolder(a.ort.seitenOrdner());
    if (!gesynct || dateien.writeAll(neu) >= 0) {
        if (gesynct) neu.clear(); // writeAll removed what it did not put in place
        for (const auto &d : neu)
            if (!d.fertig.isEmpty()) QFile::remove(d.fertig);
        r.status = Albumergebnis::Status::Schreibfehler;
        r.meldung = QCoreApplication::translate("authoring::Albumproduktion",
                                                "Die Albumseiten in %1 können nicht auf die Platte geschrieben werden.")
                        .arg(dateien.native(a.ort.seitenOrdner()));
    }
    return r;
}

} // namespace authoring
