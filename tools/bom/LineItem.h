#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/Catalogue.h"
#include "tools/bom/Columns.h"
#include "tools/bom/Output.h"

// One row of a cut list made into what the window would hold and what it weighs.
namespace metalweight::bom {

// The cells of a row by column (Column order), blanks around them removed; empty for a
// column the list does not have.
using RowCells = std::array<std::string_view, kColumnCount>;

// A section as the window would show it: category, choice, the three field texts and
// the result box's text, with the unrounded unit weight behind it.
struct Section {
    Category category = kPipe;
    int choice = 0;  // 0 for a category without a choice list
    std::array<std::string, 3> fields;
    std::string unitWeightText;
    double unitWeight = 0.0;  // kg/m, kg/m² for plate
    // Kept for the rows that repeat it. Then a report may keep what it writes for the
    // section here, made with its first row: a reader's sections serve one thread only.
    bool kept = false;
    mutable TextBuffer reportText;

    // Back to a new section's state, keeping the texts' storage (a section is built for
    // every row of a list of all different sections).
    void reset() {
        category = kPipe;
        choice = 0;
        for (std::string& field : fields) {
            field.clear();
        }
        unitWeightText.clear();
        unitWeight = 0.0;
        kept = false;
        reportText.clear();
    }
};

// A cell that cannot be read: its column's header, its text and why.
struct CellError {
    std::string column;
    std::string text;
    std::string message;
};

struct LineItem {
    // The row's section, as the reader keeps it: valid until that reader reads the next
    // row, long enough for the row's report text to be written.
    const Section* section = nullptr;
    // The section's kind, which the totals need after the section is gone.
    Category category = kPipe;
    int choice = 0;
    double length = 1.0;          // m
    std::optional<double> width;  // m, plate only
    // The length's and width's shortest texts when the cells are already those, else
    // empty: a report copies them instead of writing the numbers again.
    std::string_view lengthText;
    std::string_view widthText;
    std::uint64_t quantity = 1;
    double pieceWeight = 0.0;  // kg
    double totalWeight = 0.0;  // kg
    std::string_view note;
};

// Reads rows against the columns of one list. Rows of a list repeat their sections, so
// sections are kept in a fixed number of slots, found by their cells.
class LineItemReader {
  public:
    explicit LineItemReader(const ColumnMap& columns);

    // Reads one record; false, with `error` filled, when a cell is bad.
    bool read(std::span<const std::string_view> record, LineItem& item, CellError& error);

  private:
    // The cells that decide a row's section.
    static constexpr std::array<Column, 7> kKeyColumns = {
        Column::kCategory,   Column::kMaterial,   Column::kType,      Column::kSize,
        Column::kDimension1, Column::kDimension2, Column::kDimension3};

    // A section as its cells last gave it. A row's report is written before the next
    // row is read, so a slot can be taken by another section at any time.
    struct Slot {
        std::string key;  // the section's cells one after another
        std::array<std::uint32_t, kKeyColumns.size()> ends{};  // where each cell ends in key
        bool used = false;
        Section section;
        std::optional<CellError> error;
    };
    // Lists repeat a few dozen sections; a list of all different sections only
    // replaces slots, and memory stays the same.
    static constexpr std::size_t kSlots = 1024;

    void readSection(Slot& slot) const;
    [[nodiscard]] bool holds(const Slot& slot) const;
    // The section of the row's cells, or why it has none.
    const Section* findSection(CellError& error);
    [[nodiscard]] std::string_view cell(Column column) const {
        return cells_[static_cast<std::size_t>(column)];
    }

    // Rows between two decisions whether to keep sections, and periods without keeping
    // them before they are tried again.
    static constexpr int kPeriod = 4096;
    static constexpr int kPeriodsWithout = 8;
    int periodRows_ = 0;
    int periodHits_ = 0;
    int periodsWithout_ = 0;
    bool keeping_ = true;
    RowCells cells_;  // the row being read, each cell without the blanks around it

    const ColumnMap& columns_;
    std::vector<Slot> slots_;
    Section built_;  // the row's section when sections are not kept
};

// The text of a choice for output: the material's name or the type letter, or nothing
// for a category without a choice list.
std::optional<std::string_view> choiceText(const Section& section);

}  // namespace metalweight::bom
