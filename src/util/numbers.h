// Amounts, prices and quantities are whole numbers of hundredths (1250 is 12.50).
// These helpers turn typed text into hundredths, hundredths into display text, and give
// the whole-number value that all arithmetic uses. All values are 64-bit.
#pragma once

#include <string>
#include <string_view>

namespace kelmo {

// A typed number: optional leading '-', digits, at most one '.' or ',', spaces ignored.
bool is_number(std::string_view typed);

// Typed amount to its hundredths text ("12.5" -> "1250", "0.05" -> "005"); not rounded.
std::string to_hundredths(std::string_view typed);

// Hundredths text to a decimal text without grouping ("1250" -> "12.50", "-000" -> "0.00").
std::string hundredths_to_decimal(std::string_view hundredths);

// Decimal text with its integer digits grouped by three ("-4321.50" -> "-4 321.50").
std::string group_thousands(std::string_view decimal);

// Hundredths text to display text ("987654321" -> "9 876 543.21").
std::string format_amount(std::string_view hundredths);
std::string format_amount(long long hundredths);

// Whole-number value: leading blanks skipped, optional sign, digits up to the first other
// character; 0 when there are none ("12.50" -> 12). Saturates instead of overflowing.
long long whole_value(std::string_view text);

}  // namespace kelmo
