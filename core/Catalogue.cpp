#include "Catalogue.h"

#include <cassert>

namespace metalweight {

const std::array<CategoryInfo, kCategoryCount> kCatalogue = {{
    {"管道", 2, true, kResultCaption},
    {"工字钢", 3, true, kResultCaption},
    {"槽钢", 3, true, kResultCaption},
    {"等边角钢", 3, false, kResultCaption},
    {"不等边角钢", 3, false, kResultCaption},
    {"扁钢", 2, false, kResultCaption},
    {"圆钢", 1, false, kResultCaption},
    {"方钢", 1, false, kResultCaption},
    {"六角钢", 1, false, kResultCaption},
    {"六角中空钢", 2, false, kResultCaption},
    {"钢板", 1, false, kPlateResultCaption},
    {"钢丝", 1, false, kResultCaption},
}};

const CategoryInfo& catalogueRow(int category) {
    assert(category >= 1 && category <= kCategoryCount);
    return kCatalogue[static_cast<std::size_t>(category - 1)];
}

void applyCategoryStep(CalculatorState& state, int position) {
    state.densityFactor = kDefaultDensityFactor;
    state.category = static_cast<std::int16_t>(position + 1);
    const CategoryInfo& row = catalogueRow(state.category);
    state.hasChoice = row.hasChoice;
    state.valueCount = row.valueCount;
}

}  // namespace metalweight
