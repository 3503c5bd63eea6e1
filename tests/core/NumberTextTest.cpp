// Reading a field's leading number and showing weights and presets as text.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "core/NumberText.h"
#include "tests/Linearity.h"

namespace metalweight {
namespace {

struct ReadCase {
    const char* text;
    double value;
};

class LeadingNumber : public testing::TestWithParam<ReadCase> {};

TEST_P(LeadingNumber, ReadsAsExpected) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(readLeadingNumber(c.text), c.value) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    NumberText, LeadingNumber,
    testing::Values(
        // The number stops at the first character that cannot continue it.
        ReadCase{"12.5mm", 12.5}, ReadCase{"1,5", 1}, ReadCase{"1.2.3", 1.2}, ReadCase{"20mm", 20},
        ReadCase{"5.", 5}, ReadCase{".5", 0.5},
        // No number at the start reads as 0.
        ReadCase{"", 0}, ReadCase{"abc", 0}, ReadCase{".", 0}, ReadCase{"-", 0}, ReadCase{"+", 0},
        ReadCase{"mm12", 0}, ReadCase{"１２", 0},
        // Signs and blanks before the number.
        ReadCase{"  7", 7}, ReadCase{"\t\r\n3", 3}, ReadCase{"-5", -5}, ReadCase{"+8", 8},
        ReadCase{"+.5E-3", 0.0005}, ReadCase{"- 5", 0},
        // Blanks between digits end the number; no other bases; only E or e exponents.
        ReadCase{"1 2", 1}, ReadCase{"&H10", 0}, ReadCase{"0x10", 0}, ReadCase{"1D2", 1},
        ReadCase{"1d2", 1}, ReadCase{"1E2", 100}, ReadCase{"1e2", 100}, ReadCase{"1.5e2x", 150},
        ReadCase{"2E+1", 20},
        // An exponent letter without digits is not part of the number.
        ReadCase{"1e", 1}, ReadCase{"1e+", 1}, ReadCase{"1E-x", 1},
        // Out of the double range.
        ReadCase{"1E400", std::numeric_limits<double>::infinity()},
        ReadCase{"-1e400", -std::numeric_limits<double>::infinity()}, ReadCase{"1e-400", 0.0},
        ReadCase{"1e99999999999999999999999", std::numeric_limits<double>::infinity()},
        ReadCase{"1e-99999999999999999999999", 0.0},
        // Correctly rounded decimal conversion.
        ReadCase{"0.1", 0.1}, ReadCase{"2.2250738585072014e-308", 2.2250738585072014e-308},
        // Fifteen digits and more, on either side of the point: the nearest double, a
        // halfway text going to the even one.
        ReadCase{"57.1234567890123", 57.1234567890123}, ReadCase{"0.000000000000003", 3e-15},
        ReadCase{"29899290418334.99837", 29899290418334.99837},
        ReadCase{"9007199254740993", 9007199254740992.0},
        ReadCase{"9007199254740995", 9007199254740996.0}, ReadCase{"4.9e-324", 4.9e-324},
        ReadCase{"1.7976931348623157e308", 1.7976931348623157e308}));

TEST(LeadingNumberSign, MinusZeroIsNegativeZero) {
    const double value = readLeadingNumber("-0");
    EXPECT_EQ(value, 0.0);
    EXPECT_TRUE(std::signbit(value));
}

TEST(LeadingNumberLongText, ThousandsOfDigitsStayExact) {
    // 0.000…0001 followed by an exponent that brings it back into range.
    const std::string zeros(400, '0');
    EXPECT_EQ(readLeadingNumber("0." + zeros + "1e400"), 0.1);
    EXPECT_EQ(readLeadingNumber("0." + zeros + "1e700"), 1e299);
    EXPECT_EQ(readLeadingNumber("1" + zeros + "e-300"), 1e100);
    EXPECT_EQ(readLeadingNumber("12.5" + std::string(5000, '0') + "mm"), 12.5);
    EXPECT_EQ(readLeadingNumber(std::string(5000, '0') + "7"), 7);
    EXPECT_EQ(readLeadingNumber("0." + std::string(5000, '0') + "7"), 0.0);
    EXPECT_EQ(readLeadingNumber(std::string(400, '9')), std::numeric_limits<double>::infinity());
}

TEST(LeadingNumberLongText, MegabyteIsReadInLinearTime) {
    const std::string digits(1 << 20, '7');
    const std::string letters(1 << 20, 'x');
    EXPECT_EQ(readLeadingNumber(digits), std::numeric_limits<double>::infinity());
    EXPECT_EQ(readLeadingNumber(letters), 0.0);
    EXPECT_EQ(readLeadingNumber("0." + digits), 0.7777777777777778);
    const auto readFraction = [&digits](std::size_t length) {
        const std::string text = "0." + digits.substr(0, length);
        volatile double value = readLeadingNumber(text);
        static_cast<void>(value);
    };
    EXPECT_LT(growthOverInput(readFraction, std::size_t{1} << 20), kLinearGrowthLimit);
}

TEST(LeadingNumberLocale, DecimalPointIsAlwaysAPoint) {
    // A decimal-comma or a Chinese locale must not change what a text reads as or how a
    // weight shows.
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    for (const char* locale : {"de_DE.UTF-8", "zh_CN.UTF-8"}) {
        if (std::setlocale(LC_ALL, locale) == nullptr) {
            std::setlocale(LC_ALL, previous.c_str());
            GTEST_SKIP() << locale << " is not installed";
        }
        EXPECT_EQ(readLeadingNumber("12.5"), 12.5) << locale;
        EXPECT_EQ(readLeadingNumber("1,5"), 1.0) << locale;
        EXPECT_EQ(formatWeight(1234.5), "1234.5000") << locale;
        EXPECT_EQ(presetText(0.75), "0.75") << locale;
    }
    std::setlocale(LC_ALL, previous.c_str());
}

struct FormatCase {
    double weight;
    const char* text;
};

class WeightText : public testing::TestWithParam<FormatCase> {};

TEST_P(WeightText, HasFourDecimals) {
    EXPECT_EQ(formatWeight(GetParam().weight), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    NumberText, WeightText,
    testing::Values(FormatCase{78.5, "78.5000"}, FormatCase{0.024661502695, "0.0247"},
                    FormatCase{28.05856856137514, "28.0586"}, FormatCase{8.3849109163, "8.3849"},
                    FormatCase{0.0, "0.0000"}, FormatCase{6.16537567375e-07, "0.0000"},
                    FormatCase{0.00004999, "0.0000"}, FormatCase{0.00005, "0.0001"},
                    // The fifteen-digit decimal form decides a halfway point: the
                    // double of 5.76375 lies just below it and still rounds up.
                    FormatCase{5.7637499999999999, "5.7638"}, FormatCase{1.00005, "1.0001"},
                    // An exact binary halfway point goes away from zero.
                    FormatCase{0.03125, "0.0313"}, FormatCase{0.00015, "0.0002"},
                    // Carries through the digits before the point.
                    FormatCase{9.99995, "10.0000"}, FormatCase{99999.99999, "100000.0000"},
                    FormatCase{1e20, "100000000000000000000.0000"},
                    // An exact binary half at the fifteenth digit goes to the even digit.
                    FormatCase{12345678901234.25, "12345678901234.2000"},
                    FormatCase{12345678901234.75, "12345678901234.8000"},
                    FormatCase{123456789012344.5, "123456789012344.0000"},
                    // A carry out of the fifteenth digit, and a double just below 10^-4.
                    FormatCase{9.999999999999996, "10.0000"},
                    FormatCase{0.000099999999999999991, "0.0001"},
                    FormatCase{123456789.123456789, "123456789.1235"}));

TEST(WeightTextLarge, HugeFiniteWeightHasNoExponentOrGrouping) {
    const std::string text = formatWeight(7.85e201);
    ASSERT_EQ(text.size(), 202U + 1U + 4U);
    EXPECT_EQ(text.substr(0, 3), "785");
    EXPECT_EQ(text.find_first_not_of("0123456789."), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 5), ".0000");
}

TEST(PresetText, IsShortestDecimal) {
    EXPECT_EQ(presetText(100), "100");
    EXPECT_EQ(presetText(4.5), "4.5");
    EXPECT_EQ(presetText(0.75), "0.75");
    EXPECT_EQ(presetText(0.16), "0.16");
    EXPECT_EQ(presetText(12.5), "12.5");
    EXPECT_EQ(presetText(630), "630");
    EXPECT_EQ(presetText(0.3), "0.3");
}

}  // namespace
}  // namespace metalweight
