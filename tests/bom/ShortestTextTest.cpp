// The report's weights are written by their own shortest-text routine; std::to_chars is
// the reference it must match character for character.
#include "tools/bom/ShortestText.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

namespace metalweight::bom {
namespace {

std::string ours(double value) {
    char text[kShortestTextRoom];
    return {text, writeShortest(text, value)};
}

std::string reference(double value) {
    char text[kShortestTextRoom];
    return {text, std::to_chars(text, text + sizeof text, value).ptr};
}

// Compares a family of values, reporting the first few that differ.
class SameAsToChars {
  public:
    void check(double value) {
        ++checked_;
        if (ours(value) != reference(value) && ++differing_ <= 5) {
            ADD_FAILURE() << "for " << reference(value) << " wrote " << ours(value);
        }
    }
    ~SameAsToChars() { EXPECT_GT(checked_, 0); }

  private:
    long checked_ = 0;
    long differing_ = 0;
};

TEST(ShortestText, RandomDoublesAcrossTheWeightsAReportHas) {
    SameAsToChars same;
    std::mt19937_64 random(20261209);
    const auto low = std::bit_cast<std::uint64_t>(1e-5);
    const auto high = std::bit_cast<std::uint64_t>(1e17);
    for (int i = 0; i < 300000; ++i) {
        same.check(std::bit_cast<double>(low + random() % (high - low)));
    }
}

TEST(ShortestText, ProductsOfShortDecimalsAndTheirNeighbours) {
    // Unit weights, lengths and quantities as a list has them: many products have a
    // short text, or lie one double away from one.
    SameAsToChars same;
    std::mt19937_64 random(7);
    for (int i = 0; i < 100000; ++i) {
        const double unit = static_cast<double>(random() % 1000000) / 10000.0;
        const double length = static_cast<double>(random() % 1000 + 1) / 10.0;
        const double piece = unit * length;
        same.check(piece);
        same.check(piece * static_cast<double>(random() % 50 + 1));
        same.check(std::nextafter(piece, 0.0));
        same.check(std::nextafter(piece, 1e300));
        same.check(static_cast<double>(random() % 100000000) / 1000.0);
    }
}

TEST(ShortestText, PowersOfTwoWhereTheDoubleBelowIsCloser) {
    SameAsToChars same;
    for (int power = -20; power <= 60; ++power) {
        double value = std::ldexp(1.0, power);
        same.check(value);
        double below = value;
        double above = value;
        for (int step = 0; step < 3; ++step) {
            below = std::nextafter(below, 0.0);
            above = std::nextafter(above, 1e300);
            same.check(below);
            same.check(above);
        }
    }
}

TEST(ShortestText, AValueHalfwayBetweenTwoShortestTextsTakesTheEvenOne) {
    // 2^50 + 0.25: its neighbours are 0.25 away, so "…624.2" and "…624.3" both read back.
    EXPECT_EQ(ours(1125899906842624.25), "1125899906842624.2");
    SameAsToChars same;
    for (std::uint64_t whole = 1ULL << 50; whole < (1ULL << 50) + 2000; ++whole) {
        for (const double quarter : {0.25, 0.75}) {
            same.check(static_cast<double>(whole) + quarter);
        }
    }
}

TEST(ShortestText, EdgesOfTheExactRangeAndBeyond) {
    EXPECT_EQ(ours(0.001), "0.001");
    EXPECT_EQ(ours(1e15), "1e+15");
    EXPECT_EQ(ours(168.35), "168.35");
    SameAsToChars same;
    for (const double edge : {1e-3, 9007199254740992.0, 1e15, 1e16}) {
        same.check(edge);
        same.check(std::nextafter(edge, 0.0));
        same.check(std::nextafter(edge, 1e300));
    }
    for (const double beyond :
         {0.0, -0.0, -1.5, 5e-324, 2.2250738585072014e-308, 1e22, 1e300, 1.7976931348623157e308}) {
        same.check(beyond);
    }
}

}  // namespace
}  // namespace metalweight::bom
