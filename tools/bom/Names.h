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

// The catalogue position + 1 of a category by its window name ("工字钢") or key
// ("i-beam", any case); 0 for none.
std::size_t categoryRow(std::string_view name);

// The same as a category. Inline, so that the optional is made where it is used: made
// in the function, it was returned as bytes on the stack read back whole, which stalls.
inline std::optional<Category> categoryByName(std::string_view name) {
    const std::size_t row = categoryRow(name);
    return row == 0 ? std::nullopt : std::optional<Category>(kCatalogue[row - 1].key);
}

// A pipe material (PipeMaterial) by its window name ("紫铜") or key ("copper").
std::optional<int> materialByName(std::string_view name);

// A model type (ModelType) by its letter: "" (no letter), "a", "b" or "c", any case.
std::optional<int> modelTypeByLetter(std::string_view letter);

}  // namespace metalweight::bom
