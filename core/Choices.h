#pragma once

#include <span>
#include <string>
#include <string_view>

#include "CalculatorState.h"

// The choice list: the material of a pipe, the model type of an I-beam or channel.
namespace metalweight {

struct Material {
    std::string_view name;
    double densityFactor;  // density in g/cm³ / 10
};

// Pipe materials in list order; `choice` is the position + 1. Only lead carries the
// factor 1.134, by which the pipe formula recognises it.
inline constexpr Material kMaterials[] = {
    {"碳钢", 0.785},          // carbon steel
    {"奥氏体不锈钢", 0.785},  // austenitic stainless steel (the pipe formula adds 1.5 %)
    {"紫铜", 0.89},           // copper
    {"黄铜", 0.85},           // brass
    {"铅和铅合金", 1.134},    // lead and lead alloys
    {"铝和铝合金", 0.28},     // aluminium and aluminium alloys
};

// I-beam and channel model types: no suffix letter (a real, empty entry), a, b, c.
inline constexpr std::string_view kModelTypes[] = {"", "a", "b", "c"};

// The entries of the choice list of a category with a choice (1 to 3), in order.
std::span<const std::string_view> choiceEntries(int category);

// Caption of the choice label: the category name followed by "材质:" for pipes or
// "型号类别:" for I-beams and channels.
std::string choiceCaption(int category, std::string_view categoryName);

// First part of the material step: the choice from the selected position (0-based).
void applyChoice(CalculatorState& state, int position);

// Second part of the material step, once the fields are empty: a pipe takes the
// density factor of its material; other categories keep theirs.
void applyMaterialDensity(CalculatorState& state);

}  // namespace metalweight
