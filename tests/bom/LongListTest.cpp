// A long list weighs each row as a list of that row alone does, whether its section was
// seen before or not.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <random>

#include "tests/bom/RunCutList.h"

namespace metalweight::bom {
namespace {

using nlohmann::json;

constexpr std::string_view kHeader = "类别,材质,规格,长度,数量\n";

// Row i: mostly different sections at first, every tenth row one of a few kinds, then
// only those kinds again and again: sections found again and sections worked out anew,
// before and after there are more than the program keeps.
std::string rowOf(int i) {
    if (i < 9000 && i % 10 != 0) {
        return "管道,紫铜,φ" + std::to_string(20 + i % 500) + "×" + std::to_string(1 + i / 500) +
               "," + std::to_string(i % 7 + 1) + "," + std::to_string(i % 5 + 1) + "\n";
    }
    const char* kinds[] = {"工字钢,,I20a", "钢板,,δ10", "圆钢,,φ20"};
    return std::string(kinds[i % 3]) + ",2.5," + std::to_string(i % 4 + 1) + "\n";
}

TEST(LongListTest, EveryRowWeighsAsItsOwnListDoes) {
    constexpr int kRows = 48000;
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

// A list whose bytes stop being text far into it (a GB18030 list cut off mid-character,
// say): rows are written a whole group of 256 at a time, and none of the group that was
// being read when the text stopped, nor any message about its rows.
TEST(LongListTest, AListUnreadablePartwayEndsItsReportAtAWholeGroup) {
    std::string list = "category,d1,length,quantity,note\n";
    for (int i = 0; i < 9000; ++i) {
        // Every 100th row is bad; a message names it only once its group is written.
        list += i == 7000 ? "round,20,1,1,\xFF\n"
                          : "round,20," + std::string(i % 100 == 99 ? "x" : "2") + ",1,\n";
    }
    // A name of this run's own: another run of the tests may be at work in the same folder.
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() /
        ("metalweight-partway-" + std::to_string(std::random_device{}()));
    {
        std::FILE* out = std::fopen(file.string().c_str(), "wb");
        ASSERT_NE(out, nullptr);
        std::fwrite(list.data(), 1, list.size(), out);
        std::fclose(out);
    }
    const testing::RunResult run = testing::runFile(file, Format::kCsv, true);
    std::filesystem::remove(file);
    EXPECT_EQ(run.status, kRunFailed);
    const auto rows = std::count(run.output.begin(), run.output.end(), '\n') - 1;  // the header
    ASSERT_GT(rows, 0) << "the rows before the unreadable block are written";
    // The rows read are whole groups of 256, of which every 100th is bad.
    long read = 0;
    for (long groups = 1; groups * 256 < 9000; ++groups) {
        if (groups * 256 - groups * 256 / 100 == rows) {
            read = groups * 256;
        }
    }
    ASSERT_GT(read, 0) << rows << " rows written are not whole groups";
    EXPECT_LT(read, 7000);
    const auto messages = std::count(run.diagnostics.begin(), run.diagnostics.end(), '\n');
    EXPECT_EQ(messages, read / 100 + 1) << run.diagnostics;  // and the encoding's
}

}  // namespace
}  // namespace metalweight::bom
