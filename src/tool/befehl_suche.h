#pragma once
// `pagora-tool suche --part text|help|album BEGRIFF`: the program's spelling-tolerant
// search from the command line, every hit on a line of its own.
#include "project/core/zustand.h"

#include <QString>
#include <functional>

// Writes the hits of `begriff` in the part `teil` through `zeile`. Returns 0 when there
// were hits, 1 when there were none or the part cannot be read, 2 for an unknown part.
int befehlSuche(const projekt::Zustand &z, const QString &teil, const QString &begriff,
                const std::function<void(const QString &)> &zeile, const std::function<void(const QString &)> &klage);
