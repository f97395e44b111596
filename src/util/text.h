// Small text helpers shared by every layer (UTF-8 std::string, no Qt).
#pragma once

#include <string>
#include <string_view>

namespace kelmo {

// Spaces and tabs removed at both ends.
std::string trim(std::string_view s);

// Every space removed, wherever it stands.
std::string remove_spaces(std::string_view s);

// Decimal digits of a 64-bit value, with a leading '-' when negative.
std::string to_text(long long value);

// ASCII letters upper-cased; other bytes (accents in UTF-8) are left as they are.
std::string to_upper_ascii(std::string_view s);

}  // namespace kelmo
