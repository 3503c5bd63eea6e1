#include "tools/bom/CutList.h"

#include <algorithm>
#include <vector>

#include "tools/bom/Columns.h"
#include "tools/bom/CsvReader.h"
#include "tools/bom/InputText.h"
#include "tools/bom/LineItem.h"
#include "tools/bom/RowBatches.h"
#include "tools/bom/SystemText.h"

namespace metalweight::bom {
namespace {

bool isBlank(const Record& record) {
    return std::all_of(record.cells.begin(), record.cells.end(),
                       [](std::string_view cell) { return trimBlanks(cell).empty(); });
}

void report(std::FILE* diagnostics, const std::string& text) {
    writeText(diagnostics, text + '\n');
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
            return CellError{"第 " + std::to_string(i + 1) + " 列", std::string(record.cells[i]),
                             "表头没有这一列"};
        }
    }
    return std::nullopt;
}

// One run over a list. Reading (fill) happens on the reading thread when the run reads
// ahead, and weighing (weigh) on either thread; writing (write) on the caller's. The
// header comes through as the first row, so that reading, the encoding check of the whole
// file included, starts on the reading thread.
class CutListRun {
  public:
    CutListRun(TextSource& input, const RunOptions& options, Output& output, std::FILE* diagnostics)
        : reader_(input), options_(options), output_(output), diagnostics_(diagnostics) {}

    // Reads the next rows that are not blank, the header first; false at the end.
    bool fill(RowBatch& batch) {
        if (batch.rows.size() < RowBatch::kRows) {
            batch.rows.resize(RowBatch::kRows);
        }
        if (!headerRead_) {
            headerRead_ = true;
            WeighedRow& row = batch.rows[batch.count++];
            row.header = true;
            readHeader(row);
            return columns_.has_value();  // nothing more is read after a bad header
        }
        while (batch.count < RowBatch::kRows) {
            WeighedRow& row = batch.rows[batch.count];
            row.header = false;
            if (!reader_.next(row.record)) {
                return false;
            }
            if (row.record.error.empty() && isBlank(row.record)) {
                continue;
            }
            ++batch.count;
        }
        return true;
    }

    // Weighs the rows of a batch and writes the report text of the good ones.
    void weigh(RowBatch& batch, LineItemReader* items) const {
        Output text(batch.text);
        for (std::size_t i = 0; i < batch.count; ++i) {
            WeighedRow& row = batch.rows[i];
            if (!row.header) {
                weighRow(row, *items);
                if (!row.error) {
                    // Each row with the separator before it, as if it were not the first:
                    // a batch of good rows is then written as it stands.
                    text << report_->rowSeparator(false);
                    report_->row(text, row.record, row.item);
                }
            }
            batch.ends.push_back(text.size());
        }
    }

    // The reading thread's weighing.
    void weighHere(RowBatch& batch) { weigh(batch, &*readerItems_); }

    // Writes a weighed batch in order; the exit status when the run ends in it.
    std::optional<int> write(RowBatch& batch) {
        if (!batch.weighed) {
            // Before the header is written, a batch holds the header alone.
            weigh(batch, writerItems_ ? &*writerItems_ : nullptr);
        }
        const std::string_view text = batch.text.view();
        const std::size_t separator = report_ ? report_->rowSeparator(false).size() : 0;
        // Text of rows in a row, written in one piece: bad rows have no text.
        std::size_t runStart = 0;
        std::size_t runEnd = 0;
        auto writeRun = [&] {
            output_.write(text.substr(runStart, runEnd - runStart));
            runStart = runEnd;
        };
        std::size_t start = 0;
        for (std::size_t i = 0; i < batch.count; ++i) {
            WeighedRow& row = batch.rows[i];
            const std::size_t end = batch.ends[i];
            if (row.header) {
                if (row.error) {
                    const long long line = row.record.line;
                    report(diagnostics_, options_.inputName +
                                             (line > 0 ? ":" + std::to_string(line) : "") + ": " +
                                             row.error->message);
                    return kRunFailed;
                }
                report_->begin(row.record.cells);
                writerItems_.emplace(*columns_);
            } else if (row.error) {
                errors_.push_back({row.record.line, std::move(*row.error)});
                report(diagnostics_, options_, errors_.back());
                if (!options_.keepGoing) {
                    writeRun();
                    return kRunHadBadRows;
                }
            } else {
                if (rowsWritten_ == 0) {
                    // The first row of the report takes the separator that goes first.
                    output_ << report_->rowSeparator(true)
                            << text.substr(start + separator, end - start - separator);
                    runStart = end;
                }
                runEnd = end;
                ++rowsWritten_;
                const LineItem& item = row.item;
                totals_.add(item.category, item.choice, item.quantity, item.totalWeight);
            }
            start = end;
        }
        writeRun();
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
        row.error.reset();
        if (!reader_.next(row.record)) {
            row.record.line = 0;
            row.error = CellError{"", "", "没有表头：清单是空的"};
            return;
        }
        std::string why = row.record.error;
        std::optional<ColumnMap> columns;
        if (why.empty()) {
            columns = ColumnMap::fromHeader(row.record.cells, why);
        }
        if (!columns) {
            row.error = CellError{"", "", why};
            return;
        }
        // Made before the header is handed over, and then only read on both threads.
        columns_ = std::move(columns);
        readerItems_.emplace(*columns_);
        headerWidth_ = row.record.cells.size();
        report_ = makeReport(options_.format, output_, headerWidth_);
    }

    void weighRow(WeighedRow& row, LineItemReader& items) const {
        row.error.reset();
        const Record& record = row.record;
        CellError error;
        if (!record.error.empty()) {
            row.error = CellError{"", "", record.error};
        } else if (auto stray = strayCell(record, headerWidth_)) {
            row.error = std::move(stray);
        } else if (!items.read(record.cells, row.item, error)) {
            row.error = std::move(error);
        }
    }

    CsvReader reader_;
    const RunOptions& options_;
    Output& output_;
    std::FILE* diagnostics_;
    // Set on the reading side before the header is handed over.
    bool headerRead_ = false;
    std::optional<ColumnMap> columns_;
    std::size_t headerWidth_ = 0;
    std::unique_ptr<Report> report_;
    // Each thread weighs with its own sections.
    std::optional<LineItemReader> readerItems_;
    std::optional<LineItemReader> writerItems_;
    // Used by the writing side only.
    std::size_t rowsWritten_ = 0;
    Totals totals_;
    std::vector<RowError> errors_;
};

}  // namespace

int runCutList(TextSource& input, const RunOptions& options, Output& output,
               std::FILE* diagnostics) {
    CutListRun run(input, options, output, diagnostics);
    try {
        if (options.readAhead) {
            RowBatches batches([&run](RowBatch& batch) { return run.fill(batch); },
                               [&run](RowBatch& batch) { run.weighHere(batch); });
            while (RowBatch* batch = batches.next()) {
                if (const std::optional<int> status = run.write(*batch)) {
                    output.flush();
                    return *status;
                }
            }
        } else {
            RowBatch batch;
            for (bool more = true; more;) {
                batch.count = 0;
                batch.text.clear();
                batch.ends.clear();
                more = run.fill(batch);
                if (const std::optional<int> status = run.write(batch)) {
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
