#include "project/core/einstellungen.h"

#include "platform/cp1252.h"
#include "platform/files.h"

namespace projekt {

Einstellungen::Einstellungen()
    : eintraege_{{{"Path", "Pagora\\"},
                  {"Title", "Pagora"},
                  {"Title.Left", "64"},
                  {"Title.Top", "8"},
                  {"Title.FontSize", "36"},
                  {"Shadow.Left", "66"},
                  {"Shadow.Top", "10"},
                  {"Title1.Top", "98"},
                  {"Title2", ""},
                  {"Title2.Top", "224"},
                  {"Title1.FontSize", "24"},
                  {"Title2.FontSize", "11"},
                  {"Sheet1", "Texte"},
                  {"Sheet2", "Bilder"},
                  {"Sheet3", "Hilfe"},
                  {"Sheet4", ""},
                  {"Sheet5", ""},
                  {"Mark1", "0"},
                  {"Mark2", "1000"},
                  {"Mark3", "2000"},
                  {"Mark4", ""},
                  {"Mark5", ""},
                  {"Mark6", ""},
                  {"Mark7", ""},
                  {"Mark8", ""},
                  {"Mark9", ""},
                  {"ShowCBT", ""},
                  {"Wallpaper", ""}}} {}

int Einstellungen::index(const QString &schluessel) const {
    for (int i = 0; i < kEinstellungsAnzahl; ++i)
        if (eintraege_[size_t(i)].schluessel == schluessel) return i;
    return -1;
}

const QString &Einstellungen::wert(const QString &schluessel) const {
    static const QString leer;
    const int i = index(schluessel);
    return i < 0 ? leer : eintraege_[size_t(i)].wert;
}

void Einstellungen::setzen(const QString &schluessel, const QString &wert) {
    const int i = index(schluessel);
    if (i >= 0) eintraege_[size_t(i)].wert = wert.left(kMaxWertLaenge);
}

bool Einstellungen::operator==(const Einstellungen &other) const {
    for (int i = 0; i < kEinstellungsAnzahl; ++i)
        if (eintraege_[size_t(i)].wert != other.eintraege_[size_t(i)].wert) return false;
    return true;
}

void Einstellungen::lesen(const QByteArray &datei) {
    const QStringList zeilen = platform::splitLines(datei);
    for (const QString &ganz : zeilen) {
        const QString zeile = ganz.left(kMaxZeilenLaenge);
        const qsizetype gleich = zeile.indexOf('=');
        if (gleich <= 0) continue;
        const int i = index(zeile.left(gleich));
        if (i >= 0) eintraege_[size_t(i)].wert = zeile.mid(gleich + 1).left(kMaxWertLaenge);
    }
}

QByteArray Einstellungen::schreiben(const Einstellungen &vorgaben) const {
    QStringList zeilen;
    bool abweichend = false;
    for (int i = 0; i < kEinstellungsAnzahl; ++i) {
        const Einstellung &e = eintraege_[size_t(i)];
        abweichend = abweichend || e.wert != vorgaben.eintraege_[size_t(i)].wert;
        if (abweichend) zeilen << e.schluessel + '=' + e.wert;
    }
    return platform::joinLines(zeilen);
}

} // namespace projekt
