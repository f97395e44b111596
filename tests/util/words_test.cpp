#include "util/words.h"

#include <gtest/gtest.h>

namespace kelmo {
namespace {

TEST(AmountInWords, WorkedExamples) {
    const std::pair<const char*, const char*> cases[] = {
        {"3 004.75", "Trois Mille Quatre Dinars 75 Cts"},
        {"2 975.00", "Deux Mille Neuf Cent Soixante Quinze Dinars 00 Cts"},
        {"80.00", "Quatre Vingt Dinars 00 Cts"},
        {"71.00", "Soixante et Onze Dinars 00 Cts"},
        {"21.00", "Vingt et Un Dinars 00 Cts"},
        {"100.00", " Cent  Dinars 00 Cts"},
        {"200.00", "Deux Cent  Dinars 00 Cts"},
        {"1 000.00", " Mille  Dinars 00 Cts"},
        {"101 000.00", " Cent Un Mille  Dinars 00 Cts"},
        {"1 000 000.00", "Un Million  Dinars 00 Cts"},
        {"2 001 000.00", "Deux Millions  Mille    Dinars 00 Cts"},
        {"1 001 500.00", "  Un Million Mille  Cinq Cent  Dinars 00 Cts"},
        {"0.50", " Dinars 50 Cts"},
        {"1 001 000 000.00", "Un Milliard Un Million  Dinars 00 Cts"},
        {"2 000 001 000.00", "Deux Milliards Un Mille  Dinars 00 Cts"},
        {"1 000 000 000 000.00", " Dinars 00 Cts"},
        {"17.00", "Dix sept Dinars 00 Cts"},
        {"77.00", "Soixante Dix Sept Dinars 00 Cts"},
        {"91.00", "Quatre Vingt et Onze Dinars 00 Cts"},
        {"97.00", "Quatre Vingt Dix Sept Dinars 00 Cts"},
        {"96.00", "Quatre Vingt Seize Dinars 00 Cts"},
        {"45.00", "Quarante Cinq Dinars 00 Cts"},
    };
    for (auto [amount, words] : cases) EXPECT_EQ(amount_in_words(amount), words) << amount;
}

TEST(AmountInWords, NegativeUsesNoWordOutsideTheTable) {
    EXPECT_EQ(amount_in_words("-21.00"), "Vingt et Un Dinars 00 Cts");
}

}  // namespace
}  // namespace kelmo
