#pragma once

#include <optional>
#include <string_view>

#include "core/Catalogue.h"

// The names a cut list may use for a category, a pipe material and a model type: the
// window's own list entries, or short English keys.
namespace metalweight::bom {

// A category by its window name ("工字钢") or key ("i-beam", any case).
std::optional<Category> categoryByName(std::string_view name);

// A pipe material (PipeMaterial) by its window name ("紫铜") or key ("copper").
std::optional<int> materialByName(std::string_view name);

// A model type (ModelType) by its letter: "" (no letter), "a", "b" or "c", any case.
std::optional<int> modelTypeByLetter(std::string_view letter);

// The English key of a category, for messages and examples.
std::string_view categoryKey(Category category);

}  // namespace metalweight::bom
