#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/Catalogue.h"

// A section's designation as drawings write it: "φ57×3.5", "∠63×40×5", "-50×5", "δ10",
// "I20a", "[14b".
namespace metalweight::bom {

struct Designation {
    // The dimensions in the window's field order, as written ("57", "3.5"): the first
    // `count`. No designation gives more than three.
    std::array<std::string_view, 3> dimensions;
    std::size_t count = 0;
    // For I-beams and channels written by model number: the height in mm (model
    // number × 10), and the type letter written after it ("" when none).
    int modelHeight = 0;
    std::string_view modelText;
    std::string_view typeLetter;
    bool byModel = false;
    // Why the text is no designation of the category; empty when it is one.
    std::string error;
};

// Reads a designation of `category`. The symbol before the dimensions is optional and
// must be one the category uses; the dimensions are plain decimals joined by "×", "x",
// "X" or "*". The views point into `text`.
Designation parseDesignation(Category category, std::string_view text);

}  // namespace metalweight::bom
