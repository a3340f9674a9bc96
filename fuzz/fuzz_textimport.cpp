// Any bytes as a text to import, with hyphenation or without: no crash, no hang, at
// least one page, and every page record well-formed (length byte 52, 49 columns, "|",
// CR, LF on all 29 lines).
#include "authoring/core/textimport.h"

#include <cstdint>
#include <cstdlib>

namespace {

class Bilder : public authoring::Bildquelle {
public:
    std::optional<int> vorhandeneHoehe(const QByteArray &name) override {
        if (name.isEmpty()) return std::nullopt;
        return (static_cast<unsigned char>(name[0]) * 7) % 700; // up to taller than a page
    }
    int Kleinbild(const QByteArray &name) override { return name.size() % 14; }
};

// Hyphenation that allows a split after every letter but the first and the last.
class UeberallTrennen : public authoring::Worttrennung {
public:
    QList<int> trennstellen(QByteArrayView wort) override {
        QList<int> stellen;
        for (int i = 2; i + 2 <= int(wort.size()); ++i)
            stellen << i;
        return stellen;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static const authoring::Importmasse masse{platform::ByteWidths(5.5), platform::ByteWidths(6.5),
                                              platform::ByteWidths(5.0), platform::ByteWidths(4.0)};
    // The first byte chooses the hyphenation; the rest is the text.
    const bool trennen = size > 0 && (data[0] & 1);
    const QByteArray text(reinterpret_cast<const char *>(data) + (size > 0), qsizetype(size > 0 ? size - 1 : 0));
    Bilder bilder;
    UeberallTrennen ueberall;
    int seiten = 0;
    const auto r = authoring::Buchmachen(
        text, masse, bilder,
        [&seiten](const book::Seitensatz &s) {
            const QByteArray b = s.bytes();
            if (b.size() != book::kSeitensatzGroesse) std::abort();
            for (int i = 0; i < book::kZeilenJeSeite; ++i) {
                const QByteArray z = b.mid(i * book::kZeilenLaenge, book::kZeilenLaenge);
                if (z[0] != char(52) || z.mid(50) != "|\r\n") std::abort();
            }
            ++seiten;
            return true;
        },
        {}, trennen ? &ueberall : nullptr);
    if (!r.ok || seiten < 1 || r.GeschriebeneSeiten != seiten) std::abort();
    return 0;
}
