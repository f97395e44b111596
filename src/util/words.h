// Invoice totals written in French words: "3 004.75" -> "Trois Mille Quatre Dinars 75 Cts".
// The spacing, doubled spaces included, is part of the printed text.
#pragma once

#include <string>
#include <string_view>

namespace kelmo {

// Takes the display text of a non-negative amount with two decimals. A negative amount is
// written from its absolute value, so no word outside the table is ever looked up.
std::string amount_in_words(std::string_view display_amount);

}  // namespace kelmo
