#pragma once
// `pagora-tool neu NAME ORDNER`: a new project without the window.
#include <QStringList>
#include <optional>

// The exit code of the command, or none when the arguments name another command.
std::optional<int> befehlNeu(const QStringList &argumente);
