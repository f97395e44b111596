#include "util/numbers.h"

#include <limits>

#include "util/text.h"

namespace kelmo {

bool is_number(std::string_view typed) {
    std::string s = remove_spaces(trim(typed));
    if (!s.empty() && s[0] == '-') s.erase(0, 1);
    if (s.empty()) return false;
    int separators = 0;
    for (char c : s) {
        if (c == '.' || c == ',') {
            if (++separators > 1) return false;
        } else if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

std::string to_hundredths(std::string_view typed) {
    std::string s = trim(typed);
    std::string result;
    size_t sep = s.find_first_of(".,");
    if (sep != std::string::npos) {
        std::string decimals = trim(s.substr(sep + 1, 2));
        decimals.resize(2, '0');
        result = s.substr(0, sep) + decimals;
    } else {
        result = s + "00";
    }
    return remove_spaces(result);
}

std::string hundredths_to_decimal(std::string_view hundredths) {
    std::string s;
    for (char c : trim(hundredths))
        if (c != '.' && c != ',') s += c;
    std::string sign;
    if (!s.empty() && s[0] == '-') {
        sign = "-";
        s.erase(0, 1);
    }
    if (s.size() < 3) s.insert(0, 3 - s.size(), '0');
    std::string result = sign + s.substr(0, s.size() - 2) + "." + s.substr(s.size() - 2);
    bool zero = true;
    for (char c : s)
        if (c != '0') zero = false;
    if (zero) return "0.00";
    return trim(result);
}

std::string group_thousands(std::string_view decimal) {
    std::string s = remove_spaces(decimal);
    std::string integer = s;
    std::string fraction;
    if (s.size() >= 3 && (s[s.size() - 3] == '.' || s[s.size() - 3] == ',')) {
        integer = s.substr(0, s.size() - 3);
        fraction = s.substr(s.size() - 3);
    }
    std::string sign;
    if (!integer.empty() && integer[0] == '-') {
        sign = "-";
        integer.erase(0, 1);
    }
    std::string grouped;
    size_t first = integer.size() % 3;
    if (first == 0 && !integer.empty()) first = 3;
    grouped = integer.substr(0, first);
    for (size_t i = first; i < integer.size(); i += 3) grouped += " " + integer.substr(i, 3);
    std::string result = trim(sign + grouped + fraction);
    if (result == "0") return "0.00";
    return result;
}

std::string format_amount(std::string_view hundredths) {
    return group_thousands(hundredths_to_decimal(hundredths));
}

std::string format_amount(long long hundredths) { return format_amount(to_text(hundredths)); }

long long whole_value(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    constexpr long long kMax = std::numeric_limits<long long>::max();
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        int digit = text[i] - '0';
        if (value > (kMax - digit) / 10) {
            value = kMax;  // out of range: saturate rather than wrap
            break;
        }
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

}  // namespace kelmo
