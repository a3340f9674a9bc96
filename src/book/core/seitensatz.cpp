#include "book/core/seitensatz.h"

namespace book {

Seitensatz::Seitensatz() { zeilen_.fill(leereZeile()); }

QByteArray Seitensatz::zeile(const QByteArray &text) {
    QByteArray z(1, char(52));
    z += text.left(kTextSpalten).leftJustified(kTextSpalten, ' ');
    z += "|\r\n";
    return z;
}

const QByteArray &Seitensatz::leereZeile() {
    static const QByteArray leer = zeile({});
    return leer;
}

void Seitensatz::setzen(int nummer, const QByteArray &text) {
    if (nummer >= 1 && nummer <= kZeilenJeSeite) zeilen_[size_t(nummer - 1)] = zeile(text);
}

void Seitensatz::setzeErstesZeichen(int nummer, char c) {
    if (nummer >= 1 && nummer <= kZeilenJeSeite) zeilen_[size_t(nummer - 1)][1] = c;
}

QByteArray Seitensatz::text(int nummer) const {
    if (nummer < 1 || nummer > kZeilenJeSeite) return {};
    return zeilen_[size_t(nummer - 1)].mid(1, kTextSpalten);
}

bool Seitensatz::leer() const {
    for (const QByteArray &z : zeilen_)
        if (z != leereZeile()) return false;
    return true;
}

QByteArray Seitensatz::bytes() const {
    QByteArray b;
    b.reserve(kSeitensatzGroesse);
    for (const QByteArray &z : zeilen_) b += z;
    return b;
}

bool Seitensatz::ausBytes(const QByteArray &bytes, Seitensatz *satz) {
    if (bytes.size() != kSeitensatzGroesse) return false;
    for (int i = 0; i < kZeilenJeSeite; ++i) satz->zeilen_[size_t(i)] = bytes.mid(i * kZeilenLaenge, kZeilenLaenge);
    return true;
}

Zeilenart ArtDerZeile(const QByteArray &text) {
    if (text.startsWith(kUeberschriftzeichen)) return Zeilenart::Titel;
    if (text.startsWith(":B:")) return Zeilenart::Bild;
    if (text.startsWith(kUnterschriftzeichen)) return Zeilenart::Unterschrift;
    return Zeilenart::Text;
}

QString Albumblattname(const QString &programmName, int rechteSeite) {
    return "Pages\\" + programmName + QString::number(rechteSeite).mid(1, 3) + ".bmp";
}

} // namespace book
