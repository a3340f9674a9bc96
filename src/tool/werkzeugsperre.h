#pragma once
// A command that writes into a project takes the data root's lock, the one the
// program holds while it is open, and first finishes what an interrupted change left.
#include "platform/sperrdatei.h"
#include "project/core/zustand.h"

#include <memory>

// The lock, or nothing (with the reason on stderr) while the program or another
// writing command holds it.
std::unique_ptr<platform::Sperrdatei> werkzeugSperre(const projekt::Zustand &z);
