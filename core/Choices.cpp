#include "Choices.h"

#include <array>

#include "Catalogue.h"

namespace metalweight {
namespace {

constexpr std::array<std::string_view, std::size(kMaterials)> kMaterialNames = [] {
    std::array<std::string_view, std::size(kMaterials)> names{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = kMaterials[i].name;
    }
    return names;
}();

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

}  // namespace metalweight
