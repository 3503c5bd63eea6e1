// The section formulas against the reference weights, compared bit for bit.
#include <gtest/gtest.h>

#include <cmath>

#include "core/Formulas.h"
#include "core/Recalculation.h"

namespace metalweight {
namespace {

struct ReferenceCase {
    const char* name;
    int category;
    int choice;
    double p;
    double d1, d2, d3;
    double weight;
};

// Carbon steel (0.785) and the first choice unless the row says otherwise.
const ReferenceCase kReferenceCases[] = {
    {"PipeCarbonSteel", 1, 1, 0.785, 89, 4, 0, 8.3849109163},
    {"PipeStainless", 1, 2, 0.785, 89, 4, 0, 8.510684460097387},
    {"PipeBrass", 1, 4, 0.85, 30, 3, 0, 2.16298657395},
    {"PipeLead", 1, 5, 1.134, 20, 3, 0, 2.4581706240419994},
    {"IBeam", 2, 1, 0.785, 200, 100, 7, 28.05856856137514},
    {"IBeamTypeC", 2, 4, 0.785, 200, 100, 7, 22.539390951263904},
    {"Channel", 3, 1, 0.785, 100, 48, 5.3, 9.951999193057656},
    {"ChannelTypeB", 3, 3, 0.785, 200, 75, 9, 25.507476266813278},
    {"EqualAngle", 4, 1, 0.785, 0, 63, 6, 5.724000000000001},
    {"UnequalAngle", 5, 1, 0.785, 75, 50, 6, 5.6763},
    {"FlatBar", 6, 1, 0.785, 50, 5, 0, 1.9625},
    {"RoundBar", 7, 1, 0.785, 20, 0, 0, 2.4661502695},
    {"Wire", 12, 1, 0.785, 2, 0, 0, 0.024661502695},
    {"SquareBar", 8, 1, 0.785, 20, 0, 0, 3.14},
    {"HexagonBar", 9, 1, 0.785, 20, 0, 0, 2.7199936},
    {"HollowHexagonBar", 10, 1, 0.785, 25, 8, 0, 3.8554059568800003},
    {"Plate", 11, 1, 0.785, 10, 0, 0, 78.5},
    // Weights the recalculation never shows, but the formulas return as computed.
    {"HollowHexagonHoleTooWide", 10, 1, 0.785, 10, 12, 0, -0.20781569702000002},
    {"IBeamUnknownTypeIsWebAlone", 2, 7, 0.785, 200, 100, 7, 10.99},
    {"PipeWallEqualsDiameter", 1, 1, 0.785, 10, 10, 0, 0.0},
};

class ReferenceWeight : public testing::TestWithParam<ReferenceCase> {};

TEST_P(ReferenceWeight, IsBitExact) {
    const ReferenceCase& c = GetParam();
    CalculatorState state;
    state.category = static_cast<std::int16_t>(c.category);
    state.choice = static_cast<std::int16_t>(c.choice);
    state.densityFactor = c.p;
    state.dimension1 = c.d1;
    state.dimension2 = c.d2;
    state.dimension3 = c.d3;
    EXPECT_EQ(sectionWeight(state), c.weight);
}

INSTANTIATE_TEST_SUITE_P(Formulas, ReferenceWeight, testing::ValuesIn(kReferenceCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(PipeFormula, LeadIsRecognisedByDensityFactorNotChoice) {
    CalculatorState state;
    state.choice = 1;  // carbon steel in the list, but the lead factor decides
    EXPECT_EQ(guandaojisuan(state, 20, 3, 1.134), 2.4581706240419994);
    state.choice = 5;  // lead in the list, but another factor subtracts the wall
    const double subtracted = guandaojisuan(state, 20, 3, 0.785);
    state.choice = 1;
    EXPECT_EQ(subtracted, guandaojisuan(state, 20, 3, 0.785));
}

TEST(PipeFormula, StainlessAllowanceOnlyForChoiceTwoAndNotLead) {
    CalculatorState state;
    state.choice = 2;
    const double stainless = guandaojisuan(state, 89, 4, 0.785);
    const double stainlessLead = guandaojisuan(state, 20, 3, 1.134);
    state.choice = 1;
    EXPECT_EQ(stainless, guandaojisuan(state, 89, 4, 0.785) * static_cast<double>(1.015F));
    EXPECT_EQ(stainlessLead, guandaojisuan(state, 20, 3, 1.134));
    for (const int other : {3, 4, 6}) {
        state.choice = static_cast<std::int16_t>(other);
        EXPECT_EQ(guandaojisuan(state, 30, 3, 0.85), 2.16298657395) << "choice " << other;
    }
}

TEST(BeamFormulas, TypesWithoutLetterAndAShareCoefficients) {
    CalculatorState state;
    for (const auto formula : {&workjisuan, &caojisuan}) {
        state.choice = 1;
        const double plain = formula(state, 200, 100, 7);
        state.choice = 2;
        EXPECT_EQ(formula(state, 200, 100, 7), plain);
        state.choice = 3;
        EXPECT_NE(formula(state, 200, 100, 7), plain);
    }
}

TEST(BeamFormulas, ReadDensityFactorFromState) {
    CalculatorState state;
    state.choice = 1;
    state.densityFactor = 0.785;
    const double steel = workjisuan(state, 200, 100, 7);
    state.densityFactor = 0.28;
    EXPECT_LT(workjisuan(state, 200, 100, 7), steel);
}

TEST(AngleFormulas, IgnoreDensityAndEqualAngleIgnoresModelNumber) {
    CalculatorState state;
    state.densityFactor = 0.28;
    state.category = 4;
    state.dimension1 = 999;
    state.dimension2 = 63;
    state.dimension3 = 6;
    EXPECT_EQ(sectionWeight(state), 5.724000000000001);
    state.category = 5;
    state.dimension1 = 75;
    state.dimension2 = 50;
    EXPECT_EQ(sectionWeight(state), 5.6763);
}

TEST(AngleFormulas, TooThickGivesZeroOrNegative) {
    EXPECT_EQ(eaquelanglejisuan(10, 20), 0.0);
    EXPECT_LT(eaquelanglejisuan(10, 25), 0.0);
    EXPECT_LT(anglejisuan(10, 10, 25), 0.0);
}

TEST(BarFormulas, RoundBarAndWireAgree) {
    CalculatorState state;
    state.dimension1 = 7.3;
    state.category = 7;
    const double round = sectionWeight(state);
    state.category = 12;
    EXPECT_EQ(sectionWeight(state), round);
}

}  // namespace
}  // namespace metalweight
