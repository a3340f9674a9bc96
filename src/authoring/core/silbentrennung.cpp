#include "authoring/core/silbentrennung.h"

#include <QFile>
#include <QStandardPaths>
#include <cstdlib>
#include <hyphen.h>

namespace authoring {

QString Silbentrennung::musterDatei() {
    for (const char *name : {"hyphen/hyph_de_DE.dic", "hyphen/hyph_de.dic"}) {
        const QString datei = QStandardPaths::locate(QStandardPaths::GenericDataLocation, QString::fromLatin1(name));
        if (!datei.isEmpty()) return datei;
    }
    const QStringList ordner = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    return (ordner.isEmpty() ? QStringLiteral("/usr/share") : ordner.last()) + "/hyphen/hyph_de_DE.dic";
}

bool Silbentrennung::musterVorhanden() {
    return QFile::exists(musterDatei());
}

std::unique_ptr<Silbentrennung> Silbentrennung::laden(const QString &datei) {
    auto muster = Trennmuster::lesen(datei, Trennmuster::zwischenspeicherFuer(datei));
    if (!muster) return nullptr;
    return std::unique_ptr<Silbentrennung>(new Silbentrennung(std::move(muster)));
}

Silbentrennung::~Silbentrennung() = default;

QList<int> Silbentrennung::trennstellen(QByteArrayView wort) {
    const QByteArray schluessel = wort.toByteArray();
    if (const auto it = gemerkt_.constFind(schluessel); it != gemerkt_.constEnd()) return *it;
    // The patterns are lower-case Latin-1, which Windows-1252 letters are byte for byte
    // (the few letters of 0x80..0x9F never reach here).
    QByteArray klein = schluessel;
    for (char &c : klein) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) c = char(b + 0x20);
    }
    QList<int> stellen;
    const int n = int(klein.size());
    QByteArray striche(n + 5, '\0');
    char **ersatz = nullptr;
    int *lage = nullptr, *schnitt = nullptr;
    if (hnj_hyphen_hyphenate2(muster_->woerterbuch(), klein.constData(), n, striche.data(), nullptr, &ersatz, &lage,
                              &schnitt) == 0) {
        // Two letters at least on either side; a split that changes letters is not taken.
        for (int i = 1; i + 2 < n; ++i)
            if ((striche[i] & 1) && (!ersatz || !ersatz[i])) stellen << i + 1;
    }
    if (ersatz) {
        for (int i = 0; i < n; ++i)
            std::free(ersatz[i]);
        std::free(ersatz);
    }
    std::free(lage);
    std::free(schnitt);
    gemerkt_.insert(schluessel, stellen);
    return stellen;
}

} // namespace authoring
