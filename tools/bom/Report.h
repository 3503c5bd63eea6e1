#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "tools/bom/CsvReader.h"
#include "tools/bom/LineItem.h"
#include "tools/bom/Output.h"

// What the program writes: a table for a person, CSV for a spreadsheet, or JSON. Each
// writes its rows as they come.
namespace metalweight::bom {

enum class Format { kTable, kCsv, kJson };

// The weights of a list by section kind (category and choice), in order of first
// appearance, and all together. Sums are of the unrounded weights.
struct Totals {
    struct Group {
        Category category;
        int choice;
        std::uint64_t quantity = 0;
        double weight = 0.0;
    };
    std::vector<Group> groups;  // at most 12 categories by their choices: a few dozen
    std::uint64_t quantity = 0;
    double weight = 0.0;

    void add(const LineItem& item) {
        const Section& section = *item.section;
        auto group = std::find_if(groups.begin(), groups.end(), [&](const Group& known) {
            return known.category == section.category && known.choice == section.choice;
        });
        if (group == groups.end()) {
            group = groups.insert(group, {section.category, section.choice});
        }
        group->quantity += item.quantity;
        group->weight += item.totalWeight;
        quantity += item.quantity;
        weight += item.totalWeight;
    }
};

class Report {
  public:
    virtual ~Report() = default;
    // The list's header record, before any row.
    virtual void begin(std::span<const std::string> header) = 0;
    // One good row: its input record and what it weighs.
    virtual void row(const Record& record, const LineItem& item) = 0;
    // A row that could not be read, after its message: a report that lists them keeps it.
    virtual void error(const RowError& /*error*/) {}
    // After the last row: the totals, and how many rows could not be read.
    virtual void end(const Totals& totals, std::size_t badRows) = 0;
};

std::unique_ptr<Report> makeTableReport(Output& output);
std::unique_ptr<Report> makeCsvReport(Output& output);
std::unique_ptr<Report> makeJsonReport(Output& output);

// "kg/m", or "kg/m^2" for plate, whose unit weight is per square metre.
inline std::string_view unitOf(Category category) {
    return category == kPlate ? "kg/m^2" : "kg/m";
}

}  // namespace metalweight::bom
