#pragma once

#include <array>
#include <span>
#include <string_view>

#include "core/Catalogue.h"

// The fixed table of field captions and preset dimension lists, by category and, for
// pipes, I-beams and channels, by choice.
namespace metalweight {

// The preset lists of one row: list k pairs with list 1 position by position.
struct PresetRow {
    std::span<const double> list1;
    std::span<const double> list2;
    std::span<const double> list3;
};

// What the preset build of one category and choice writes.
struct DimensionPresets {
    // Captions of the three field labels; an empty caption clears the label.
    std::array<std::string_view, 3> captions;
    // Null for a pair of category and choice that has no row: the lists then stay as
    // they are.
    const PresetRow* row;
    // How many lists the category builds, from list 1 on: 1 to 3.
    int listsBuilt;
};

// The entry for a category and choice. A number outside the catalogue gives three empty
// captions and no row.
DimensionPresets dimensionPresets(Category category, int choice);

}  // namespace metalweight
