// Dates are kept as text "dd/mm/yyyy" and as a day number: the seconds from
// 01/01/1970 00:00 to 00:00 of that day, with no time zone involved.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelmo {

constexpr long long kSecondsPerDay = 86400;

// Day between 1 and 31 and month between 1 and 12 (the year and the month's length are
// not checked: an impossible date passes and gets the day number -1).
bool is_valid_date(std::string_view date);

// Day number of a "dd/mm/yyyy" text, or -1 for a text off the mask, an impossible date or a
// date before 1970. 64-bit, so dates after January 2038 keep their real number.
long long day_number(std::string_view date);
std::string day_number_text(std::string_view date);

// "dd/mm/yyyy" of a day number (any second of the day); empty for a negative number.
std::string date_of_day_number(long long day_number);

struct CivilDate {
    int year = 1970;
    int month = 1;
    int day = 1;
};
std::string format_date(const CivilDate& d);  // "dd/mm/yyyy"

struct Stamp {
    std::string date;       // "dd/mm/yyyy"
    long long day = 0;      // its day number
    std::string day_text;   // the day number's digits
    std::string time;       // "hh:mm:ss"
};

// Today's date, its day number and the time, from the clock below.
Stamp stamp_now();

// The wall clock as local date and time. Tests fix it; production reads the system clock.
struct LocalDateTime {
    CivilDate date;
    int hour = 0;
    int minute = 0;
    int second = 0;
};
void set_fixed_clock(std::optional<LocalDateTime> fixed);
LocalDateTime local_now();

}  // namespace kelmo
