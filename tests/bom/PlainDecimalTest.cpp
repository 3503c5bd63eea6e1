// A length, width or dimension cell is a plain decimal: digits with at most one "." and
// nothing else, read to the nearest double.
#include "tools/bom/CellText.h"

#include <gtest/gtest.h>

namespace metalweight::bom {
namespace {

TEST(PlainDecimal, CellsOfEveryShapeReadToTheNearestDouble) {
    struct Row {
        const char* cell;
        double value;
    };
    const Row rows[] = {
        {"6", 6.0},
        {"6.5", 6.5},
        {"0.5", 0.5},
        {"6.", 6.0},
        {".5", 0.5},
        {"06", 6.0},
        {"00.50", 0.5},
        {"0", 0.0},
        {"0.1", 0.1},
        {"1200", 1200.0},
        {"0.0001", 1e-4},
        {"123456789012345678", 1.2345678901234568e17},
        {"0.30000000000000004", 0.30000000000000004},
    };
    for (const Row& row : rows) {
        const std::optional<double> read = readPlainDecimal(row.cell);
        ASSERT_TRUE(read.has_value()) << row.cell;
        EXPECT_EQ(*read, row.value) << row.cell;
    }
}

TEST(PlainDecimal, CellsThatAreNotPlainDecimals) {
    for (const char* cell :
         {"", ".", "..", "6,5", "1.2.3", "-1", "+1", "1e3", "abc", " 6", "6 ", "0x10", "１２"}) {
        EXPECT_FALSE(isPlainDecimal(cell)) << '"' << cell << '"';
        EXPECT_FALSE(readPlainDecimal(cell).has_value()) << '"' << cell << '"';
    }
}

}  // namespace
}  // namespace metalweight::bom
