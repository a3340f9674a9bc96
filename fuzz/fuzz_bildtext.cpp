// Any bytes as a picture text file ("Album\<name>.dok"): the text as the picture text
// box shows it, and the file that saving it unchanged writes. No crash; the saved file
// reads back to the same text, and saving that again gives the same bytes.
#include "platform/files.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray datei(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = platform::splitLines(datei).join('\n');
    const QByteArray gespeichert = platform::joinLines(text.split('\n'));
    if (platform::splitLines(gespeichert).join('\n') != text) std::abort();
    if (platform::joinLines(platform::splitLines(gespeichert)) != gespeichert) std::abort();
    // Bytes stay bytes: only line ends may differ from the file that was read.
    QByteArray ohneZeilenenden = datei;
    ohneZeilenenden.replace('\r', "").replace('\n', "");
    QByteArray gespeichertOhne = gespeichert;
    gespeichertOhne.replace('\r', "").replace('\n', "");
    if (gespeichertOhne != ohneZeilenenden) std::abort();
    return 0;
}
