#include "platform/drivemap.h"

#include <QDir>

namespace platform {
namespace {

QString withSlash(QString folder) {
    if (!folder.endsWith('/')) folder += '/';
    return folder;
}

} // namespace

DriveMap DriveMap::system() {
    DriveMap map;
    map.setDrive('C', "/");
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("LOGNAME"));
    QStringList media;
    for (const QString &base :
         {QStringLiteral("/media/") + user, QStringLiteral("/run/media/") + user, QStringLiteral("/mnt")}) {
        QDir dir(base);
        const QStringList names = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString &name : names)
            media << dir.filePath(name);
    }
    char16_t letter = 'D';
    for (const QString &folder : media) {
        if (letter > 'Z') break;
        map.setDrive(QChar(letter++), folder);
    }
    return map;
}

void DriveMap::setDrive(QChar letter, const QString &nativeFolder) {
    folders_[letter.toUpper()] = withSlash(nativeFolder);
}

QString DriveMap::folder(QChar letter) const {
    return folders_.value(letter.toUpper());
}

QString DriveMap::toDrivePath(const QString &nativePath) const {
    QChar best = 'C';
    QString bestFolder = "/";
    for (auto it = folders_.cbegin(); it != folders_.cend(); ++it) {
        const QString &f = it.value();
        if (f.size() > bestFolder.size() && (withSlash(nativePath).startsWith(f))) {
            best = it.key();
            bestFolder = f;
        }
    }
    QString rest = nativePath.mid(bestFolder.size());
    rest.replace('/', '\\');
    return QString(best) + ":\\" + rest;
}

} // namespace platform
