#pragma once
// Windows-1252 text at the file boundary. Every one of the 256 byte values maps to
// one character and back, so a file read and written again is byte-identical; the
// five bytes the code page leaves undefined map to the C1 controls of the same value.
#include <QByteArray>
#include <QString>

namespace platform {

QString fromCp1252(const QByteArray &bytes);
// Characters outside the code page become '?'.
QByteArray toCp1252(const QString &text);
// The characters of `text` the code page cannot hold, each once, in order of first
// appearance (a character beyond 16 bits stays whole); empty when all fit.
QString notInCp1252(const QString &text);
// `text` without those characters.
QString withoutNonCp1252(const QString &text);

} // namespace platform
