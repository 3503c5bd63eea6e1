#pragma once

#include <array>
#include <cstdint>
#include <memory>
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
    // What a report writes for the section, made the first time it writes it: a list
    // repeats its sections, and this text is the same for each of their rows.
    mutable std::string reportText;
};

// A cell that cannot be read: its column's header, its text and why.
struct CellError {
    std::string column;
    std::string text;
    std::string message;
};

struct LineItem {
    std::shared_ptr<const Section> section;
    double length = 1.0;          // m
    std::optional<double> width;  // m, plate only
    std::uint64_t quantity = 1;
    double pieceWeight = 0.0;  // kg
    double totalWeight = 0.0;  // kg
    std::string_view note;
};

// Reads rows against the columns of one list. Rows of a list repeat their sections, so
// the sections read last are kept, up to a fixed number.
class LineItemReader {
  public:
    explicit LineItemReader(const ColumnMap& columns) : columns_(columns) {}

    // Reads one record; false, with `error` filled, when a cell is bad.
    bool read(std::span<const std::string> record, LineItem& item, CellError& error);

  private:
    // Apart from its shared count, which the reading thread changes row by row, on a
    // cache line of its own: the writing thread reads the section at the same time.
    struct alignas(64) Outcome {
        Section section;
        std::optional<CellError> error;
    };
    std::shared_ptr<const Outcome> readSection(std::span<const std::string> record) const;

    const ColumnMap& columns_;
    // Shared with the rows that carry them, which may outlive a clearing of the map.
    std::unordered_map<std::string, std::shared_ptr<const Outcome>> sections_;
    std::string key_;
};

// The text of a choice for output: the material's name or the type letter, or nothing
// for a category without a choice list.
std::optional<std::string_view> choiceText(const Section& section);

}  // namespace metalweight::bom
