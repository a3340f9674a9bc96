#include "search/core/suche.h"

#include "book/core/seitenformat.h"
#include "search/core/falten.h"
#include "platform/cp1252.h"

namespace search {

std::optional<Textfund> SeitendateiDurchsuchen(platform::RecordFile &datei, const QString &begriff, bool tolerant) {
    QByteArray satz;
    while (datei.readNext(&satz)) {
        int gefunden = 0;
        for (int i = 1; i <= book::kZeilenJeSeite; ++i) {
            const QByteArray zeile = satz.mid((i - 1) * book::kZeilenLaenge + 1, book::kZeilenLaenge - 1);
            if (Falten(platform::fromCp1252(zeile), tolerant).contains(begriff)) gefunden = i;
        }
        if (gefunden) return Textfund{int(datei.position()), gefunden};
    }
    return std::nullopt;
}

QList<Albumfund> BilderDurchsuchen(const platform::Files &dateien, const QString &projektVerzeichnis,
                                   const QString &begriff, bool tolerant) {
    QList<Albumfund> funde;
    const QString album = projektVerzeichnis + "Album\\";
    for (const QString &datei : dateien.list(album, "*.txt")) {
        QString name = datei;
        if (const qsizetype punkt = name.indexOf('.'); punkt >= 0) name.remove(punkt, 4);
        if (!dateien.exists(album + name + ".bmp")) continue;
        QByteArray bytes;
        if (!dateien.read(album + datei, &bytes, 4 << 20)) continue;
        for (const QString &zeile : platform::splitLines(bytes)) {
            if (!Falten(zeile.mid(10), tolerant).contains(begriff)) continue;
            funde.append({zeile + '>' + name, zeile.mid(10).left(245) + '>' + name});
        }
    }
    return funde;
}

Fundlistenmass FundlisteBemessen(int treffer, int bildschirmHoehe) {
    Fundlistenmass m;
    if (treffer <= 12) return m;
    constexpr int kZeile = 16;
    m.listeHoehe = treffer * kZeile + 12;
    if (m.listeHoehe < bildschirmHoehe - 50) {
        m.listeHoehe = treffer * kZeile + 36;
    } else {
        m.zweiSpalten = true;
        m.listeHoehe = bildschirmHoehe - 50;
    }
    m.fensterHoehe = m.listeHoehe + 36;
    return m;
}

} // namespace search
