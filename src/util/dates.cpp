#include "util/dates.h"

#include <chrono>
#include <cstdio>
#include <ctime>

#include "util/numbers.h"
#include "util/text.h"

namespace kelmo {

namespace {

bool is_leap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int days_in_month(int y, int m) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return (m == 2 && is_leap(y)) ? 29 : kDays[m - 1];
}

// Days since 01/01/1970 of a proleptic Gregorian date (H. Hinnant's algorithm).
long long days_from_civil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

CivilDate civil_from_days(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp + (mp < 10 ? 3 : -9);
    return CivilDate{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

bool all_digits(std::string_view s) {
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return !s.empty();
}

std::optional<LocalDateTime>& fixed_clock() {
    static std::optional<LocalDateTime> fixed;
    return fixed;
}

}  // namespace

bool is_valid_date(std::string_view date) {
    std::string s = trim(date);
    if (s.size() < 4) return false;
    long long day = whole_value(s.substr(0, 2));
    long long month = s.size() > 3 ? whole_value(s.substr(3, 2)) : 0;
    return day >= 1 && day <= 31 && month >= 1 && month <= 12;
}

long long day_number(std::string_view date) {
    std::string s = trim(date);
    if (s.size() != 10 || s[2] != '/' || s[5] != '/') return -1;
    std::string_view v(s);
    if (!all_digits(v.substr(0, 2)) || !all_digits(v.substr(3, 2)) || !all_digits(v.substr(6, 4)))
        return -1;
    int day = static_cast<int>(whole_value(v.substr(0, 2)));
    int month = static_cast<int>(whole_value(v.substr(3, 2)));
    int year = static_cast<int>(whole_value(v.substr(6, 4)));
    if (year < 1970 || month < 1 || month > 12 || day < 1 || day > days_in_month(year, month))
        return -1;
    return days_from_civil(year, month, day) * kSecondsPerDay;
}

std::string day_number_text(std::string_view date) { return to_text(day_number(date)); }

std::string format_date(const CivilDate& d) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", d.day, d.month, d.year);
    return buf;
}

std::string date_of_day_number(long long number) {
    if (number < 0) return {};
    return format_date(civil_from_days(number / kSecondsPerDay));
}

void set_fixed_clock(std::optional<LocalDateTime> fixed) { fixed_clock() = fixed; }

LocalDateTime local_now() {
    if (fixed_clock()) return *fixed_clock();
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return LocalDateTime{CivilDate{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday}, tm.tm_hour,
                         tm.tm_min, tm.tm_sec};
}

Stamp stamp_now() {
    LocalDateTime now = local_now();
    Stamp s;
    s.date = format_date(now.date);
    s.day = day_number(s.date);
    s.day_text = to_text(s.day);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", now.hour, now.minute, now.second);
    s.time = buf;
    return s;
}

}  // namespace kelmo
