#include "authoring/core/textkodierung.h"

#include "platform/cp1252.h"

#include <QCoreApplication>
#include <QHash>
#include <array>

namespace authoring {
namespace {

constexpr char32_t kUngueltig = 0xFFFD;

bool hatMarke(QByteArrayView b) {
    return b.size() >= 3 && b[0] == '\xEF' && b[1] == '\xBB' && b[2] == '\xBF';
}

// The character at `i` and its length in bytes; length 0 for a broken sequence
// (overlong forms and surrogates included).
char32_t zeichenBei(QByteArrayView b, qsizetype i, int *laenge) {
    const auto u = [&](qsizetype k) { return static_cast<unsigned char>(b[k]); };
    const unsigned char c = u(i);
    *laenge = 0;
    int folge = 0;
    char32_t z = 0;
    unsigned char min = 0x80, max = 0xBF; // the allowed range of the first continuation byte
    if (c < 0x80) {
        *laenge = 1;
        return c;
    } else if (c >= 0xC2 && c <= 0xDF) {
        folge = 1;
        z = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        folge = 2;
        z = c & 0x0F;
        if (c == 0xE0) min = 0xA0;
        if (c == 0xED) max = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        folge = 3;
        z = c & 0x07;
        if (c == 0xF0) min = 0x90;
        if (c == 0xF4) max = 0x8F;
    } else {
        return kUngueltig;
    }
    if (i + folge >= b.size()) return kUngueltig;
    for (int k = 1; k <= folge; ++k) {
        const unsigned char f = u(i + k);
        if (k == 1 ? (f < min || f > max) : (f & 0xC0) != 0x80) return kUngueltig;
        z = (z << 6) | (f & 0x3F);
    }
    *laenge = folge + 1;
    return z;
}

// Windows-1252's byte for a character, or -1 when it has none.
int cp1252Byte(char32_t z) {
    static const QHash<char32_t, int> oben = [] {
        QHash<char32_t, int> h;
        for (int b = 0x80; b < 0xA0; ++b)
            h.insert(platform::fromCp1252(QByteArray(1, char(b))).at(0).unicode(), b);
        return h;
    }();
    if (z < 0x80 || (z >= 0xA0 && z <= 0xFF)) return int(z);
    return oben.value(z, -1);
}

} // namespace

bool IstUtf8(QByteArrayView bytes) {
    if (hatMarke(bytes)) return true;
    bool mehrbytig = false;
    for (qsizetype i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        int laenge = 0;
        zeichenBei(bytes, i, &laenge);
        if (laenge == 0) return false;
        mehrbytig = true;
        i += laenge;
    }
    return mehrbytig;
}

Textkodierung NachWindows1252(QByteArrayView bytes) {
    Textkodierung k;
    if (!IstUtf8(bytes)) return k;
    k.utf8 = true;
    k.text.reserve(bytes.size());
    QHash<char32_t, qsizetype> stelle; // index in `fremd`
    int zeile = 1;
    for (qsizetype i = hatMarke(bytes) ? 3 : 0; i < bytes.size();) {
        const char c = bytes[i];
        if (static_cast<unsigned char>(c) < 0x80) {
            k.text += c;
            // CR LF, CR and LF each end one line.
            if (c == '\n' || (c == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'))) ++zeile;
            ++i;
            continue;
        }
        int laenge = 0;
        const char32_t z = zeichenBei(bytes, i, &laenge);
        i += qMax(laenge, 1);
        if (const int b = cp1252Byte(z); b >= 0 && laenge > 0) {
            k.text += char(b);
            continue;
        }
        ++k.stellen;
        auto it = stelle.find(z);
        if (it == stelle.end()) {
            it = stelle.insert(z, k.fremd.size());
            k.fremd.append(Fremdzeichen{z, {}});
        }
        QList<int> &zeilen = k.fremd[*it].zeilen;
        if (zeilen.isEmpty() || zeilen.back() != zeile) zeilen.append(zeile);
    }
    return k;
}

QString FremdzeichenListe(const QList<Fremdzeichen> &fremd, qsizetype stellen, int hoechstens) {
    constexpr int kZeilenJeZeichen = 8;
    QStringList zeilen;
    for (qsizetype i = 0; i < fremd.size(); ++i) {
        // The last line of the screenful counts what did not fit.
        if (zeilen.size() + 1 >= hoechstens && i + 1 < fremd.size()) {
            zeilen << QCoreApplication::translate("Import", "… und %1 weitere Zeichen (%2 Stellen im Ganzen)")
                          .arg(fremd.size() - i)
                          .arg(stellen);
            break;
        }
        const Fremdzeichen &f = fremd[i];
        QStringList nummern;
        for (qsizetype n = 0; n < qMin<qsizetype>(f.zeilen.size(), kZeilenJeZeichen); ++n)
            nummern << QString::number(f.zeilen[n]);
        QString orte = nummern.join(", ");
        if (f.zeilen.size() > kZeilenJeZeichen)
            orte = QCoreApplication::translate("Import", "%1 und %2 weiteren")
                       .arg(orte)
                       .arg(f.zeilen.size() - kZeilenJeZeichen);
        // A broken sequence or a control character is shown by its code alone.
        const QString zeichen = f.zeichen == kUngueltig || f.zeichen < 0x20 || (f.zeichen >= 0x80 && f.zeichen < 0xA0)
                                    ? QString()
                                    : QString::fromUcs4(&f.zeichen, 1);
        const QString code = QString::number(uint(f.zeichen), 16).toUpper().rightJustified(4, '0');
        zeilen << QCoreApplication::translate("Import", "„%1“ (U+%2) in Zeile %3").arg(zeichen, code, orte);
    }
    return zeilen.join('\n');
}

QString FremdzeichenMeldung(const QString &textName, const QList<Fremdzeichen> &fremd, qsizetype stellen) {
    return QCoreApplication::translate("Import", "Die Textdatei %1 ist in UTF-8 geschrieben. Diese Zeichen kann "
                                                 "Windows-1252, der Zeichensatz der Buchseiten, nicht darstellen:\n%2")
        .arg(textName, FremdzeichenListe(fremd, stellen));
}

} // namespace authoring
