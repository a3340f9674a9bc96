#pragma once
// Spelling-tolerant folding of German text: a term and a text match when the folded
// term occurs in the folded text.
#include <QString>
#include <string>
#include <string_view>

namespace search {

// Replaces the first occurrence of `was` in `text` by `durch`.
void ErstesErsetzen(const QString &was, const QString &durch, QString &text);
// "A".."Z" to lower case, then the first "Ö", "Ü" and "Ä" each.
QString KleinMitUmlaut(const QString &text);
// The tolerant folding (lower case despite its name).
QString modifiedUpcase(const QString &text);
// The same into `ergebnis`, with `arbeit` as working space: no allocation once the two
// have grown, for searches that fold many lines.
void modifiedUpcase(QStringView text, QString &arbeit, QString &ergebnis);
// "a".."z" to upper case only: the plain mode.
QString Grossbuchstaben(const QString &text);
// The same foldings on a line of Windows-1252 bytes, giving bytes: a page search folds
// every line, and this spares it the conversion to text. Byte for byte what
// toCp1252(Falten(fromCp1252(zeile))) gives; `arbeit` is working space.
void FaltenBytes(std::string_view zeile, bool tolerant, std::string &arbeit, std::string &ergebnis);
// The folding chosen by the tolerant check box.
inline QString Falten(const QString &text, bool tolerant) {
    return tolerant ? modifiedUpcase(text) : Grossbuchstaben(text);
}

} // namespace search
