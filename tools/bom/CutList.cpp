#include "tools/bom/CutList.h"

#include <algorithm>
#include <optional>
#include <span>
#include <vector>

#include "tools/bom/Columns.h"
#include "tools/bom/CsvReader.h"
#include "tools/bom/LineItem.h"
#include "tools/bom/SystemText.h"

namespace metalweight::bom {
namespace {

bool isBlank(const Record& record) {
    return std::all_of(record.cells.begin(), record.cells.end(),
                       [](std::string_view cell) { return trimBlanks(cell).empty(); });
}

void report(std::FILE* diagnostics, const RunOptions& options, const RowError& error) {
    std::string text = options.inputName + ":" + std::to_string(error.line) + ": ";
    if (!error.column.empty()) {
        text.append("列 \"").append(error.column).append("\": ");
    }
    if (!error.text.empty()) {
        text.append("\"").append(error.text).append("\" ");
    }
    writeLine(diagnostics, std::move(text.append(error.message)));
}

constexpr std::size_t kGroupRows = 256;

// Reads up to kGroupRows records that are not blank into `group`, which keeps its
// records from group to group; how many it read. The list is read a group at a time, and
// only a group read whole is weighed: a list that turns out unreadable partway (a pipe
// whose bytes stop being text) ends the run before any of the group is written or reported.
std::size_t readGroup(CsvReader& reader, std::vector<Record>& group) {
    std::size_t count = 0;
    while (count < kGroupRows) {
        Record& record = count < group.size() ? group[count] : group.emplace_back();
        if (!reader.next(record)) {
            break;
        }
        if (!record.error.empty() || !isBlank(record)) {
            ++count;
        }
    }
    return count;
}

std::unique_ptr<Report> makeReport(Format format, Output& output) {
    switch (format) {
        case Format::kTable:
            return makeTableReport(output);
        case Format::kCsv:
            return makeCsvReport(output);
        case Format::kJson:
            return makeJsonReport(output);
    }
    return nullptr;
}

// The rows after the header: read a group at a time, then each weighed and written.
int runRows(CsvReader& reader, const ColumnMap& columns, const RunOptions& options, Report& out,
            std::FILE* diagnostics) {
    std::vector<Record> group;
    LineItemReader items(columns);
    Totals totals;
    std::size_t badRows = 0;
    LineItem item;
    for (std::size_t count = kGroupRows; count == kGroupRows;) {
        count = readGroup(reader, group);
        for (const Record& record : std::span(group).first(count)) {
            RowError error{"", "", record.error};
            if (record.error.empty() && items.read(record.cells, item, error)) {
                out.row(record, item);
                totals.add(item);
                continue;
            }
            error.line = record.line;
            report(diagnostics, options, error);
            if (!options.keepGoing) {
                return kRunHadBadRows;
            }
            out.error(error);
            ++badRows;
        }
    }
    out.end(totals, badRows);
    return badRows == 0 ? kRunSucceeded : kRunHadBadRows;
}

}  // namespace

int runCutList(TextSource& input, const RunOptions& options, Output& output,
               std::FILE* diagnostics) {
    int status = kRunFailed;
    try {
        CsvReader reader(input);
        Record header;
        std::string why = "没有表头：清单是空的";
        std::optional<ColumnMap> columns;
        if (reader.next(header)) {
            why = header.error;
            if (why.empty()) {
                columns = ColumnMap::fromHeader(header.cells, why);
            }
        }
        if (!columns) {
            std::string where = options.inputName;
            if (header.line > 0) {
                where.append(":").append(std::to_string(header.line));
            }
            writeLine(diagnostics, std::move(where.append(": ").append(why)));
            return kRunFailed;
        }
        const std::unique_ptr<Report> report = makeReport(options.format, output);
        report->begin(header.cells);
        status = runRows(reader, *columns, options, *report, diagnostics);
    } catch (const std::runtime_error& error) {  // InputError, or no GB18030 converter
        output.flush();
        writeLine(diagnostics, error.what());
        return kRunFailed;
    }
    if (!output.flush()) {
        writeLine(diagnostics, "写不进输出：磁盘满了，或输出已关闭");
        return kRunFailed;
    }
    return status;
}

}  // namespace metalweight::bom
