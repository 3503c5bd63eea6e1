#pragma once

#include <optional>
#include <string_view>

namespace metalweight::bom {

// Whether a cell is a plain decimal number: digits, at least one, with at most one "."
// among them.
bool isPlainDecimal(std::string_view text);

// A plain decimal number as std::from_chars reads it; nothing when the cell is not one.
std::optional<double> readPlainDecimal(std::string_view text);

}  // namespace metalweight::bom
