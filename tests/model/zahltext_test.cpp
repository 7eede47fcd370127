// Leading numbers of typed texts and the counter boxes' increment.
#include "model/zahltext.h"

#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace {

constexpr double unendlich = std::numeric_limits<double>::infinity();

TEST(LeadingNumber, ReadsTheLongestNumberPrefix)
{
    const struct { const char* name; std::string text; double wert; } faelle[] = {
        {"Integer", "12", 12}, {"BlanksAndRest", " \t 7abc", 7}, {"Junk", "abc", 0}, {"Empty", "", 0},
        {"Fraction", "6.5", 6.5}, {"Negative", "-3x", -3}, {"Plus", "+4", 4}, {"Exponent", "1e3", 1000},
        {"SignedExponent", "25E-1", 2.5}, {"EWithoutDigits", "1e+x", 1}, {"LeadingPoint", ".5", 0.5},
        {"TrailingPoint", "5.e1", 50}, {"PointOnly", "-.", 0}, {"Comma", "2,5", 2}, {"TwoPoints", "1.2.3", 1.2},
        {"Overflow", "-1e999", -unendlich}, {"Underflow", "1e-999", 0},
        {"HugeExponent", "1e99999999999999999999999", unendlich}, {"FourHundredDigits", std::string(400, '9'), unendlich},
        {"FourThousandZerosThenOne", "0." + std::string(4000, '0') + "1e4100", 1e99},
        {"LargestDouble", "1.7976931348623157e308", 1.7976931348623157e308}, {"JustAbove", "1.8e308", unendlich},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(fuehrendeZahl(f.text), f.wert) << f.name;
}

TEST(LeadingInteger, RoundsHalfToEvenAndChecks32Bit)
{
    const struct { const char* name; const char* text; std::optional<int> wert; } faelle[] = {
        {"SixAndAHalf", "6.5", 6}, {"SevenAndAHalf", "7.5", 8}, {"MinusTwoAndAHalf", "-2.5", -2},
        {"MinusThreeAndAHalf", "-3.5", -4}, {"AboveHalf", "2.51", 3}, {"Junk", "abc", 0},
        {"LargestInt", "2147483647", 2147483647}, {"OneAbove", "2147483648", std::nullopt},
        {"SmallestInt", "-2147483648", -2147483647 - 1}, {"OneBelow", "-2147483649", std::nullopt},
        {"RoundsOutOfRange", "2147483647.5", std::nullopt}, {"Infinite", "1e999", std::nullopt},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(fuehrendeGanzzahl(f.text), f.wert) << f.name;
}

TEST(CounterIncrement, WritesTheLeadingNumberPlusOne)
{
    const struct { const char* name; std::string text; const char* neu; } faelle[] = {
        {"Empty", "", "1"}, {"Junk", "abc", "1"}, {"Simple", "41", "42"}, {"CarryIntoANewDigit", "9", "10"},
        {"WithTrailingText", "12 Schritte", "13"}, {"Fraction", "2.5", "3.5"}, {"NoBinaryNoise", "0.2", "1.2"},
        {"ZeroWithoutMinus", "-1", "0"}, {"Negative", "-5", "-4"}, {"Exponent", "1e3", "1001"},
        {"Largest15Digits", "999999999999998", "999999999999999"},
        {"ExponentFromTenToTheFifteen", "999999999999999", "1e+15"},
        {"HugeTyped", "99999999999999999999999", "1e+23"}, {"HugeStaysPut", "1e+23", "1e+23"},
        {"InfinityStartsAfresh", "1e999", "1"}, {"MinusInfinityStartsAfresh", "-1e999", "1"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(zaehlerErhoehen(f.text), f.neu) << f.name;
}

// The counter reads its own text back at every step: it must never drift or switch form.
TEST(CounterIncrement, CountsAThousandStepsExactly)
{
    std::string text;
    for (int i = 1; i <= 1000; ++i)
        ASSERT_EQ(text = zaehlerErhoehen(text), std::to_string(i));
}

} // namespace
