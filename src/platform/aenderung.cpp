#include "platform/aenderung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr char kKopf[] = "pagora-journal 1";

// rename() puts the new file in place of whatever the name is, a link included.
bool umbenennen(const QString &von, const QString &nach) {
    return std::rename(QFile::encodeName(von).constData(), QFile::encodeName(nach).constData()) == 0;
}

bool ordnerSyncen(const QString &ordner) {
    const int fd = ::open(QFile::encodeName(ordner).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool gut = ::fsync(fd) == 0;
    ::close(fd);
    return gut;
}

// A name the journal may hold: one file in its own folder.
bool schlichterName(const QString &name) {
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/') && !name.contains(QChar(0));
}

// The journal, written whole and synced beside its place and then renamed there: it
// stands complete or not at all.
bool journalSetzen(const QString &ordner, const QStringList &neue, const QStringList &ziele) {
    QByteArray text = QByteArray(kKopf) + '\n';
    for (qsizetype i = 0; i < neue.size(); ++i)
        text += QFile::encodeName(QFileInfo(neue[i]).fileName()) + '\t' +
                QFile::encodeName(QFileInfo(ziele[i]).fileName()) + '\n';
    QTemporaryFile f(ordner + '/' + kJournalName + ".XXXXXX" + kNeuEndung);
    if (!f.open() || f.write(text) != text.size() || !f.flush() || ::fsync(f.handle()) != 0) return false;
    f.setAutoRemove(false);
    f.close();
    if (umbenennen(f.fileName(), ordner + '/' + kJournalName) && ordnerSyncen(ordner)) return true;
    QFile::remove(f.fileName());
    return false;
}

// The pairs (new file, target) of a journal; none for a journal not written by a change.
bool journalLesen(const QString &datei, QList<std::pair<QString, QString>> *paare) {
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly) || f.size() > (1 << 20)) return false;
    const QList<QByteArray> zeilen = f.readAll().split('\n');
    if (zeilen.size() < 2 || zeilen.first() != kKopf || !zeilen.last().isEmpty()) return false;
    for (qsizetype i = 1; i + 1 < zeilen.size(); ++i) {
        const QList<QByteArray> teile = zeilen[i].split('\t');
        if (teile.size() != 2) return false;
        const QString neu = QFile::decodeName(teile[0]), ziel = QFile::decodeName(teile[1]);
        if (!schlichterName(neu) || !schlichterName(ziel) || !neu.endsWith(kNeuEndung) || ziel.endsWith(kNeuEndung) ||
            ziel == kJournalName)
            return false;
        paare->append({neu, ziel});
    }
    return true;
}

QStringList neueDateien(const QString &ordner) {
    QStringList namen;
    for (const QString &n : QDir(ordner).entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (n.startsWith('.') && n.endsWith(kNeuEndung)) namen << n;
    return namen;
}

} // namespace

QString neuerName(const QString &ziel) {
    return '.' + ziel.left(120) + ".XXXXXX" + kNeuEndung;
}

int aenderungAusfuehren(const QStringList &neue, const QStringList &ziele) {
    const QString ordner = ziele.isEmpty() ? QString() : QFileInfo(ziele.first()).absolutePath();
    qsizetype fremd = -1;
    // What would refuse its rename is found before the journal stands: a target in
    // another folder, or a folder in the target's place.
    for (qsizetype i = 0; i < ziele.size() && fremd < 0; ++i) {
        const QFileInfo ziel(ziele[i]);
        if (ziel.absolutePath() != ordner || QFileInfo(neue[i]).absolutePath() != ordner ||
            (ziel.isDir() && !ziel.isSymLink()))
            fremd = i;
    }
    if (fremd >= 0 || (ziele.size() > 1 && !journalSetzen(ordner, neue, ziele))) {
        for (const QString &n : neue)
            QFile::remove(n);
        return int(qMax<qsizetype>(fremd, 0));
    }
    for (qsizetype i = 0; i < ziele.size(); ++i)
        if (!umbenennen(neue[i], ziele[i])) return int(i);
    if (ziele.size() > 1) {
        // The renames are on disk before the journal goes: a crash in between finds
        // the journal and nothing left to do.
        ordnerSyncen(ordner);
        QFile::remove(ordner + '/' + kJournalName);
    }
    return -1;
}

Wiederherstellung aenderungVollenden(const QString &ordner) {
    Wiederherstellung w;
    const QString journal = ordner + '/' + kJournalName;
    if (QFileInfo::exists(journal)) {
        QList<std::pair<QString, QString>> paare;
        // A journal that no change wrote is no change: its files are left over, not new.
        if (journalLesen(journal, &paare)) {
            for (const auto &[neu, ziel] : paare) {
                if (!QFileInfo::exists(ordner + '/' + neu)) continue; // already in place
                if (!umbenennen(ordner + '/' + neu, ordner + '/' + ziel)) {
                    w.fehler = true;
                    return w;
                }
            }
            w.vollendet = true;
            ordnerSyncen(ordner);
        }
        QFile::remove(journal);
    }
    for (const QString &n : neueDateien(ordner))
        if (QFile::remove(ordner + '/' + n)) ++w.entfernt;
    return w;
}

QStringList aenderungsReste(const QString &ordner) {
    QStringList reste = neueDateien(ordner);
    if (QFileInfo::exists(ordner + '/' + kJournalName)) reste.prepend(kJournalName);
    return reste;
}

} // namespace platform
