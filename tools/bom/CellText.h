#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "core/Catalogue.h"

// What a cell may say: the names of a category, a pipe material and a model type (the
// window's own list entries, or short English keys), and plain decimal numbers.
namespace metalweight::bom {

// Whether two texts are equal when ASCII letters are taken in either case ("I-Beam").
bool equalIgnoringAsciiCase(std::string_view a, std::string_view b);

// A category by its window name ("工字钢") or key ("i-beam", any case).
std::optional<Category> categoryByName(std::string_view name);

// A pipe material (PipeMaterial) by its window name ("紫铜") or key ("copper").
std::optional<int> materialByName(std::string_view name);

// A model type (ModelType) by its letter: "" (no letter), "a", "b" or "c", any case.
std::optional<int> modelTypeByLetter(std::string_view letter);

// Whether a cell is a plain decimal number: digits, at least one, with at most one "."
// among them.
bool isPlainDecimal(std::string_view text);

// A plain decimal number as std::from_chars reads it; nothing when the cell is not one.
std::optional<double> readPlainDecimal(std::string_view text);

}  // namespace metalweight::bom
