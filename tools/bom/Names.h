#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "core/Catalogue.h"

// The names a cut list may use for a category, a pipe material and a model type: the
// window's own list entries, or short English keys.
namespace metalweight::bom {

// Whether two texts are equal when ASCII letters are taken in either case ("I-Beam").
bool equalIgnoringAsciiCase(std::string_view a, std::string_view b);

// A category by its window name ("工字钢") or key ("i-beam", any case).
std::optional<Category> categoryByName(std::string_view name);

// A pipe material (PipeMaterial) by its window name ("紫铜") or key ("copper").
std::optional<int> materialByName(std::string_view name);

// A model type (ModelType) by its letter: "" (no letter), "a", "b" or "c", any case.
std::optional<int> modelTypeByLetter(std::string_view letter);

}  // namespace metalweight::bom
