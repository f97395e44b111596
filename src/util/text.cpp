#include "util/text.h"

#include <algorithm>

namespace kelmo {

namespace {
bool is_blank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

std::string trim(std::string_view s) {
    size_t begin = 0;
    size_t end = s.size();
    while (begin < end && is_blank(s[begin])) ++begin;
    while (end > begin && is_blank(s[end - 1])) --end;
    return std::string(s.substr(begin, end - begin));
}

std::string remove_spaces(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s)
        if (c != ' ') out += c;
    return out;
}

std::string to_text(long long value) { return std::to_string(value); }

std::string to_upper_ascii(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; });
    return out;
}

}  // namespace kelmo
