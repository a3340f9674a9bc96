#pragma once
// A page record of the reading-part and help page files: 29 lines of 53 bytes, each a
// length byte (always 52), 49 text columns, "|", CR, LF. The bytes are Windows-1252.
#include "book/core/seitenformat.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace book {

constexpr int kTextSpalten = 49;
constexpr char kUeberschriftzeichen = char(0xD0);
constexpr char kUnterschriftzeichen = char(0xA4);

enum class Zeilenart { Text, Titel, Bild, Unterschrift };

class Seitensatz {
public:
    Seitensatz(); // 29 blank lines

    // The 53 bytes of a line holding `text` (cut to 49 columns, padded with blanks).
    static QByteArray zeile(const QByteArray &text);
    static const QByteArray &leereZeile();

    // Lines count from 1 to 29.
    void setzen(int nummer, QByteArrayView text);
    void setzeErstesZeichen(int nummer, char c);
    QByteArray text(int nummer) const; // the 49 columns
    bool leer() const;                 // every line blank (length byte included)

    QByteArray bytes() const;
    // A record read from a page file; false unless it has exactly 1537 bytes.
    static bool ausBytes(const QByteArray &bytes, Seitensatz *satz);

private:
    QByteArray bytes_; // the 1537 bytes, written in place
};

Zeilenart ArtDerZeile(const QByteArray &text);

// "<ProgrammName>NNN.bmp", the file in the project's Pages folder of the album spread
// whose right page is R.
QString Albumblattname(const QString &programmName, int rechteSeite);

} // namespace book
