#include "core/Catalogue.h"

#include <cassert>

namespace metalweight {

const CategoryInfo& catalogueRow(int category) {
    assert(category >= 1 && category <= kCategoryCount);
    return kCatalogue[static_cast<std::size_t>(category - 1)];
}

void applyCategoryStep(CalculatorState& state, int position) {
    state.densityFactor = kSteelDensityFactor;
    state.category = static_cast<std::int16_t>(position + 1);
    const CategoryInfo& row = catalogueRow(state.category);
    state.hasChoice = row.hasChoice;
    state.valueCount = row.valueCount;
}

}  // namespace metalweight
