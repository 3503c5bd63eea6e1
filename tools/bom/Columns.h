#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The columns of a cut list, found by their header in any order.
namespace metalweight::bom {

enum class Column {
    kCategory,
    kMaterial,
    kType,
    kSize,
    kDimension1,
    kDimension2,
    kDimension3,
    kLength,
    kWidth,
    kQuantity,
    kNote
};
inline constexpr std::size_t kColumnCount = 11;

// The text without the spaces and tabs around it.
inline std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

// Where each column is in a record, and its header as the file writes it (for messages).
class ColumnMap {
  public:
    // Finds the columns of a header record. Returns an error message instead when the
    // header names a column twice or has no category column.
    static std::optional<ColumnMap> fromHeader(std::span<const std::string> header,
                                               std::string& error);

    // The position of a column in a record, or -1 when the list has no such column.
    [[nodiscard]] int position(Column column) const { return positions_[index(column)]; }
    // The header the file gives the column ("长度" or "length"), or the Chinese one.
    [[nodiscard]] const std::string& header(Column column) const { return headers_[index(column)]; }
    // How many cells the header has; a row's cells beyond them belong to no column.
    [[nodiscard]] std::size_t width() const { return width_; }
    // The cell of a column in a record, blanks around it removed; empty when the
    // record is short or the list has no such column.
    [[nodiscard]] std::string_view cell(std::span<const std::string> record, Column column) const {
        const int at = position(column);
        if (at < 0 || static_cast<std::size_t>(at) >= record.size()) {
            return {};
        }
        return trimBlanks(record[static_cast<std::size_t>(at)]);
    }

  private:
    static std::size_t index(Column column) { return static_cast<std::size_t>(column); }
    std::array<int, kColumnCount> positions_{};
    std::array<std::string, kColumnCount> headers_;
    std::size_t width_ = 0;
};

}  // namespace metalweight::bom
