// A long list weighs each row as a list of that row alone does: sections kept or not,
// batches weighed on either thread.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tests/bom/RunCutList.h"

namespace metalweight::bom {
namespace {

using nlohmann::json;

constexpr std::string_view kHeader = "类别,材质,规格,长度,数量\n";

// Row i: all different sections at first (so that keeping them stops paying), then a
// few kinds again and again (so that it pays again).
std::string rowOf(int i) {
    if (i < 9000) {
        return "管道,紫铜,φ" + std::to_string(20 + i % 500) + "×" + std::to_string(1 + i / 500) +
               "," + std::to_string(i % 7 + 1) + "," + std::to_string(i % 5 + 1) + "\n";
    }
    const char* kinds[] = {"工字钢,,I20a", "钢板,,δ10", "圆钢,,φ20"};
    return std::string(kinds[i % 3]) + ",2.5," + std::to_string(i % 4 + 1) + "\n";
}

TEST(LongListTest, EveryRowWeighsAsItsOwnListDoes) {
    constexpr int kRows = 48000;  // long enough to keep sections again at the end
    std::string list(kHeader);
    for (int i = 0; i < kRows; ++i) {
        list += rowOf(i);
    }
    const testing::RunResult whole = testing::runText(list, Format::kJson, false);
    ASSERT_EQ(whole.status, kRunSucceeded) << whole.diagnostics;
    const json rows = json::parse(whole.output)["rows"];
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kRows));
    for (int i = 0; i < kRows; i += 97) {
        const testing::RunResult alone =
            testing::runText(std::string(kHeader) + rowOf(i), Format::kJson, false);
        json row = json::parse(alone.output)["rows"][0];
        row["line"] = i + 2;
        EXPECT_EQ(rows[static_cast<std::size_t>(i)], row) << "row " << i;
    }
}

}  // namespace
}  // namespace metalweight::bom
