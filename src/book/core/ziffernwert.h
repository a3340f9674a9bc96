#pragma once
#include <QString>

namespace book {

// The number formed by the decimal digits of a text, every other character dropped;
// 0 when there is none. Digits beyond what a 32-bit signed integer holds saturate at
// 2147483647, so an overlong value still means "very far" and never wraps negative.
int ZiffernWert(const QString &text);

} // namespace book
