#include "tools/bom/Designation.h"

#include <gtest/gtest.h>

namespace metalweight::bom {
namespace {

struct DimensionsCase {
    Category category;
    std::string_view text;
    std::vector<std::string_view> dimensions;
};

class DesignationDimensionsTest : public ::testing::TestWithParam<DimensionsCase> {};

TEST_P(DesignationDimensionsTest, GivesTheDimensionsInFieldOrder) {
    const Designation designation = parseDesignation(GetParam().category, GetParam().text);
    EXPECT_EQ(designation.error, "");
    EXPECT_FALSE(designation.byModel);
    EXPECT_EQ(std::vector(designation.dimensions.begin(),
                          designation.dimensions.begin() + designation.count),
              GetParam().dimensions);
}

INSTANTIATE_TEST_SUITE_P(
    Symbols, DesignationDimensionsTest,
    ::testing::Values(
        DimensionsCase{kPipe, "φ57×3.5", {"57", "3.5"}},
        DimensionsCase{kPipe, " Φ 57 x 3.5 ", {"57", "3.5"}},
        DimensionsCase{kPipe, "∅57X3.5", {"57", "3.5"}},
        DimensionsCase{kPipe, "57*3.5", {"57", "3.5"}},
        DimensionsCase{kIBeam, "200×100×7", {"200", "100", "7"}},
        DimensionsCase{kChannel, "[140x60x8", {"140", "60", "8"}},
        DimensionsCase{kEqualAngle, "∠63×6", {"63", "6"}},
        DimensionsCase{kEqualAngle, "L63×63×6", {"63", "6"}},
        DimensionsCase{kUnequalAngle, "∠63×40×5", {"63", "40", "5"}},
        DimensionsCase{kFlatBar, "-50×5", {"50", "5"}},
        DimensionsCase{kFlatBar, "扁50×5", {"50", "5"}}, DimensionsCase{kRoundBar, "φ.5", {".5"}},
        DimensionsCase{kSquareBar, "□20", {"20"}}, DimensionsCase{kSquareBar, "方20.", {"20."}},
        DimensionsCase{kHexagonBar, "六角30", {"30"}},
        DimensionsCase{kHollowHexagonBar, "六角30×5", {"30", "5"}},
        DimensionsCase{kPlate, "δ10", {"10"}}, DimensionsCase{kWire, "φ2.8", {"2.8"}}));

struct ModelCase {
    Category category;
    std::string_view text;
    int height;
    std::string_view letter;
};

class DesignationModelTest : public ::testing::TestWithParam<ModelCase> {};

TEST_P(DesignationModelTest, GivesTheHeightAndTypeLetter) {
    const Designation designation = parseDesignation(GetParam().category, GetParam().text);
    EXPECT_EQ(designation.error, "");
    EXPECT_TRUE(designation.byModel);
    EXPECT_EQ(designation.modelHeight, GetParam().height);
    EXPECT_EQ(designation.typeLetter, GetParam().letter);
}

INSTANTIATE_TEST_SUITE_P(
    ModelNumbers, DesignationModelTest,
    ::testing::Values(ModelCase{kIBeam, "I20a", 200, "a"}, ModelCase{kIBeam, "工20a", 200, "a"},
                      ModelCase{kIBeam, "I12.6", 126, ""}, ModelCase{kIBeam, "20B", 200, "B"},
                      ModelCase{kChannel, "[14b", 140, "b"}, ModelCase{kChannel, "槽6.3", 63, ""},
                      ModelCase{kChannel, "[40c", 400, "c"}));

TEST(DesignationTest, RejectsWhatIsNoDesignationOfTheCategory) {
    const std::pair<Category, std::string_view> cases[] = {
        {kPipe, "∠57×3.5"},         // another category's symbol
        {kPipe, "φ57"},             // one dimension short
        {kRoundBar, "φ20×5"},       // one too many
        {kEqualAngle, "∠63×40×5"},  // legs that differ
        {kIBeam, "200×100×7×9"},    // more than any designation gives
        {kEqualAngle, "∠63×63×6×6"},
        {kPlate, "δ"},        // nothing after the symbol
        {kPlate, "δ1,5"},     // decimal comma
        {kPlate, "δ1e3"},     // exponent
        {kPlate, "δ-5"},      // sign
        {kPipe, "φ57××3.5"},  // empty dimension
        {kIBeam, "I20d"},     // no such type letter
        {kIBeam, "I12.65"},   // model numbers have one decimal
        {kChannel, "I20a"},   // an I-beam symbol on a channel
    };
    for (const auto& [category, text] : cases) {
        const Designation designation = parseDesignation(category, text);
        EXPECT_NE(designation.error, "") << text;
        EXPECT_EQ(designation.count, 0U) << text;
    }
}

}  // namespace
}  // namespace metalweight::bom
