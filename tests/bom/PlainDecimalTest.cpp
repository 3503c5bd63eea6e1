// A length or width cell is read as std::from_chars reads it, and a report copies the
// cell for the number only when it is exactly the number's shortest text.
#include "tools/bom/PlainDecimal.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <random>
#include <string>

#include "tools/bom/ShortestText.h"

namespace metalweight::bom {
namespace {

std::string shortestOf(double value) {
    char text[kShortestTextRoom];
    return {text, writeShortest(text, value)};
}

// Checks one cell against the reference reading and writing; the number of cells that
// were their own shortest text, so that a test can see the copying was taken at all.
bool checkCell(const std::string& cell) {
    const std::optional<PlainDecimal> decimal = readPlainDecimal(cell);
    EXPECT_TRUE(decimal.has_value()) << cell;
    if (!decimal) {
        return false;
    }
    double expected = 0.0;
    std::from_chars(cell.data(), cell.data() + cell.size(), expected);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(decimal->value), std::bit_cast<std::uint64_t>(expected))
        << cell;
    const bool isShortest = shortestOf(decimal->value) == cell;
    if (decimal->shortest) {
        EXPECT_TRUE(isShortest) << cell << " is taken for its own shortest text, which is "
                                << shortestOf(decimal->value);
    }
    return decimal->shortest;
}

TEST(PlainDecimal, CellsOfEveryShapeReadAsFromCharsAndCopyOnlyTheirShortestText) {
    struct Row {
        const char* cell;
        bool shortest;
    };
    const Row rows[] = {
        {"6", true},
        {"6.5", true},
        {"0.5", true},
        {"12.25", true},
        {"1200", true},
        {"10000", true},
        {"100000", false},  // "1e+05"
        {"120000", true},
        {"0.001", true},
        {"0.0001", false},  // "1e-04"
        {"0.00012", true},
        {"6.50", false},
        {"6.", false},
        {".5", false},
        {"06", false},
        {"00.5", false},
        {"0", false},
        {"0.0", false},
        {"123456789012345", true},
        {"1234567890123456", false},
        {"0.000000000000000000000001", false},
        {"3.14159265358979", true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(checkCell(row.cell), row.shortest) << row.cell;
    }
}

TEST(PlainDecimal, RandomCellsAgreeWithTheReference) {
    std::mt19937_64 random(20261209);
    const std::string digits = "0123456789";
    int shortest = 0;
    for (int i = 0; i < 200000; ++i) {
        std::string cell;
        const auto length = 1 + random() % 24;
        for (std::size_t k = 0; k < length; ++k) {
            // Zeros weigh more, for leading and trailing zeros.
            cell += random() % 3 == 0 ? '0' : digits[random() % 10];
        }
        if (random() % 4 != 0) {
            cell.insert(random() % (cell.size() + 1), 1, '.');
        }
        shortest += checkCell(cell) ? 1 : 0;
    }
    EXPECT_GT(shortest, 10000);
}

TEST(PlainDecimal, AShortestTextIsCopiedWheneverItHasFifteenDigitsOrFewer) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 100000; ++i) {
        // Lengths as lists have them: a few digits, a point somewhere.
        const auto whole = static_cast<double>(random() % 10000000);
        const double value = whole / std::pow(10.0, static_cast<double>(random() % 9));
        if (value == 0.0) {
            continue;
        }
        const std::string text = shortestOf(value);
        if (text.find('e') == std::string::npos) {
            EXPECT_TRUE(checkCell(text)) << text;
        }
    }
}

TEST(PlainDecimal, CellsThatAreNotPlainDecimals) {
    for (const char* cell : {"", ".", "6,5", "1.2.3", "-1", "+1", "1e3", "abc", " 6", "6 "}) {
        EXPECT_FALSE(readPlainDecimal(cell).has_value()) << '"' << cell << '"';
    }
}

}  // namespace
}  // namespace metalweight::bom
