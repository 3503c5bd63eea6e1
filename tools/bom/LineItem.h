#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

#include "core/Catalogue.h"
#include "tools/bom/Columns.h"

// One row of a cut list made into what the window would hold and what it weighs.
namespace metalweight::bom {

// A section as the window would show it: category, choice, the three field texts and
// the result box's text, with the unrounded unit weight behind it.
struct Section {
    Category category = kPipe;
    int choice = 0;  // 0 for a category without a choice list
    std::array<std::string, 3> fields;
    std::string unitWeightText;
    double unitWeight = 0.0;  // kg/m, kg/m² for plate
};

// A row that cannot be read: the bad cell's column header and text (empty when the
// record as a whole is bad), why, and the row's line.
struct RowError {
    std::string column;
    std::string text;
    std::string message;
    long long line = 0;
};

struct LineItem {
    // The row's section, held by the reader until it reads the next row.
    const Section* section = nullptr;
    double length = 1.0;          // m
    std::optional<double> width;  // m, plate only
    std::uint64_t quantity = 1;
    double pieceWeight = 0.0;  // kg
    double totalWeight = 0.0;  // kg
    std::string_view note;     // in the row's record
};

// Reads rows against the columns of one list.
class LineItemReader {
  public:
    explicit LineItemReader(const ColumnMap& columns) : columns_(columns) {}

    // Reads one record; false, with `error` filled, when a cell is bad (one beyond the
    // header's columns that is not blank, too).
    bool read(std::span<const std::string> record, LineItem& item, RowError& error);

  private:
    const ColumnMap& columns_;
    // Sections already worked out, by the cells that decide them: a list names a few
    // sections over and over. The first thousand or so are kept, so memory stays flat.
    std::unordered_map<std::string, Section> sections_;
    std::string key_;
    Section section_;  // the row's section when it is not kept
};

// The text of a choice for output: the material's name or the type letter, or nothing
// for a category without a choice list.
std::optional<std::string_view> choiceText(Category category, int choice);

}  // namespace metalweight::bom
