#pragma once

#include <string>
#include <string_view>

#include "core/CalculatorState.h"

namespace metalweight {

// The dimension texts of the three value fields, first to third.
struct DimensionTexts {
    std::string_view first;
    std::string_view second;
    std::string_view third;
};

// One recalculation: reads the three texts into dimension1 to dimension3, checks the
// dimensions the category uses, computes unitWeight by the category's formula and
// returns the text the result box shows: the weight in the pattern "0.0000", or empty
// when a used dimension is not positive, or the weight is not positive.
//
// A used dimension or a weight beyond the double range also leaves the result empty:
// "inf" or "nan" is never shown.
std::string recalculate(CalculatorState& state, const DimensionTexts& texts);

// The weight of the state's category from its dimensions, density factor and choice,
// without any check: the dispatch of the recalculation.
double sectionWeight(const CalculatorState& state);

}  // namespace metalweight
