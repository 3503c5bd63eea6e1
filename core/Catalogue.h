#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "CalculatorState.h"

namespace metalweight {

// Category numbers: the 1-based positions in the category list.
enum Category : std::int16_t {
    kPipe = 1,
    kIBeam = 2,
    kChannel = 3,
    kEqualAngle = 4,
    kUnequalAngle = 5,
    kFlatBar = 6,
    kRoundBar = 7,
    kSquareBar = 8,
    kHexagonBar = 9,
    kHollowHexagonBar = 10,
    kPlate = 11,
    kWire = 12,
};

inline constexpr int kCategoryCount = 12;

// The density factor every category starts with: carbon steel, 7.85 g/cm³ / 10.
inline constexpr double kDefaultDensityFactor = 0.785;

inline constexpr std::string_view kResultCaption = "计算单重(kg/m):";
inline constexpr std::string_view kPlateResultCaption = "计算单重(kg/m^2):";

struct CategoryInfo {
    std::string_view name;
    std::int16_t valueCount;
    bool hasChoice;
    std::string_view resultCaption;
};

// One row per category, in the order of the category list.
extern const std::array<CategoryInfo, kCategoryCount> kCatalogue;

// Catalogue row of a category number (1 to 12).
const CategoryInfo& catalogueRow(int category);

// The category step of a selection of the entry at `position` (0-based) of the
// category list: density factor, category, hasChoice and valueCount, in that order.
void applyCategoryStep(CalculatorState& state, int position);

}  // namespace metalweight
