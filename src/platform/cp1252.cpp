#include "platform/cp1252.h"

#include <QList>
#include <array>

namespace platform {
namespace {

// 0x80..0x9F; the undefined positions keep their own value.
constexpr std::array<char16_t, 32> kHighBlock = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t toUnicode(unsigned char b) {
    return (b >= 0x80 && b <= 0x9F) ? kHighBlock[b - 0x80] : char16_t(b);
}

int toByte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    for (int i = 0; i < 32; ++i)
        if (kHighBlock[i] == c) return 0x80 + i;
    return -1;
}

} // namespace

QString fromCp1252(const QByteArray &bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        dst[i] = QChar(toUnicode(static_cast<unsigned char>(bytes[i])));
    return out;
}

QByteArray toCp1252(const QString &text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    char *dst = out.data(); // once: indexing the array checks for sharing at every byte
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = toByte(text[i].unicode());
        dst[i] = b < 0 ? '?' : char(b);
    }
    return out;
}

namespace {

template <typename Fn> void forEachCodePoint(const QString &text, Fn fn) {
    for (const char32_t c : text.toUcs4())
        fn(c, c <= 0xFFFF && toByte(char16_t(c)) >= 0);
}

} // namespace

QString notInCp1252(const QString &text) {
    QList<char32_t> seen;
    forEachCodePoint(text, [&seen](char32_t c, bool fits) {
        if (!fits && !seen.contains(c)) seen << c;
    });
    return QString::fromUcs4(seen.constData(), seen.size());
}

QString withoutNonCp1252(const QString &text) {
    QList<char32_t> kept;
    forEachCodePoint(text, [&kept](char32_t c, bool fits) {
        if (fits) kept << c;
    });
    return QString::fromUcs4(kept.constData(), kept.size());
}

} // namespace platform
