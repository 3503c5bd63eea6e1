// The recalculation: from the three field texts and the state to the result text.
#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "core/Catalogue.h"
#include "core/Choices.h"
#include "core/Recalculation.h"

namespace metalweight {
namespace {

CalculatorState stateFor(Category category, int choice = 1) {
    CalculatorState state;
    selectCategory(state, category, choice);
    return state;
}

struct RecalculationCase {
    const char* name;
    Category category;
    int choice;
    const char* first;
    const char* second;
    const char* third;
    const char* result;
};

class Recalculation : public testing::TestWithParam<RecalculationCase> {};

TEST_P(Recalculation, ShowsExpectedText) {
    const RecalculationCase& c = GetParam();
    CalculatorState state = stateFor(c.category, c.choice);
    EXPECT_EQ(recalculate(state, {c.first, c.second, c.third}), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Core, Recalculation,
    testing::Values(
        RecalculationCase{"AllEmpty", kPipe, 1, "", "", "", ""},
        RecalculationCase{"PipeCarbonSteel", kPipe, 1, "89", "4", "", "8.3849"},
        RecalculationCase{"PipeStainless", kPipe, 2, "89", "4", "", "8.5107"},
        RecalculationCase{"PipeLeadUsesInnerDiameter", kPipe, 5, "20", "3", "", "2.4582"},
        RecalculationCase{"PipeWallZero", kPipe, 1, "89", "0", "", ""},
        RecalculationCase{"PipeNegativeWall", kPipe, 1, "89", "-5", "", ""},
        RecalculationCase{"PipeThickWall", kPipe, 1, "10", "6", "", "0.5919"},
        RecalculationCase{"PipeWallIsDiameter", kPipe, 1, "10", "10", "", ""},
        RecalculationCase{"IBeam", kIBeam, 1, "200", "100", "7", "28.0586"},
        RecalculationCase{"IBeamMissingWeb", kIBeam, 1, "200", "100", "", ""},
        RecalculationCase{"Channel", kChannel, 1, "100", "48", "5.3", "9.9520"},
        RecalculationCase{"EqualAngleEmptyModel", kEqualAngle, 1, "", "63", "6", "5.7240"},
        RecalculationCase{"EqualAngleModelIgnored", kEqualAngle, 1, "abc", "63", "6", "5.7240"},
        RecalculationCase{"EqualAngleHugeModelIgnored", kEqualAngle, 1, "1e400", "63", "6",
                          "5.7240"},
        RecalculationCase{"EqualAngleHalfway", kEqualAngle, 1, "", "75", "5", "5.7638"},
        RecalculationCase{"EqualAngleTooThick", kEqualAngle, 1, "", "10", "20", ""},
        RecalculationCase{"UnequalAngleNeedsFirst", kUnequalAngle, 1, "", "50", "6", ""},
        RecalculationCase{"FlatBar", kFlatBar, 1, "50", "5", "", "1.9625"},
        RecalculationCase{"RoundBarWithUnit", kRoundBar, 1, "20mm", "", "", "2.4662"},
        RecalculationCase{"SquareBar", kSquareBar, 1, "20", "", "", "3.1400"},
        RecalculationCase{"HexagonBar", kHexagonBar, 1, "20", "", "", "2.7200"},
        RecalculationCase{"HollowHexagon", kHollowHexagonBar, 1, "25", "8", "", "3.8554"},
        RecalculationCase{"HollowHexagonHoleTooWide", kHollowHexagonBar, 1, "10", "12", "", ""},
        RecalculationCase{"Plate", kPlate, 1, "10", "", "", "78.5000"},
        RecalculationCase{"WireTiny", kWire, 1, "0.01", "", "", "0.0000"},
        RecalculationCase{"WireLikeRoundBar", kWire, 1, "20", "", "", "2.4662"},
        RecalculationCase{"OneFieldIgnoresOthers", kRoundBar, 1, "20", "-1", "abc", "2.4662"},
        RecalculationCase{"OverflowingDimension", kSquareBar, 1, "1e400", "", "", ""},
        RecalculationCase{"OverflowingWeight", kSquareBar, 1, "1e200", "", "", ""},
        RecalculationCase{"InfinityMinusInfinity", kHollowHexagonBar, 1, "1e400", "1e400", "", ""},
        RecalculationCase{"NegativeZero", kPlate, 1, "-0", "", "", ""},
        RecalculationCase{"SmallExponent", kPlate, 1, "+.5E-3", "", "", "0.0039"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(RecalculationState, WritesDimensionsEveryRunAndWeightOnlyWhenUsable) {
    CalculatorState state = stateFor(kPlate);
    EXPECT_EQ(recalculate(state, {"10", "3", "x"}), "78.5000");
    EXPECT_EQ(state.unitWeight, 78.5);
    EXPECT_EQ(state.dimension2, 3.0);  // read although plate has one field
    EXPECT_EQ(recalculate(state, {"-1", "4", "5"}), "");
    EXPECT_EQ(state.dimension1, -1.0);
    EXPECT_EQ(state.dimension2, 4.0);
    EXPECT_EQ(state.dimension3, 5.0);
    EXPECT_EQ(state.unitWeight, 78.5);  // kept from the last usable run
}

TEST(RecalculationState, NonPositiveWeightIsStoredButNotShown) {
    CalculatorState state = stateFor(kHollowHexagonBar);
    EXPECT_EQ(recalculate(state, {"10", "12", ""}), "");
    EXPECT_EQ(state.unitWeight, -0.20781569702000002);
}

TEST(RecalculationState, LargeFiniteWeightIsShownInFull) {
    CalculatorState state = stateFor(kPlate);
    const std::string text = recalculate(state, {"1e200", "", ""});
    EXPECT_EQ(text.substr(0, 3), "785");
    EXPECT_EQ(text.size(), 201U + 5U);  // 7.85e200
}

TEST(CategoryStep, ResetsDensityAndKeepsChoice) {
    CalculatorState state = stateFor(kPipe, 3);  // copper
    EXPECT_EQ(state.densityFactor, 0.89);
    applyCategoryStep(state, kSquareBar - 1);
    EXPECT_EQ(state.densityFactor, 0.785);
    EXPECT_EQ(state.choice, 3);
    EXPECT_FALSE(state.hasChoice);
    EXPECT_EQ(state.valueCount, 1);
}

TEST(Catalogue, FieldCountsAndChoiceLists) {
    const int counts[] = {2, 3, 3, 3, 3, 2, 1, 1, 1, 2, 1, 1};
    static_assert(std::size(counts) == kCategoryCount, "one field count per category");
    for (int category = 1; category <= kCategoryCount; ++category) {
        const CategoryInfo& row = catalogueRow(category);
        EXPECT_EQ(row.valueCount, counts[category - 1]) << category;
        EXPECT_EQ(row.hasChoice, category <= 3) << category;
        EXPECT_EQ(row.resultCaption, category == kPlate ? "计算单重(kg/m^2):" : "计算单重(kg/m):")
            << category;
    }
    EXPECT_EQ(catalogueRow(1).name, "管道");
    EXPECT_EQ(catalogueRow(kWire).name, "钢丝");
}

TEST(MaterialStep, EveryMaterialSetsItsFactorAndOnlyLeadIsLead) {
    const double factors[] = {0.785, 0.785, 0.89, 0.85, 1.134, 0.28};
    for (int choice = 1; choice <= 6; ++choice) {
        const CalculatorState state = stateFor(kPipe, choice);
        EXPECT_EQ(state.densityFactor, factors[choice - 1]) << choice;
        EXPECT_EQ(state.densityFactor == 1.134, choice == 5) << choice;
    }
}

TEST(MaterialStep, BeamsKeepDefaultFactor) {
    for (const Category category : {kIBeam, kChannel}) {
        for (int choice = 1; choice <= 4; ++choice) {
            EXPECT_EQ(stateFor(category, choice).densityFactor, 0.785);
        }
    }
}

TEST(ChoiceList, EntriesAndCaption) {
    ASSERT_EQ(choiceEntries(kPipe).size(), 6U);
    EXPECT_EQ(choiceEntries(kPipe)[0], "碳钢");
    EXPECT_EQ(choiceEntries(kPipe)[5], "铝和铝合金");
    ASSERT_EQ(choiceEntries(kChannel).size(), 4U);
    EXPECT_EQ(choiceEntries(kChannel)[0], "");
    EXPECT_EQ(choiceEntries(kIBeam)[3], "c");
    EXPECT_EQ(choiceCaption(kPipe, "管道"), "管道材质:");
    EXPECT_EQ(choiceCaption(kIBeam, "工字钢"), "工字钢型号类别:");
}

}  // namespace
}  // namespace metalweight
