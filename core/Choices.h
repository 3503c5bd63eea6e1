#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/Catalogue.h"

// The choice list: the material of a pipe, the model type of an I-beam or channel.
namespace metalweight {

// Pipe materials by choice number (position in the list + 1).
enum PipeMaterial : std::int16_t {
    kCarbonSteel = 1,
    kStainlessSteel = 2,  // austenitic: the pipe formula adds 1.5 %
    kCopper = 3,
    kBrass = 4,
    kLead = 5,  // listed by inner diameter
    kAluminium = 6,
};

// I-beam and channel model types by choice number: no suffix letter, a, b, c.
enum ModelType : std::int16_t {
    kNoLetter = 1,
    kTypeA = 2,
    kTypeB = 3,
    kTypeC = 4,
};

// Lead's density factor. Only lead carries it, and the pipe formula recognises lead by
// it, not by the choice.
inline constexpr double kLeadDensityFactor = 1.134;

struct Material {
    std::string_view name;
    double densityFactor;  // density in g/cm³ / 10
};

// Pipe materials in list order (PipeMaterial − 1).
inline constexpr Material kMaterials[] = {
    {"碳钢", kSteelDensityFactor},          // carbon steel
    {"奥氏体不锈钢", kSteelDensityFactor},  // austenitic stainless steel
    {"紫铜", 0.89},                         // copper
    {"黄铜", 0.85},                         // brass
    {"铅和铅合金", kLeadDensityFactor},     // lead and lead alloys
    {"铝和铝合金", 0.28},                   // aluminium and aluminium alloys
};
static_assert(std::size(kMaterials) == kAluminium);

// I-beam and channel model types in list order (ModelType − 1); no letter is a real,
// empty entry.
inline constexpr std::string_view kModelTypes[] = {"", "a", "b", "c"};
static_assert(std::size(kModelTypes) == kTypeC);

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

// Puts the state into a category and choice as the window's selections do: the category
// step, then, for a category with a choice list, the choice (1-based) and the material's
// density factor. A category without a choice keeps the state's choice, as the window
// does.
void selectCategory(CalculatorState& state, Category category, int choice = 1);

}  // namespace metalweight
