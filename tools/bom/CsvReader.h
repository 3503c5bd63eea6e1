#pragma once

#include <string>
#include <vector>

namespace metalweight::bom {

// Decoded UTF-8 text, handed out in blocks of whole lines.
class TextSource {
  public:
    virtual ~TextSource() = default;
    // Appends the next block to `text`: whole lines, the last one possibly without its
    // line end at the end of the input. Returns false, appending nothing, at the end.
    virtual bool readBlock(std::string& text) = 0;
};

// One record of a comma- or tab-separated list (RFC 4180 quoting).
struct Record {
    long long line = 0;  // 1-based line of the input on which the record starts
    std::vector<std::string> cells;
    std::string error;  // why the record could not be read; its cells are then empty
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
    // Reads the record at position_ into `record`, setting `end` after it, or says why
    // it cannot, or that its end is not in the buffer yet.
    Scan scan(Record& record, std::size_t& end, std::string& why);
    Scan quotedCell(std::size_t& at, std::string& cell, std::string& why);
    Scan plainCell(std::size_t& at, std::string& cell, std::string& why);
    bool more();
    void decideDelimiter();

    TextSource& source_;
    std::string buffer_;
    std::size_t position_ = 0;
    long long line_ = 1;
    std::size_t lineEnds_ = 0;  // the line ends the record being read takes
    std::size_t widest_ = 0;    // the most cells a record has had
    bool end_ = false;
    bool decided_ = false;
    char delimiter_ = ',';
};

}  // namespace metalweight::bom
