// The rows of the golden lists, entered into the window's handlers through the scenario
// runner, must show the unit-weight texts the tool reports; rows written by model number
// must hold the fields that picking that height in the window puts there.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>

#include "core/Choices.h"
#include "tests/bom/RunCutList.h"
#include "tools/scenario/ScenarioRunner.h"

namespace metalweight::bom {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

constexpr std::array<std::string_view, 3> kFields = {"comvalue1", "Comvalue2", "Comvalue3"};

int categoryPosition(const std::string& name) {
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        if (kCatalogue[i].name == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// Selects the row's category and choice in a fresh runner; returns its first dump.
json selectRow(ScenarioRunner& runner, const json& row) {
    const int category = categoryPosition(row["category"]);
    EXPECT_GE(category, 0) << row.dump();
    runner.runLine("select lItem " + std::to_string(category), 1);
    if (!row["choice"].is_null()) {
        const auto entries = choiceEntries(category + 1);
        const auto found =
            std::find(entries.begin(), entries.end(), row["choice"].get<std::string>());
        runner.runLine("select Comchoice " + std::to_string(found - entries.begin()), 2);
    }
    return runner.dump();
}

void expectSameAsWindow(const json& row) {
    ScenarioRunner runner;
    selectRow(runner, row);
    const auto used =
        static_cast<std::size_t>(catalogueRow(categoryPosition(row["category"]) + 1).valueCount);
    for (std::size_t k = 0; k < used; ++k) {
        const auto printed = runner.runLine(
            std::string("settext ") + std::string(kFields[k]) + " " + row["fields"][k].dump(),
            static_cast<int>(3 + k));
        EXPECT_TRUE(printed.empty()) << json(printed).dump();
    }
    EXPECT_EQ(runner.dump()["controls"]["Tretunval"]["text"], row["unitWeight"]) << row.dump();
}

void expectSameAsPick(const json& row) {
    ScenarioRunner runner;
    const json before = selectRow(runner, row);
    const json& items = before["controls"]["comvalue1"]["items"];
    const auto found = std::find(items.begin(), items.end(), row["fields"][0]);
    ASSERT_NE(found, items.end()) << row.dump();
    runner.runLine("pick comvalue1 " + std::to_string(found - items.begin()), 3);
    const json after = runner.dump();
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(after["controls"][std::string(kFields[k])]["text"], row["fields"][k])
            << row.dump();
    }
    EXPECT_EQ(after["controls"]["Tretunval"]["text"], row["unitWeight"]) << row.dump();
}

TEST(ScenarioParityTest, EveryGoldenRowWeighsAsInTheWindow) {
    std::set<std::string> categories;
    int picks = 0;
    for (const auto& entry : fs::directory_iterator(METALWEIGHT_GOLDEN_DIR)) {
        const fs::path& path = entry.path();
        if (path.extension() != ".csv" && path.extension() != ".tsv") {
            continue;
        }
        const testing::RunResult result = testing::runFile(path, Format::kJson, true);
        if (result.status == kRunFailed || path.stem().extension() == ".out") {
            continue;
        }
        const json report = json::parse(result.output);
        for (const json& row : report["rows"]) {
            SCOPED_TRACE(path.filename().string() + " line " + row["line"].dump());
            expectSameAsWindow(row);
            categories.insert(row["category"]);
            if (row["note"].get<std::string>().starts_with("型号")) {
                expectSameAsPick(row);
                ++picks;
            }
        }
    }
    // The golden lists cover every category.
    EXPECT_EQ(categories.size(), kCatalogue.size());
    EXPECT_GE(picks, 10);
}

}  // namespace
}  // namespace metalweight::bom
