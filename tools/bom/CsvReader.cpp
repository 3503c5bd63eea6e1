#include "tools/bom/CsvReader.h"

#include <algorithm>

namespace metalweight::bom {
namespace {

// A record that runs on this long is an unclosed quote, not a cut-list row.
constexpr std::size_t kLongestRecord = 1u << 20;

}  // namespace

bool CsvReader::more() {
    buffer_.erase(0, position_);
    position_ = 0;
    end_ = end_ || !source_.readBlock(buffer_);
    return !end_;
}

void CsvReader::decideDelimiter() {
    decided_ = true;
    std::size_t tabs = 0;
    std::size_t commas = 0;
    bool quoted = false;
    for (std::size_t i = position_; i < buffer_.size() && buffer_[i] != '\n'; ++i) {
        const char c = buffer_[i];
        quoted = quoted != (c == '"');
        tabs += !quoted && c == '\t' ? 1 : 0;
        commas += !quoted && c == ',' ? 1 : 0;
    }
    delimiter_ = tabs > commas ? '\t' : ',';
}

bool CsvReader::next(Record& record) {
    if (position_ >= buffer_.size() && !more()) {
        return false;
    }
    if (!decided_) {
        decideDelimiter();
    }
    for (;;) {
        std::size_t end = 0;
        std::string why;
        const Scan result = scan(record, end, why);
        if (result == Scan::kNeedMore) {
            const bool tooLong = buffer_.size() - position_ > kLongestRecord;
            if (!tooLong && !end_) {
                more();  // more text, or the end of the input: scan again either way
                continue;
            }
            why = tooLong ? "一条记录超过 1 MiB（引号没有闭合？）" : "引号没有闭合";
        }
        record.line = line_;
        if (!why.empty()) {
            // Go on at the next line end after the record's start.
            const std::size_t lineEnd = buffer_.find('\n', position_);
            end = lineEnd == std::string::npos ? buffer_.size() : lineEnd + 1;
            record.cells.clear();
            record.error = std::move(why);
            line_ += 1;
        } else {
            record.error.clear();
            line_ += static_cast<long long>(lineEnds_);
        }
        position_ = end;
        return true;
    }
}

CsvReader::Scan CsvReader::scan(Record& record, std::size_t& end, std::string& why) {
    lineEnds_ = 0;
    std::size_t at = position_;
    const std::size_t size = buffer_.size();
    // The record's cell strings are kept from one record to the next and written over; a
    // record new to them has room made at once for as many cells as the widest so far.
    record.cells.reserve(widest_);
    std::size_t count = 0;
    for (;; ++count) {
        if (count == record.cells.size()) {
            record.cells.emplace_back();
        }
        std::string& cell = record.cells[count];
        cell.clear();
        const bool quoted = at < size && buffer_[at] == '"';
        if (const Scan result = quoted ? quotedCell(at, cell, why) : plainCell(at, cell, why);
            result != Scan::kRecord) {
            return result;
        }
        if (at >= size) {
            break;
        }
        if (buffer_[at] == '\n') {
            ++at;
            ++lineEnds_;
            break;
        }
        ++at;  // the delimiter
        if (at == size && !end_) {
            return Scan::kNeedMore;
        }
    }
    record.cells.resize(count + 1);
    widest_ = std::max(widest_, count + 1);
    end = at;
    return Scan::kRecord;
}

// A quoted cell, from its opening quote up to the closing one, "" standing for one
// quote; then only a delimiter or a line end (a CR before it dropped) may follow.
CsvReader::Scan CsvReader::quotedCell(std::size_t& at, std::string& cell, std::string& why) {
    const std::size_t size = buffer_.size();
    ++at;
    for (;;) {
        const std::size_t quote = buffer_.find('"', at);
        if (quote == std::string::npos) {
            return Scan::kNeedMore;
        }
        cell.append(buffer_, at, quote - at);
        if (quote + 1 < size && buffer_[quote + 1] == '"') {
            cell += '"';
            at = quote + 2;
            continue;
        }
        if (quote + 1 == size && !end_) {
            return Scan::kNeedMore;  // the next block may begin with a quote
        }
        at = quote + 1;
        break;
    }
    lineEnds_ += static_cast<std::size_t>(std::count(cell.begin(), cell.end(), '\n'));
    const bool lastCr = at + 1 == size && end_;
    if (at < size && buffer_[at] == '\r' &&
        (lastCr || (at + 1 < size && buffer_[at + 1] == '\n'))) {
        ++at;
    }
    if (at < size && buffer_[at] != delimiter_ && buffer_[at] != '\n') {
        why = "引号后面只能是分隔符或行尾";
        return Scan::kBad;
    }
    return Scan::kRecord;
}

// A plain cell, up to the next delimiter or line end (a CR just before that dropped).
CsvReader::Scan CsvReader::plainCell(std::size_t& at, std::string& cell, std::string& why) {
    const std::size_t size = buffer_.size();
    const char delimiter = delimiter_;
    const auto end =
        std::find_if(buffer_.begin() + static_cast<std::ptrdiff_t>(at), buffer_.end(),
                     [delimiter](char c) { return c == delimiter || c == '\n' || c == '"'; });
    const auto stop = static_cast<std::size_t>(end - buffer_.begin());
    if (stop < size && buffer_[stop] == '"') {
        why = "引号只能包住整个单元格";
        return Scan::kBad;
    }
    std::size_t cellSize = stop - at;
    if (stop < size && buffer_[stop] == '\n' && cellSize > 0 && buffer_[stop - 1] == '\r') {
        --cellSize;
    }
    if (stop == size && !end_) {
        return Scan::kNeedMore;
    }
    cell.append(buffer_, at, cellSize);
    at = stop;
    return Scan::kRecord;
}

}  // namespace metalweight::bom
