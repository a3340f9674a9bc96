#include "book/core/seitensatz.h"

#include <algorithm>

namespace book {

namespace {

const QByteArray &leereSeite() {
    static const QByteArray leer = Seitensatz::leereZeile().repeated(kZeilenJeSeite);
    return leer;
}

} // namespace

Seitensatz::Seitensatz() : bytes_(leereSeite()) {}

QByteArray Seitensatz::zeile(const QByteArray &text) {
    QByteArray z(kZeilenLaenge, ' ');
    z[0] = char(52);
    const qsizetype n = qMin<qsizetype>(text.size(), kTextSpalten);
    std::copy_n(text.constData(), n, z.data() + 1);
    z[50] = '|';
    z[51] = '\r';
    z[52] = '\n';
    return z;
}

const QByteArray &Seitensatz::leereZeile() {
    static const QByteArray leer = zeile({});
    return leer;
}

void Seitensatz::setzen(int nummer, QByteArrayView text) {
    if (nummer < 1 || nummer > kZeilenJeSeite) return;
    char *spalten = bytes_.data() + (nummer - 1) * kZeilenLaenge + 1;
    const qsizetype n = qMin<qsizetype>(text.size(), kTextSpalten);
    std::copy_n(text.data(), n, spalten);
    std::fill_n(spalten + n, kTextSpalten - n, ' ');
}

void Seitensatz::setzeErstesZeichen(int nummer, char c) {
    if (nummer >= 1 && nummer <= kZeilenJeSeite) bytes_[(nummer - 1) * kZeilenLaenge + 1] = c;
}

QByteArray Seitensatz::text(int nummer) const {
    if (nummer < 1 || nummer > kZeilenJeSeite) return {};
    return bytes_.mid((nummer - 1) * kZeilenLaenge + 1, kTextSpalten);
}

bool Seitensatz::leer() const {
    return bytes_ == leereSeite();
}

QByteArray Seitensatz::bytes() const {
    return bytes_;
}

bool Seitensatz::ausBytes(const QByteArray &bytes, Seitensatz *satz) {
    if (bytes.size() != kSeitensatzGroesse) return false;
    satz->bytes_ = bytes;
    return true;
}

Zeilenart ArtDerZeile(const QByteArray &text) {
    if (text.startsWith(kUeberschriftzeichen)) return Zeilenart::Titel;
    if (text.startsWith(":B:")) return Zeilenart::Bild;
    if (text.startsWith(kUnterschriftzeichen)) return Zeilenart::Unterschrift;
    return Zeilenart::Text;
}

QString Albumblattname(const QString &programmName, int rechteSeite) {
    return programmName + QString::number(rechteSeite).mid(1, 3) + ".bmp";
}

} // namespace book
