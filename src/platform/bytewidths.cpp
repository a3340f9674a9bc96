#include "platform/bytewidths.h"

#include <algorithm>

namespace platform {

ByteWidths::ByteWidths(const int (&advances)[256]) {
    std::copy(std::begin(advances), std::end(advances), advances_);
}

ByteWidths::ByteWidths(double advance) {
    for (int &a : advances_)
        a = int(advance * kEinheiten + 0.5);
}

int ByteWidths::width(const QByteArray &text) const {
    qint64 sum = 0;
    for (const char c : text)
        sum += advances_[static_cast<unsigned char>(c)];
    return pixel(sum);
}

} // namespace platform
