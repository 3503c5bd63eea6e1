#include "core/Recalculation.h"

#include <cmath>

#include "core/Catalogue.h"
#include "core/Formulas.h"
#include "core/NumberText.h"

namespace metalweight {
namespace {

bool usable(double dimension) {
    return dimension > 0.0 && std::isfinite(dimension);
}

// The positivity check: every dimension the category uses must be above 0. The first
// field of an equal-leg angle holds the model number, which is neither tested nor used.
bool dimensionsUsable(const CalculatorState& state) {
    switch (state.valueCount) {
        case 1:
            return usable(state.dimension1);
        case 2:
            return usable(state.dimension1) && usable(state.dimension2);
        case 3:
            if (state.category == kEqualAngle) {
                return usable(state.dimension2) && usable(state.dimension3);
            }
            return usable(state.dimension1) && usable(state.dimension2) && usable(state.dimension3);
        default:
            return false;
    }
}

}  // namespace

double sectionWeight(const CalculatorState& state) {
    const double d1 = state.dimension1;
    const double d2 = state.dimension2;
    const double d3 = state.dimension3;
    const double p = state.densityFactor;
    switch (categoryOf(state)) {
        case kPipe:
            return guandaojisuan(state, d1, d2, p);
        case kIBeam:
            return workjisuan(state, d1, d2, d3);
        case kChannel:
            return caojisuan(state, d1, d2, d3);
        case kEqualAngle:
            return eaquelanglejisuan(d2, d3);
        case kUnequalAngle:
            return anglejisuan(d1, d2, d3);
        case kFlatBar:
            return flatBarWeight(d1, d2, p);
        case kRoundBar:
        case kWire:
            return roundBarWeight(d1, p);
        case kSquareBar:
            return squareBarWeight(d1, p);
        case kHexagonBar:
            return hexagonBarWeight(d1, p);
        case kHollowHexagonBar:
            return hollowHexagonBarWeight(d1, d2, p);
        case kPlate:
            return plateWeight(d1, p);
    }
    // A number outside the catalogue has no section.
    return 0.0;
}

std::string recalculate(CalculatorState& state, const DimensionTexts& texts) {
    state.dimension1 = readLeadingNumber(texts.first);
    state.dimension2 = readLeadingNumber(texts.second);
    state.dimension3 = readLeadingNumber(texts.third);
    if (!dimensionsUsable(state)) {
        return {};
    }
    state.unitWeight = sectionWeight(state);
    if (state.unitWeight > 0.0 && std::isfinite(state.unitWeight)) {
        return formatWeight(state.unitWeight);
    }
    return {};
}

}  // namespace metalweight
