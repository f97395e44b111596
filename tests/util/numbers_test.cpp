#include "util/numbers.h"

#include <gtest/gtest.h>

namespace kelmo {
namespace {

TEST(IsNumber, AcceptsAndRefuses) {
    for (const char* ok : {"12", "12.5", "12,50", "-3", ".5", "1 200.50", " 7 ", "0"})
        EXPECT_TRUE(is_number(ok)) << ok;
    for (const char* bad : {"", "-", "1.2.3", "1.2,3", "+5", "12a", "--3", "3-", " "})
        EXPECT_FALSE(is_number(bad)) << bad;
}

TEST(ToHundredths, Cases) {
    const std::pair<const char*, const char*> cases[] = {
        {"12.5", "1250"}, {"12,5", "1250"},  {"12.", "1200"},       {"0.05", "005"},
        {".5", "50"},     {"12.567", "1256"}, {"-3.5", "-350"},     {"12", "1200"},
        {"0", "000"},     {"0.5", "050"},     {"1 234", "123400"}, {"-0.05", "-005"},
        {"1 200.50", "120050"}, {" 3 ", "300"},
    };
    for (auto [typed, expected] : cases) EXPECT_EQ(to_hundredths(typed), expected) << typed;
}

TEST(FormatAmount, Cases) {
    const std::pair<const char*, const char*> cases[] = {
        {"0", "0.00"},           {"5", "0.05"},         {"50", "0.50"},
        {"1250", "12.50"},       {"-123400", "-1 234.00"}, {"987654321", "9 876 543.21"},
        {"", "0.00"},            {"-000", "0.00"},      {"005", "0.05"},
        {"12.50", "12.50"},      {"-5", "-0.05"},       {"100000", "1 000.00"},
        {"922337203685477580", "9 223 372 036 854 775.80"},
    };
    for (auto [hundredths, expected] : cases)
        EXPECT_EQ(format_amount(hundredths), expected) << hundredths;
    EXPECT_EQ(format_amount(-123400LL), "-1 234.00");
}

TEST(HundredthsToDecimal, PadsAndPlacesThePoint) {
    EXPECT_EQ(hundredths_to_decimal("5"), "0.05");
    EXPECT_EQ(hundredths_to_decimal("987654"), "9876.54");
    EXPECT_EQ(hundredths_to_decimal("-1250"), "-12.50");
}

TEST(GroupThousands, Cases) {
    EXPECT_EQ(group_thousands("7654321.98"), "7 654 321.98");
    EXPECT_EQ(group_thousands("123.00"), "123.00");
    EXPECT_EQ(group_thousands("-4321.50"), "-4 321.50");
    EXPECT_EQ(group_thousands("0"), "0.00");
    EXPECT_EQ(group_thousands("1234567"), "1 234 567");
}

TEST(WholeValue, ReadsLeadingDigits) {
    EXPECT_EQ(whole_value("12.50"), 12);
    EXPECT_EQ(whole_value("  -300"), -300);
    EXPECT_EQ(whole_value("+7x"), 7);
    EXPECT_EQ(whole_value("abc"), 0);
    EXPECT_EQ(whole_value(""), 0);
    EXPECT_EQ(whole_value("005"), 5);
    // Far beyond 2^31: amounts never wrap.
    EXPECT_EQ(whole_value("300000000000"), 300000000000LL);
    EXPECT_EQ(whole_value("99999999999999999999999"), 9223372036854775807LL);
}

}  // namespace
}  // namespace kelmo
