#pragma once
// `import`: a text into the project's reading part or help, run by the tool's front
// with Qt's core alone; only a picture without its small copy loads the module that
// draws one.
#include "tool/aufruf.h"

// The whole command: the data root's lock, the import, what it reports.
int importAusfuehren(projekt::Zustand &z, const Aufruf &a);
