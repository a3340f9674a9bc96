#pragma once
// Files the program takes in whole from a place a user chose (a text to import, a
// picture to read): only a regular file of bounded size. A device, a pipe or a folder
// would make a reader wait for ever or grow without end, so they are refused before
// they are opened.
#include <QString>

namespace platform {

constexpr qint64 kMaxInputBytes = qint64(1) << 30; // 1 GiB

enum class InputCheck {
    Ok,
    Missing,  // no such file, or it cannot be looked at
    NotAFile, // a device, a pipe, a socket or a folder (links are followed)
    TooLarge, // larger than the limit
};

// The program's own resources (":/...") are always regular files.
InputCheck checkInput(const QString &nativePath, qint64 maxBytes = kMaxInputBytes);

} // namespace platform
