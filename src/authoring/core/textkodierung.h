#pragma once
// Texts as authors save them today. A UTF-8 text (with its byte order mark, or valid
// UTF-8 with at least one character of several bytes) is converted to Windows-1252,
// the code page of the pages; the characters that code page cannot hold are named with
// their source lines, so the author decides before anything is written. Every other
// text is Windows-1252 and is imported byte for byte as it stands.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

namespace authoring {

struct Fremdzeichen {
    char32_t zeichen = 0;
    QList<int> zeilen; // source lines (1-based) that hold it, each once, ascending
};

struct Textkodierung {
    bool utf8 = false;
    QByteArray text;           // for UTF-8: the text in Windows-1252, without the characters below
    QList<Fremdzeichen> fremd; // characters Windows-1252 cannot hold, in order of first appearance
    qsizetype stellen = 0;     // how often they occur altogether
};

// UTF-8: a byte order mark, or valid sequences of which at least one has several bytes.
bool IstUtf8(QByteArrayView bytes);

// The conversion of a UTF-8 text; for any other text only `utf8` false, and the
// text's bytes are to be taken as they are. LF, CR LF and CR each end a source line.
// A broken sequence in a text with a byte order mark counts as a character the code
// page cannot hold (U+FFFD).
Textkodierung NachWindows1252(QByteArrayView bytes);

// The characters for a message: each with its code and lines, at most `hoechstens`
// lines of text, then how many more there are.
QString FremdzeichenListe(const QList<Fremdzeichen> &fremd, qsizetype stellen, int hoechstens = 12);

// "The text file is UTF-8; these characters cannot be kept:" and the list.
QString FremdzeichenMeldung(const QString &textName, const QList<Fremdzeichen> &fremd, qsizetype stellen);

} // namespace authoring
