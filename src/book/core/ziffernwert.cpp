#include "book/core/ziffernwert.h"

#include <limits>

namespace book {

int ZiffernWert(const QString &text) {
    constexpr qint64 kMax = std::numeric_limits<qint32>::max();
    qint64 value = 0;
    for (const QChar c : text) {
        if (c < '0' || c > '9') continue;
        value = qMin(kMax, value * 10 + (c.unicode() - '0'));
    }
    return int(value);
}

} // namespace book
