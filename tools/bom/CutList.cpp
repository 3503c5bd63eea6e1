#include "tools/bom/CutList.h"

#include <algorithm>
#include <vector>

#include "tools/bom/Columns.h"
#include "tools/bom/CsvReader.h"
#include "tools/bom/InputText.h"
#include "tools/bom/LineItem.h"
#include "tools/bom/RowBatches.h"

namespace metalweight::bom {
namespace {

bool isBlank(const Record& record) {
    return std::all_of(record.cells.begin(), record.cells.end(),
                       [](const std::string& cell) { return trimBlanks(cell).empty(); });
}

void report(std::FILE* diagnostics, const std::string& text) {
    std::fputs(text.c_str(), diagnostics);
    std::fputc('\n', diagnostics);
}

void report(std::FILE* diagnostics, const RunOptions& options, const RowError& error) {
    std::string text = options.inputName + ":" + std::to_string(error.line) + ": ";
    if (!error.cell.column.empty()) {
        text += "列 \"" + error.cell.column + "\": ";
    }
    if (!error.cell.text.empty()) {
        text += "\"" + error.cell.text + "\" ";
    }
    report(diagnostics, text + error.cell.message);
}

// A non-empty cell beyond the header's columns, which no column would read.
std::optional<CellError> strayCell(const Record& record, std::size_t headerWidth) {
    for (std::size_t i = headerWidth; i < record.cells.size(); ++i) {
        if (!trimBlanks(record.cells[i]).empty()) {
            return CellError{"第 " + std::to_string(i + 1) + " 列", record.cells[i],
                             "表头没有这一列"};
        }
    }
    return std::nullopt;
}

}  // namespace

int runCutList(TextSource& input, const RunOptions& options, Output& output,
               std::FILE* diagnostics) {
    try {
        CsvReader reader(input);
        Record header;
        if (!reader.next(header)) {
            report(diagnostics, options.inputName + ": 没有表头：清单是空的");
            return kRunFailed;
        }
        std::string why = header.error;
        const std::optional<ColumnMap> columns =
            why.empty() ? ColumnMap::fromHeader(header.cells, why) : std::nullopt;
        if (!columns) {
            report(diagnostics, options.inputName + ":" + std::to_string(header.line) + ": " + why);
            return kRunFailed;
        }
        const std::unique_ptr<Report> out = makeReport(options.format, output);
        out->begin(header.cells);
        LineItemReader items(*columns);
        const std::size_t headerWidth = header.cells.size();
        // Reads and weighs the next row that is not blank.
        auto readRow = [&](WeighedRow& row) {
            while (reader.next(row.record)) {
                const Record& record = row.record;
                if (record.error.empty() && isBlank(record)) {
                    continue;
                }
                row.error.reset();
                CellError error;
                if (!record.error.empty()) {
                    row.error = CellError{"", "", record.error};
                } else if (auto stray = strayCell(record, headerWidth)) {
                    row.error = std::move(stray);
                } else if (!items.read(record.cells, row.item, error)) {
                    row.error = std::move(error);
                }
                return true;
            }
            return false;
        };
        Totals totals;
        std::vector<RowError> errors;
        // Writes one row; false when the run ends at a bad row.
        auto writeRow = [&](WeighedRow& row) {
            if (row.error) {
                errors.push_back({row.record.line, std::move(*row.error)});
                report(diagnostics, options, errors.back());
                return options.keepGoing;
            }
            const LineItem& item = row.item;
            out->row(row.record.line, row.record.cells, item);
            totals.add(item.section->category, item.section->choice, item.quantity,
                       item.totalWeight);
            return true;
        };
        if (options.readAhead) {
            RowBatches batches(readRow);
            while (std::vector<WeighedRow>* batch = batches.next()) {
                for (WeighedRow& row : *batch) {
                    if (!writeRow(row)) {
                        output.flush();
                        return kRunHadBadRows;
                    }
                }
            }
        } else {
            WeighedRow row;
            while (readRow(row)) {
                if (!writeRow(row)) {
                    output.flush();
                    return kRunHadBadRows;
                }
            }
        }
        out->end(totals, errors);
        if (!output.flush()) {
            report(diagnostics, "写不进输出：磁盘满了，或输出已关闭");
            return kRunFailed;
        }
        return errors.empty() ? kRunSucceeded : kRunHadBadRows;
    } catch (const std::runtime_error& error) {  // InputError, or no GB18030 converter
        output.flush();
        report(diagnostics, error.what());
        return kRunFailed;
    }
}

}  // namespace metalweight::bom
