#pragma once
// Memory for the hyphenation tables, shared by their reader and their cache.
#include <cstddef>
#include <memory>

namespace authoring {

// Pages of their own (datei < 0), or of a file mapped read-only, brought in whole.
std::shared_ptr<void> TrennmusterSeiten(size_t laenge, int datei = -1);

} // namespace authoring
