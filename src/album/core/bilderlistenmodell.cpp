#include "album/core/bilderlistenmodell.h"

#include "platform/files.h"

namespace album {

namespace {
constexpr qint64 kGroessteListe = 16 << 20; // far beyond the 7,984 lines the album holds
}

Bilderlistenmodell::Stand Bilderlistenmodell::laden(const platform::Files &dateien, const QString &datei) {
    QByteArray inhalt;
    Stand stand = Stand::Gelesen;
    if (dateien.read(datei, &inhalt, kGroessteListe))
        liste_.setzen(platform::splitLines(inhalt));
    else
        stand = dateien.exists(datei) ? Stand::Unlesbar : Stand::Fehlt;
    umfang_ = liste_.anzahl();
    Q_EMIT geaendert();
    return stand;
}

void Bilderlistenmodell::leeren() {
    liste_.leeren();
    umfang_ = 0;
    Q_EMIT geaendert();
}

void Bilderlistenmodell::setzen(const QStringList &zeilen) {
    liste_.setzen(zeilen);
    Q_EMIT geaendert();
}

} // namespace album
