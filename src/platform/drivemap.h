#pragma once
// Drive letters on a system without them. Stored paths are written the Windows way
// ("E:\Quarn\Pages\Quarn.1"); this map says which native folder each letter stands for.
// C: is the file system root; D: to Z: are mounted media in a fixed order (see
// docs/PLATFORM.md). Tests build their own map.
#include <QMap>
#include <QString>

namespace platform {

class DriveMap {
public:
    // The map of this machine: C: = "/", then D:, E:, ... for the folders under
    // /media/<user>/, /run/media/<user>/ and /mnt/, each group sorted by name.
    static DriveMap system();

    void setDrive(QChar letter, const QString &nativeFolder);
    // Native folder of the letter (with trailing '/'), empty when unmapped.
    QString folder(QChar letter) const;
    // The drive path ("C:\work\") of a native absolute path, using the longest
    // matching mapped folder; C: when nothing else matches.
    QString toDrivePath(const QString &nativePath) const;

private:
    QMap<QChar, QString> folders_;
};

} // namespace platform
