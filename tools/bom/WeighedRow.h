#pragma once

#include <optional>

#include "tools/bom/CsvReader.h"
#include "tools/bom/LineItem.h"

namespace metalweight::bom {

// One record of a list and what it weighs, or why it cannot be weighed.
struct WeighedRow {
    Record record;
    bool header = false;  // the list's header record, which comes first
    std::optional<CellError> error;
    LineItem item;
};

}  // namespace metalweight::bom
