#include "util/dates.h"

#include <gtest/gtest.h>

namespace kelmo {
namespace {

TEST(IsValidDate, ChecksDayAndMonthOnly) {
    EXPECT_TRUE(is_valid_date("05/03/2020"));
    EXPECT_TRUE(is_valid_date("31/02/2020"));
    EXPECT_FALSE(is_valid_date("00/05/2020"));
    EXPECT_FALSE(is_valid_date("12/13/2020"));
    EXPECT_FALSE(is_valid_date(""));
}

TEST(DayNumber, Cases) {
    const std::pair<const char*, long long> cases[] = {
        {"01/01/1970", 0},
        {"02/01/1970", 86400},
        {"05/03/2020", 1583366400},
        {"29/02/2020", 1582934400},
        {"01/03/2020", 1583020800},
        {"19/01/2038", 2147472000},
        // After January 2038 a date keeps its real number instead of -1.
        {"20/01/2038", 2147558400},
        {"15/06/2040", 2223331200},
        {"31/02/2020", -1},
        {"31/04/2020", -1},
        {"29/02/2021", -1},
        {"31/12/1969", -1},
        {"5/3/2020", -1},
        {"", -1},
        {"aa/bb/cccc", -1},
    };
    for (auto [date, expected] : cases) EXPECT_EQ(day_number(date), expected) << date;
    EXPECT_EQ(day_number_text("31/02/2020"), "-1");
}

TEST(DayNumber, RoundTripsThroughDateText) {
    for (const char* date : {"01/01/1970", "29/02/2024", "31/12/2099", "15/06/2040"})
        EXPECT_EQ(date_of_day_number(day_number(date)), date);
    EXPECT_EQ(date_of_day_number(-1), "");
}

TEST(StampNow, UsesTheFixedClock) {
    set_fixed_clock(LocalDateTime{{2026, 12, 11}, 9, 5, 7});
    Stamp s = stamp_now();
    set_fixed_clock(std::nullopt);
    EXPECT_EQ(s.date, "11/12/2026");
    EXPECT_EQ(s.time, "09:05:07");
    EXPECT_EQ(s.day, day_number("11/12/2026"));
    EXPECT_EQ(s.day_text, std::to_string(s.day));
}

}  // namespace
}  // namespace kelmo
