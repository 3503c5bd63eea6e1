#pragma once

#include <cstdint>
#include <vector>

namespace metalweight {

// A preset list: dimensions in mm (model numbers for the first list of equal-leg
// angles). Entry k of valueList2 and valueList3 belongs to entry k of valueList1.
using PresetList = std::vector<double>;

// The density factor of carbon steel, 7.85 g/cm³ / 10: what every category starts with.
inline constexpr double kSteelDensityFactor = 0.785;

// The one record of calculation state, owned by the main window for its whole life.
// The fields start with the values of category 1 (carbon-steel pipe); start-up selects
// that category before any input is taken, so nothing is ever read unset.
struct CalculatorState {
    double densityFactor = kSteelDensityFactor;
    std::int16_t valueCount = 2;
    std::int16_t category = 1;
    std::int16_t choice = 1;
    // An empty list is one that no preset build has written yet.
    PresetList valueList1;
    PresetList valueList2;
    PresetList valueList3;
    double unitWeight = 0.0;
    bool hasChoice = true;
    double dimension1 = 0.0;
    double dimension2 = 0.0;
    double dimension3 = 0.0;
};

}  // namespace metalweight
