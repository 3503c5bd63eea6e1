#pragma once

#include <memory>
#include <span>
#include <string>

#include "tools/bom/CsvReader.h"
#include "tools/bom/LineItem.h"
#include "tools/bom/Output.h"
#include "tools/bom/Totals.h"

// What the program writes: a table for a person, CSV for a spreadsheet, or JSON. Each
// writes its rows as they come.
namespace metalweight::bom {

enum class Format { kTable, kCsv, kJson };

struct RowError {
    long long line;
    CellError cell;
};

class Report {
  public:
    virtual ~Report() = default;
    // The list's header record, before any row.
    virtual void begin(std::span<const std::string> header) = 0;
    // One good row: its input record and what it weighs.
    virtual void row(const Record& record, const LineItem& item) = 0;
    // After the last row: the totals and the rows that could not be read.
    virtual void end(const Totals& totals, std::span<const RowError> errors) = 0;
};

std::unique_ptr<Report> makeTableReport(Output& output);
std::unique_ptr<Report> makeCsvReport(Output& output, std::size_t columns);
std::unique_ptr<Report> makeJsonReport(Output& output);

// "kg/m", or "kg/m^2" for plate, whose unit weight is per square metre.
inline std::string_view unitOf(Category category) {
    return category == kPlate ? "kg/m^2" : "kg/m";
}

}  // namespace metalweight::bom
