// Any bytes as a mark file, up to the 4 MiB the picture view reads: no crash, no hang,
// the radius stays within 8..20 and (for up to 300 marks) is the one every pair of marks
// gives, every comment within 80 characters, and deleting a mark leaves one line fewer.
#include "album/core/marken.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// The radius by its definition: every pair closer than twice the radius in both
// directions shrinks it, down to 8.
int radiusPaarweise(const QList<album::Marke> &m) {
    int radius = 20;
    for (qsizetype i = 0; i < m.size(); ++i)
        for (qsizetype j = 0; j < m.size(); ++j)
            while (i != j && std::abs(m[i].x - m[j].x) < 2 * radius && std::abs(m[i].y - m[j].y) < 2 * radius &&
                   radius > 8)
                --radius;
    return radius;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray datei(reinterpret_cast<const char *>(data), qsizetype(size));
    const album::Markentabelle t = album::Markentabelle::Lesen(datei);
    if (t.radius < 8 || t.radius > 20) std::abort();
    if (t.marken.size() <= 300 && t.radius != radiusPaarweise(t.marken)) std::abort();
    for (const album::Marke &m : t.marken)
        if (m.text.size() > 80 || m.x < 0 || m.y < 0) std::abort();
    if (!t.marken.isEmpty()) {
        (void)t.Unter(t.marken.first().x, t.marken.first().y);
        // Deleting a mark (or line) takes out exactly its line.
        const int k = 1 + int(datei.size() % t.marken.size());
        const auto ohne = album::MarkeEntfernen(datei, t.Dateizeile(k), t.marken[k - 1]);
        if (!ohne || album::Markentabelle::Lesen(*ohne).marken.size() != t.marken.size() - 1) std::abort();
    }
    return 0;
}
