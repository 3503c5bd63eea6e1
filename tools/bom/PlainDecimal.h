#pragma once

#include <optional>
#include <string_view>

namespace metalweight::bom {

// A cell that is a plain decimal number: digits with at most one "." among them.
struct PlainDecimal {
    double value = 0.0;  // as std::from_chars reads the cell
    // The cell is the very text writeShortest writes for value, so that a report can
    // copy it instead of writing the number again.
    bool shortest = false;
};

// Reads a plain decimal number; nothing when the cell is not one.
std::optional<PlainDecimal> readPlainDecimal(std::string_view text);

}  // namespace metalweight::bom
