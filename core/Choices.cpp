#include "core/Choices.h"

#include <algorithm>
#include <array>

namespace metalweight {
namespace {

using MaterialNames = std::array<std::string_view, std::size(kMaterials)>;

MaterialNames materialNames() {
    MaterialNames names{};
    std::transform(std::begin(kMaterials), std::end(kMaterials), names.begin(),
                   [](const Material& material) { return material.name; });
    return names;
}

// The entries of the material list, in the order of the material table.
const MaterialNames kMaterialNames = materialNames();

}  // namespace

std::span<const std::string_view> choiceEntries(int category) {
    if (category == kPipe) {
        return kMaterialNames;
    }
    return kModelTypes;
}

std::string choiceCaption(int category, std::string_view categoryName) {
    std::string caption(categoryName);
    caption += category == kPipe ? "材质:" : "型号类别:";
    return caption;
}

void applyChoice(CalculatorState& state, int position) {
    state.choice = static_cast<std::int16_t>(position + 1);
}

void applyMaterialDensity(CalculatorState& state) {
    if (state.category != kPipe) {
        return;
    }
    if (state.choice >= 1 && state.choice <= static_cast<int>(std::size(kMaterials))) {
        state.densityFactor = kMaterials[static_cast<std::size_t>(state.choice - 1)].densityFactor;
    }
}

void selectCategory(CalculatorState& state, Category category, int choice) {
    applyCategoryStep(state, category - 1);
    if (state.hasChoice) {
        applyChoice(state, choice - 1);
        applyMaterialDensity(state);
    }
}

}  // namespace metalweight
