#include "platform/files.h"

#include "platform/cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

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
    QString current = base;
    bool missing = false;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &part = parts[i];
        if (part == ".") continue;
        if (part == "..") return {};  // stored paths never climb
        QString name = part;
        if (!missing && !QFileInfo::exists(current + part)) {
            const QStringList entries =
                QDir(current).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            missing = true;
            for (const QString &e : entries)
                if (e.compare(part, Qt::CaseInsensitive) == 0) {
                    name = e;
                    missing = false;
                    break;
                }
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

bool Files::read(const QString &storedPath, QByteArray *out, qint64 maxBytes) const {
    QFile f(native(storedPath));
    if (f.fileName().isEmpty() || !f.open(QIODevice::ReadOnly)) return false;
    *out = f.read(maxBytes + 1);
    return out->size() <= maxBytes && f.error() == QFileDevice::NoError;
}

bool Files::write(const QString &storedPath, const QByteArray &bytes) const {
    const QString n = native(storedPath);
    if (n.isEmpty()) return false;
    QSaveFile f(n);
    if (!f.open(QIODevice::WriteOnly)) return false;
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
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
    for (const QString &l : lines) out += toCp1252(l) + "\r\n";
    return out;
}

} // namespace platform
