#include "authoring/core/trennmusterseiten.h"

#include <QtGlobal>
#include <sys/mman.h>

namespace authoring {

// Pages of their own, or of a file, brought in whole by one call rather than a fault
// each: the tables are large and every page of them is used.
std::shared_ptr<void> TrennmusterSeiten(size_t laenge, int datei) {
    if (datei >= 0) {
        void *p = ::mmap(nullptr, qMax<size_t>(laenge, 1), PROT_READ, MAP_PRIVATE | MAP_POPULATE, datei, 0);
        if (p == MAP_FAILED) return nullptr;
        return std::shared_ptr<void>(p, [laenge](void *q) { ::munmap(q, qMax<size_t>(laenge, 1)); });
    }
    // Own pages in large pages where the system offers them: a few faults, not thousands.
    constexpr size_t kGross = size_t(2) << 20;
    const size_t ganz = (qMax<size_t>(laenge, 1) + kGross - 1) / kGross * kGross + kGross;
    void *p = ::mmap(nullptr, ganz, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) return nullptr;
    auto *anfang = reinterpret_cast<char *>((reinterpret_cast<quintptr>(p) + kGross - 1) / kGross * kGross);
    ::madvise(anfang, ganz - kGross, MADV_HUGEPAGE);
#ifdef MADV_POPULATE_WRITE
    ::madvise(anfang, ganz - kGross, MADV_POPULATE_WRITE); // older systems fault page by page
#endif
    return std::shared_ptr<void>(anfang, [p, ganz](void *) { ::munmap(p, ganz); });
}

} // namespace authoring
