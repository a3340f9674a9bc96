#include "platform/files.h"

#include "platform/aenderung.h"
#include "platform/cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

Files::Files(DriveMap drives) : drives_(std::move(drives)) {}

QString Files::native(const QString &storedPath) const {
    QString path = storedPath;
    path.replace('/', '\\');
    QString base;
    if (path.size() >= 2 && path[1] == ':') {
        base = drives_.folder(path[0]);
        if (base.isEmpty()) return {};
        path = path.mid(2);
    } else if (path.startsWith('\\')) {
        base = drives_.folder('C');
    } else {
        base = QDir::currentPath() + '/';
    }
    const QStringList parts = path.split('\\', Qt::SkipEmptyParts);
    // Most paths are stored as they are on disk: one look at the whole path spares a
    // look at each of its folders.
    QString direkt = base;
    for (const QString &part : parts) {
        if (part == "..") return {}; // stored paths never climb
        if (part == ".") continue;
        if (!direkt.endsWith('/')) direkt += '/';
        direkt += part;
    }
    if (QFileInfo::exists(direkt)) {
        if (storedPath.endsWith('\\') && !direkt.endsWith('/')) direkt += '/';
        return direkt;
    }
    // The folders as stored, the name in another case or not there: only the name is
    // looked up among the folder's entries.
    if (!parts.isEmpty() && parts.last() != "." && direkt.endsWith(parts.last())) {
        const QString ordner = direkt.left(direkt.size() - parts.last().size());
        if (ordner == base || QFileInfo::exists(ordner)) {
            const QString gefunden = index_->find(ordner, parts.last());
            QString ergebnis = ordner + (gefunden.isEmpty() ? parts.last() : gefunden);
            if (storedPath.endsWith('\\') && !ergebnis.endsWith('/')) ergebnis += '/';
            return ergebnis;
        }
    }
    QString current = base;
    bool missing = false;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &part = parts[i];
        if (part == ".") continue;
        if (part == "..") return {}; // stored paths never climb
        QString name = part;
        if (!missing && !QFileInfo::exists(current + part)) {
            const QString found = index_->find(current, part);
            missing = found.isEmpty();
            if (!missing) name = found;
        }
        current += name;
        if (i + 1 < parts.size()) current += '/';
    }
    if (storedPath.endsWith('\\') && !current.endsWith('/')) current += '/';
    return current;
}

bool Files::exists(const QString &storedPath) const {
    const QString n = native(storedPath);
    return !n.isEmpty() && QFileInfo(n).isFile();
}

bool Files::folderExists(const QString &storedPath) const {
    const QString n = native(storedPath);
    return !n.isEmpty() && QFileInfo(n).isDir();
}

qint64 Files::size(const QString &storedPath) const {
    const QFileInfo info(native(storedPath));
    return info.isFile() ? info.size() : -1;
}

namespace {

// At most `grenze` bytes of `f`. Reading `grenze` at once would reserve that much
// memory for every small file; the file's size plus one byte is asked for first, and
// only a file that grew meanwhile (or tells no size) is read on in pieces.
QByteArray begrenztLesen(QFile &f, qint64 grenze) {
    QByteArray out;
    qint64 stueck = qMin(grenze, qMax<qint64>(f.size(), 0) + 1);
    for (;;) {
        const QByteArray teil = f.read(stueck);
        out += teil;
        if (teil.size() < stueck || out.size() >= grenze) return out;
        stueck = qMin<qint64>(grenze - out.size(), 1 << 20);
    }
}

} // namespace

bool Files::read(const QString &storedPath, QByteArray *out, qint64 maxBytes) const {
    QFile f(native(storedPath));
    if (f.fileName().isEmpty() || !f.open(QIODevice::ReadOnly)) return false;
    *out = begrenztLesen(f, maxBytes + 1);
    return out->size() <= maxBytes && f.error() == QFileDevice::NoError;
}

bool Files::readHead(const QString &storedPath, QByteArray *out, qint64 maxBytes, bool *abgeschnitten) const {
    QFile f(native(storedPath));
    if (f.fileName().isEmpty() || !f.open(QIODevice::ReadOnly)) return false;
    *out = begrenztLesen(f, maxBytes + 1);
    if (f.error() != QFileDevice::NoError) return false;
    *abgeschnitten = out->size() > maxBytes;
    if (*abgeschnitten) out->truncate(maxBytes);
    return true;
}

