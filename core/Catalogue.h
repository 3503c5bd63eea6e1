#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/CalculatorState.h"

namespace metalweight {

// The category key: the 1-based position in the category list. Every behaviour that
// differs by category switches on this type with no default, so the compiler names
// each switch that a new category misses.
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

inline constexpr std::string_view kResultCaption = "计算单重(kg/m):";
inline constexpr std::string_view kPlateResultCaption = "计算单重(kg/m^2):";

struct CategoryInfo {
    Category key;
    std::string_view name;
    std::int16_t valueCount;
    bool hasChoice;
    std::string_view resultCaption;
};

// One row per category, in the order of the category list; a new category adds its
// enumerator above and its row here.
inline constexpr auto kCatalogue = std::to_array<CategoryInfo>({
    {kPipe, "管道", 2, true, kResultCaption},
    {kIBeam, "工字钢", 3, true, kResultCaption},
    {kChannel, "槽钢", 3, true, kResultCaption},
    {kEqualAngle, "等边角钢", 3, false, kResultCaption},
    {kUnequalAngle, "不等边角钢", 3, false, kResultCaption},
    {kFlatBar, "扁钢", 2, false, kResultCaption},
    {kRoundBar, "圆钢", 1, false, kResultCaption},
    {kSquareBar, "方钢", 1, false, kResultCaption},
    {kHexagonBar, "六角钢", 1, false, kResultCaption},
    {kHollowHexagonBar, "六角中空钢", 2, false, kResultCaption},
    {kPlate, "钢板", 1, false, kPlateResultCaption},
    {kWire, "钢丝", 1, false, kResultCaption},
});

inline constexpr int kCategoryCount = static_cast<int>(kCatalogue.size());

// The row of category k is at position k − 1.
static_assert(
    [] {
        for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
            if (kCatalogue[i].key != static_cast<int>(i) + 1) {
                return false;
            }
        }
        return true;
    }(),
    "catalogue rows must follow the category numbers");

// The state's category as the key: the one place its 16-bit number becomes a Category.
constexpr Category categoryOf(const CalculatorState& state) {
    return static_cast<Category>(state.category);
}

// Catalogue row of a category number (1 to kCategoryCount).
const CategoryInfo& catalogueRow(int category);

// The category step of a selection of the entry at `position` (0-based) of the
// category list: density factor, category, hasChoice and valueCount, in that order.
void applyCategoryStep(CalculatorState& state, int position);

}  // namespace metalweight
