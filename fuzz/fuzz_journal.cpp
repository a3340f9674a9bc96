// Any bytes as the journal of an interrupted change: finishing it never crashes or
// hangs, never touches a file outside its folder, never renames onto the journal or a
// file that is not named as a target, and leaves no journal and no new file behind.
#include "platform/aenderung.h"
#include "pruefen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

namespace {

void schreiben(const QString &pfad, const QByteArray &bytes) {
    QFile f(pfad);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

QByteArray lesen(const QString &pfad) {
    QFile f(pfad);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    QTemporaryDir basis;
    const QString ordner = basis.path() + "/Pages";
    QDir().mkpath(ordner);
    // Beside the folder, a file a hostile journal might aim at.
    schreiben(basis.path() + "/aussen", "aussen");
    schreiben(ordner + "/Buch.5", "alt");
    schreiben(ordner + "/.Buch.5.abcdef.pagora-neu", "neu");
    schreiben(ordner + '/' + platform::kJournalName, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const platform::Wiederherstellung w = platform::aenderungVollenden(ordner);
    PRUEFEN(lesen(basis.path() + "/aussen") == "aussen");
    PRUEFEN(QDir(basis.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name) ==
            QStringList({"Pages", "aussen"}));
    const QStringList rest = QDir(ordner).entryList(QDir::Files | QDir::Hidden);
    if (!w.fehler) PRUEFEN(platform::aenderungsReste(ordner).isEmpty());
    // The page file is the old one or the new one, whole.
    const QByteArray seiten = lesen(ordner + "/Buch.5");
    PRUEFEN(seiten == "alt" || seiten == "neu" || !rest.contains("Buch.5"));
    return 0;
}