namespace {

// The new file gets the old one's permissions, or those a new file would get.
mode_t modusFuer(const QString &ziel) {
    struct stat alt;
    if (::lstat(QFile::encodeName(ziel).constData(), &alt) == 0 && S_ISREG(alt.st_mode)) return alt.st_mode & 07777;
    const mode_t maske = ::umask(0);
    ::umask(maske);
    return 0666 & ~maske;
}

// A finished copy of `bytes` beside `ziel`, on disk before the call returns unless
// `syncen` is false: the name of the temporary file, or empty when it could not be
// written whole.
QString nebenDatei(const QString &ziel, const QByteArray &bytes, bool syncen) {
    const QFileInfo info(ziel);
    QTemporaryFile f(info.absolutePath() + '/' + neuerName(info.fileName()));
    if (!f.open()) return {};
    const bool gut = f.write(bytes) == bytes.size() && f.flush() && (!syncen || ::fsync(f.handle()) == 0) &&
                     ::fchmod(f.handle(), modusFuer(ziel)) == 0;
    if (!gut) return {};
    // Unsynced, the disk still starts on it now, so that the sync after a run of such
    // files finds little left to wait for. Only a hint: the sync alone makes it whole.
    if (!syncen) ::sync_file_range(f.handle(), 0, 0, SYNC_FILE_RANGE_WRITE);
    f.setAutoRemove(false);
    return f.fileName();
}

} // namespace

bool Files::write(const QString &storedPath, const QByteArray &bytes) const {
    return writeAll({{storedPath, bytes}}) < 0;
}

bool Files::writeUnsynced(const QString &storedPath, const QByteArray &bytes) const {
    return ersetzen({{storedPath, bytes}}, false) < 0;
}

bool Files::syncFolder(const QString &storedFolder) const {
    const QString n = native(storedFolder);
    if (n.isEmpty()) return false;
    const int fd = ::open(QFile::encodeName(n).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool gut = ::syncfs(fd) == 0;
    ::close(fd);
    return gut;
}

int Files::writeAll(const QList<Neu> &dateien) const {
    return ersetzen(dateien, true);
}

int Files::ersetzen(const QList<Neu> &dateien, bool syncen) const {
    QStringList ziele, neue;
    // Finished drafts belong to this call from the start: a failure removes them all,
    // those not yet reached included.
    auto aufraeumen = [&neue, &dateien] {
        for (const QString &n : neue)
            QFile::remove(n);
        for (const Neu &d : dateien)
            if (!d.fertig.isEmpty()) QFile::remove(d.fertig);
    };
    for (qsizetype i = 0; i < dateien.size(); ++i) {
        const QString n = native(dateien[i].storedPath);
        const QString &fertig = dateien[i].fertig;
        QString neu;
        if (!n.isEmpty() && fertig.isEmpty()) {
            neu = nebenDatei(n, dateien[i].bytes, syncen);
        } else if (!n.isEmpty() && QFileInfo(fertig).absolutePath() == QFileInfo(n).absolutePath() &&
                   ::chmod(QFile::encodeName(fertig).constData(), modusFuer(n)) == 0) {
            neu = fertig; // a rename never leaves its folder's file system
        }
        if (neu.isEmpty()) {
            aufraeumen();
            return int(i);
        }
        ziele << n;
        neue << neu;
        index_->forget(QFileInfo(n).absolutePath() + '/');
    }
    // Every new file is whole on disk: each rename replaces its target in one step, and
    // several go in as one change that a crash cannot split.
    const int fehler = aenderungAusfuehren(neue, ziele);
    for (const QString &n : ziele)
        index_->forget(QFileInfo(n).absolutePath() + '/');
    return fehler;
}

Files::Wiederherstellung Files::vollenden(const QString &storedFolder) const {
    const QString n = native(storedFolder);
    if (n.isEmpty() || !QFileInfo(n).isDir()) return {};
    const Wiederherstellung w = aenderungVollenden(n);
    index_->forget(n + '/');
    return w;
}

QStringList Files::reste(const QString &storedFolder) const {
    const QString n = native(storedFolder);
    return n.isEmpty() ? QStringList() : aenderungsReste(n);
}

bool Files::remove(const QString &storedPath) const {
    const QString n = native(storedPath);
    return !n.isEmpty() && QFile::remove(n);
}

bool Files::makeFolder(const QString &storedPath) const {
    const QString n = native(storedPath);
    return !n.isEmpty() && QDir().mkpath(n);
}

bool Files::copy(const QString &fromStored, const QString &toStored) const {
    QByteArray bytes;
    if (!read(fromStored, &bytes, qint64(1) << 31) || !write(toStored, bytes)) return false;
    // A copied programme stays runnable.
    QFile::setPermissions(native(toStored), QFile::permissions(native(fromStored)));
    return true;
}

QStringList Files::list(const QString &storedFolder, const QString &wildcard) const {
    const QString n = native(storedFolder);
    if (n.isEmpty()) return {};
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(wildcard),
                                QRegularExpression::CaseInsensitiveOption);
    QStringList result;
    const QStringList entries = QDir(n).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &e : entries)
        if (re.match(e).hasMatch()) result << e;
    return result;
}

QStringList splitLines(const QByteArray &bytes) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') continue;
        lines << fromCp1252(bytes.mid(start, i - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines << fromCp1252(bytes.mid(start));
    return lines;
}

QByteArray joinLines(const QStringList &lines) {
    QByteArray out;
    for (const QString &l : lines)
        out += toCp1252(l) + "\r\n";
    return out;
}

} // namespace platform
