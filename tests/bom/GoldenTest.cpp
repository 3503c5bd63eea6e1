// Each list in golden/ runs as the program runs it; what it writes must equal the files
// beside it, byte for byte:
//   NAME.json       the JSON report (with --keep-going, except for lists named stop_*)
//   NAME.err        the messages, then "status N"
//   NAME.out.csv    the CSV report, when the file exists
//   NAME.out.txt    the table, when the file exists
// METALWEIGHT_UPDATE_GOLDEN=1 rewrites them from what the program writes now; review the
// differences before committing them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tests/bom/RunCutList.h"

namespace metalweight::bom {
namespace {

namespace fs = std::filesystem;
const fs::path kGolden = METALWEIGHT_GOLDEN_DIR;

std::string contentsOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool updating() {
    const char* update = std::getenv("METALWEIGHT_UPDATE_GOLDEN");
    return update != nullptr && std::string(update) == "1";
}

// Compares `actual` with the file, or rewrites the file when updating.
void expectFile(const fs::path& expected, const std::string& actual) {
    if (updating()) {
        std::ofstream(expected, std::ios::binary) << actual;
        return;
    }
    ASSERT_TRUE(fs::exists(expected)) << expected;
    const std::string wanted = contentsOf(expected);
    if (wanted == actual) {
        return;
    }
    // Name the first line that differs, which is what a reviewer needs.
    std::istringstream a(wanted);
    std::istringstream b(actual);
    std::string lineA;
    std::string lineB;
    for (int line = 1;; ++line) {
        const bool moreA = static_cast<bool>(std::getline(a, lineA));
        const bool moreB = static_cast<bool>(std::getline(b, lineB));
        if (lineA != lineB || moreA != moreB) {
            ADD_FAILURE() << expected.filename() << " line " << line << "\n  expected: " << lineA
                          << "\n  actual:   " << lineB;
            return;
        }
        if (!moreA) {
            ADD_FAILURE() << expected.filename() << ": differs";
            return;
        }
    }
}

std::vector<std::string> goldenLists() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kGolden)) {
        const fs::path& path = entry.path();
        const std::string extension = path.extension().string();
        if ((extension == ".csv" || extension == ".tsv") &&
            path.stem().extension().string() != ".out") {
            names.push_back(path.filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

class GoldenTest : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenTest, WritesWhatTheFilesBesideItHold) {
    const fs::path list = kGolden / GetParam();
    const fs::path stem = kGolden / list.stem();
    const bool keepGoing = !GetParam().starts_with("stop_");
    const testing::RunResult json = testing::runFile(list, Format::kJson, keepGoing);
    expectFile(stem.string() + ".json", json.output);
    expectFile(stem.string() + ".err",
               json.diagnostics + "status " + std::to_string(json.status) + "\n");
    for (const auto& [format, suffix] :
         {std::pair{Format::kCsv, ".out.csv"}, std::pair{Format::kTable, ".out.txt"}}) {
        const fs::path expected = stem.string() + suffix;
        if (fs::exists(expected)) {
            const testing::RunResult other = testing::runFile(list, format, keepGoing);
            EXPECT_EQ(other.status, json.status);
            expectFile(expected, other.output);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Lists, GoldenTest, ::testing::ValuesIn(goldenLists()),
                         [](const ::testing::TestParamInfo<std::string>& list) {
                             std::string name = list.param;
                             for (char& c : name) {
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

}  // namespace
}  // namespace metalweight::bom
