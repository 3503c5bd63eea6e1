#pragma once

#include <array>
#include <iterator>

#include "core/Catalogue.h"

namespace metalweight {

// One fixed input per category, with the result box's text worked out by hand from the
// formulas: the storms probe these between their random actions, so that their own
// oracle (a fresh recalculation) is checked against something it did not compute.
struct FixedWeight {
    Category category;
    int choice;  // entry of the choice list, 0-based; ignored without a choice list
    const char* texts[3];
    const char* result;
};

inline constexpr FixedWeight kFixedWeights[] = {
    {kPipe, 0, {"89", "4", ""}, "8.3849"},
    {kIBeam, 0, {"200", "100", "7"}, "28.0586"},
    {kChannel, 0, {"100", "48", "5.3"}, "9.9520"},
    {kEqualAngle, 0, {"6.3", "63", "6"}, "5.7240"},
    {kUnequalAngle, 0, {"75", "50", "6"}, "5.6763"},
    {kFlatBar, 0, {"50", "5", ""}, "1.9625"},
    {kRoundBar, 0, {"20", "", ""}, "2.4662"},
    {kSquareBar, 0, {"20", "", ""}, "3.1400"},
    {kHexagonBar, 0, {"20", "", ""}, "2.7200"},
    {kHollowHexagonBar, 0, {"25", "8", ""}, "3.8554"},
    {kPlate, 0, {"10", "", ""}, "78.5000"},
    {kWire, 0, {"20", "", ""}, "2.4662"},
};
static_assert(std::size(kFixedWeights) == kCategoryCount, "one fixed input per category");

}  // namespace metalweight
