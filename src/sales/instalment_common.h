// Small helpers shared by the instalment tab's logic files.
#pragma once

#include <string>
#include <string_view>

#include "util/numbers.h"
#include "util/text.h"

namespace kelmo::sales::detail {

// Hundredths of a typed or displayed amount ("1 234.50" -> 123450; "" -> 0).
inline long long cents(std::string_view text) {
    return whole_value(to_hundredths(text));
}

// Line amount: quantity times unit price, both in hundredths, with the last two digits
// cut (truncated towards zero). Held in 128 bits so that no product of two amounts wraps.
inline long long line_amount(long long q, long long p) {
    __int128 a = static_cast<__int128>(q) * p / 100;
    constexpr long long kMax = 0x7fffffffffffffffLL;
    if (a > kMax) return kMax;
    if (a < -kMax) return -kMax;
    return static_cast<long long>(a);
}

}  // namespace kelmo::sales::detail
