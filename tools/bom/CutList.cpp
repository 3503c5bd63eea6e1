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

// One run over a list. Reading and weighing (readRow) happen on the reading thread when
// the run reads ahead, writing (writeRow) on the caller's; the header comes through
// as the first row, so that reading, the encoding check of the whole file included,
// starts on the reading thread.
class CutListRun {
  public:
    CutListRun(TextSource& input, const RunOptions& options, Output& output, std::FILE* diagnostics)
        : reader_(input), options_(options), output_(output), diagnostics_(diagnostics) {}

    // Fills the next row that is not blank: the header first. False at the end.
    bool readRow(WeighedRow& row) {
        row.error.reset();
        row.header = false;
        if (!items_ && !headerRead_) {
            headerRead_ = true;
            row.header = true;
            readHeader(row);
            return true;
        }
        if (!items_) {
            return false;  // the header was bad: nothing more is read
        }
        while (reader_.next(row.record)) {
            const Record& record = row.record;
            if (record.error.empty() && isBlank(record)) {
                continue;
            }
            CellError error;
            if (!record.error.empty()) {
                row.error = CellError{"", "", record.error};
            } else if (auto stray = strayCell(record, headerWidth_)) {
                row.error = std::move(stray);
            } else if (!items_->read(record.cells, row.item, error)) {
                row.error = std::move(error);
            }
            return true;
        }
        return false;
    }

    // Writes one row; the exit status when the run ends with it.
    std::optional<int> writeRow(WeighedRow& row) {
        const Record& record = row.record;
        if (row.header) {
            if (row.error) {
                report(diagnostics_,
                       options_.inputName +
                           (record.line > 0 ? ":" + std::to_string(record.line) : "") + ": " +
                           row.error->message);
                return kRunFailed;
            }
            report_ = makeReport(options_.format, output_);
            report_->begin(record.cells);
            return std::nullopt;
        }
        if (row.error) {
            errors_.push_back({record.line, std::move(*row.error)});
            report(diagnostics_, options_, errors_.back());
            if (!options_.keepGoing) {
                return kRunHadBadRows;
            }
            return std::nullopt;
        }
        const LineItem& item = row.item;
        report_->row(record.line, record.cells, item);
        totals_.add(item.section.category, item.section.choice, item.quantity, item.totalWeight);
        return std::nullopt;
    }

    // After the last row.
    int finish() {
        report_->end(totals_, errors_);
        if (!output_.flush()) {
            report(diagnostics_, "写不进输出：磁盘满了，或输出已关闭");
            return kRunFailed;
        }
        return errors_.empty() ? kRunSucceeded : kRunHadBadRows;
    }

  private:
    void readHeader(WeighedRow& row) {
        if (!reader_.next(row.record)) {
            row.record.line = 0;
            row.error = CellError{"", "", "没有表头：清单是空的"};
            return;
        }
        std::string why = row.record.error;
        if (why.empty()) {
            columns_ = ColumnMap::fromHeader(row.record.cells, why);
        }
        if (!columns_) {
            row.error = CellError{"", "", why};
            return;
        }
        items_.emplace(*columns_);
        headerWidth_ = row.record.cells.size();
    }

    CsvReader reader_;
    const RunOptions& options_;
    Output& output_;
    std::FILE* diagnostics_;
    // Used by the reading side only.
    bool headerRead_ = false;
    std::optional<ColumnMap> columns_;
    std::optional<LineItemReader> items_;
    std::size_t headerWidth_ = 0;
    // Used by the writing side only.
    std::unique_ptr<Report> report_;
    Totals totals_;
    std::vector<RowError> errors_;
};

}  // namespace

int runCutList(TextSource& input, const RunOptions& options, Output& output,
               std::FILE* diagnostics) {
    CutListRun run(input, options, output, diagnostics);
    try {
        if (options.readAhead) {
            RowBatches batches([&run](WeighedRow& row) { return run.readRow(row); });
            while (std::vector<WeighedRow>* batch = batches.next()) {
                for (WeighedRow& row : *batch) {
                    if (const std::optional<int> status = run.writeRow(row)) {
                        output.flush();
                        return *status;
                    }
                }
            }
        } else {
            WeighedRow row;
            while (run.readRow(row)) {
                if (const std::optional<int> status = run.writeRow(row)) {
                    output.flush();
                    return *status;
                }
            }
        }
        return run.finish();
    } catch (const std::runtime_error& error) {  // InputError, or no GB18030 converter
        output.flush();
        report(diagnostics, error.what());
        return kRunFailed;
    }
}

}  // namespace metalweight::bom
