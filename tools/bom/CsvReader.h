#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "tools/bom/TextSource.h"

namespace metalweight::bom {

// One record of a comma- or tab-separated list (RFC 4180 quoting). Its cells are views
// into its own text, which a copy or a move carries along.
struct Record {
    long long line = 0;                   // 1-based line of the input on which the record starts
    std::vector<std::string_view> cells;  // into `text`
    std::string error;  // why the record could not be read; its cells are then empty
    // The record's bytes as read, with quoted cells unquoted where they stand.
    std::string text;
    // The cells stand in `text` one after another as a comma-separated list writes
    // them: the delimiter is a comma, and no cell is quoted or holds a CR.
    bool verbatim = false;

    Record() = default;
    Record(const Record& other)
        : line(other.line),
          cells(other.cells),
          error(other.error),
          text(other.text),
          verbatim(other.verbatim) {
        rebase(other.text.data());
    }
    Record(Record&& other) noexcept
        : line(other.line),
          cells(std::move(other.cells)),
          error(std::move(other.error)),
          verbatim(other.verbatim) {
        const char* from = other.text.data();
        text = std::move(other.text);
        rebase(from);
    }
    Record& operator=(const Record& other) {
        if (this != &other) {
            *this = Record(other);
        }
        return *this;
    }
    Record& operator=(Record&& other) noexcept {
        line = other.line;
        cells = std::move(other.cells);
        error = std::move(other.error);
        verbatim = other.verbatim;
        const char* from = other.text.data();
        text = std::move(other.text);
        rebase(from);
        return *this;
    }
    ~Record() = default;

  private:
    // Points the cells at `text` after its bytes moved from `from`.
    void rebase(const char* from) {
        for (std::string_view& cell : cells) {
            cell = {text.data() + (cell.data() - from), cell.size()};
        }
    }
};

// Reads records one by one from a text source; memory holds one block and one record.
// The delimiter is decided from the header line: a tab when it has more tabs than
// commas, else a comma. Quoted cells may hold delimiters, line ends and doubled quotes;
// a CR before a line end is dropped.
class CsvReader {
  public:
    explicit CsvReader(TextSource& source) : source_(source) {}

    // Reads the next record. Returns false at the end of the input. A record that
    // breaks the quoting rules comes back with `error` set; reading goes on after it.
    bool next(Record& record);

    [[nodiscard]] char delimiter() const { return delimiter_; }

  private:
    enum class Scan { kRecord, kBad, kNeedMore };
    // Where a cell stands in the buffer: its text, or for a quoted cell what is between
    // the quotes, doubled quotes still doubled.
    struct CellSpan {
        std::size_t begin;
        std::size_t size;
        bool quoted;
        bool holdsCr;  // a plain cell with a CR that is not the one before its line end
    };
    Scan scan(std::size_t& end, std::string& why);
    // Reads the record as a plain line, as most are: its line end in the buffer, no
    // quote, no CR but one just before the line end. Its cells are found eight bytes at a
    // time. False when the record is not one, for the general scan.
    bool scanPlainLine(std::size_t& end);
    void take(Record& record, std::size_t end);
    bool more();
    void decideDelimiter();

    TextSource& source_;
    std::string buffer_;
    std::size_t position_ = 0;
    long long line_ = 1;
    bool end_ = false;
    bool decided_ = false;
    char delimiter_ = ',';
    // The bytes a plain cell stops or is checked at: the delimiter, line end, quote, CR.
    std::array<bool, 256> special_{};
    // Adds a cell to the record being read. Written field by field: a CellSpan made
    // first and copied in would be read back before its stores are done.
    void addSpan(std::size_t begin, std::size_t size, bool quoted, bool holdsCr) {
        if (spanCount_ == spans_.size()) {
            spans_.resize(2 * spans_.size() + 16);
        }
        CellSpan& span = spans_[spanCount_++];
        span.begin = begin;
        span.size = size;
        span.quoted = quoted;
        span.holdsCr = holdsCr;
    }
    std::vector<CellSpan> spans_;  // the cells of the record being read: the first spanCount_
    std::size_t spanCount_ = 0;
    std::size_t lineEnds_ = 0;  // the line ends it takes, in quoted cells and after it
};

}  // namespace metalweight::bom
