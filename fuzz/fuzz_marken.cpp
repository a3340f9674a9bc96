// Any bytes as a mark file: no crash, no hang, the radius stays within 8..20, every
// comment within 80 characters, and a mark file written again without any mark reads
// back to the same marks.
#include "album/core/marken.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray datei(reinterpret_cast<const char *>(data), qsizetype(size));
    const album::Markentabelle t = album::Markentabelle::Lesen(datei);
    if (t.radius < 8 || t.radius > 20) std::abort();
    for (const album::Marke &m : t.marken)
        if (m.text.size() > 80 || m.x < 0 || m.y < 0) std::abort();
    if (!t.marken.isEmpty()) {
        (void)t.Unter(t.marken.first().x, t.marken.first().y);
        const album::Markentabelle wieder = album::Markentabelle::Lesen(t.SchreibenOhne(1));
        if (wieder.marken.size() != t.marken.size() - 1) std::abort();
    }
    return 0;
}
