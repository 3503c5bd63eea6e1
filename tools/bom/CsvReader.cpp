#include "tools/bom/CsvReader.h"

#include <algorithm>
#include <cstring>

namespace metalweight::bom {
namespace {

// A record that runs on this long is an unclosed quote, not a cut-list row.
constexpr std::size_t kLongestRecord = 1u << 20;

void setCell(Record& record, std::size_t count, std::string_view text) {
    if (record.cells.size() <= count) {
        record.cells.emplace_back(text);
    } else {
        record.cells[count].assign(text);
    }
}

}  // namespace

bool CsvReader::more() {
    if (end_) {
        return false;
    }
    if (position_ > 0) {
        buffer_.erase(0, position_);
        position_ = 0;
    }
    if (!source_.readBlock(buffer_)) {
        end_ = true;
        return false;
    }
    return true;
}

void CsvReader::decideDelimiter() {
    decided_ = true;
    const std::size_t lineEnd = buffer_.find('\n', position_);
    const std::string_view header = std::string_view(buffer_).substr(
        position_, lineEnd == std::string::npos ? std::string::npos : lineEnd - position_);
    std::size_t tabs = 0;
    std::size_t commas = 0;
    bool quoted = false;
    for (const char c : header) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted) {
            tabs += c == '\t' ? 1 : 0;
            commas += c == ',' ? 1 : 0;
        }
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
        const std::string_view consumed =
            std::string_view(buffer_).substr(position_, end - position_);
        if (!why.empty()) {
            // Go on at the next line end after the record's start.
            const std::size_t lineEnd = buffer_.find('\n', position_);
            end = lineEnd == std::string::npos ? buffer_.size() : lineEnd + 1;
            record.cells.clear();
            record.error = std::move(why);
            line_ += 1;
            position_ = end;
            return true;
        }
        line_ += std::count(consumed.begin(), consumed.end(), '\n');
        position_ = end;
        record.error.clear();
        return true;
    }
}

CsvReader::Scan CsvReader::scan(Record& record, std::size_t& end, std::string& why) {
    const std::string_view text(buffer_);
    std::size_t at = position_;
    std::size_t count = 0;
    std::string quotedCell;
    for (;;) {
        if (at < text.size() && text[at] == '"') {
            // A quoted cell: up to the closing quote, "" standing for one quote.
            quotedCell.clear();
            ++at;
            for (;;) {
                const std::size_t quote = text.find('"', at);
                if (quote == std::string_view::npos) {
                    end = text.size();
                    return Scan::kNeedMore;
                }
                quotedCell.append(text.substr(at, quote - at));
                if (quote + 1 < text.size() && text[quote + 1] == '"') {
                    quotedCell.push_back('"');
                    at = quote + 2;
                    continue;
                }
                if (quote + 1 == text.size() && !end_) {
                    end = text.size();
                    return Scan::kNeedMore;  // the next block may begin with a quote
                }
                at = quote + 1;
                break;
            }
            setCell(record, count++, quotedCell);
            const bool lastCr = at + 1 == text.size() && end_;
            if (at < text.size() && text[at] == '\r' &&
                (lastCr || (at + 1 < text.size() && text[at + 1] == '\n'))) {
                ++at;
            }
            if (at < text.size() && text[at] != delimiter_ && text[at] != '\n') {
                why = "引号后面只能是分隔符或行尾";
                return Scan::kBad;
            }
        } else {
            // A plain cell: up to the next delimiter or line end.
            std::size_t stop = at;
            bool quote = false;
            while (stop < text.size() && text[stop] != delimiter_ && text[stop] != '\n') {
                quote = quote || text[stop] == '"';
                ++stop;
            }
            std::string_view cell = text.substr(at, stop - at);
            if (stop < text.size() && text[stop] == '\n' && cell.ends_with('\r')) {
                cell.remove_suffix(1);
            }
            if (quote) {
                why = "引号只能包住整个单元格";
                return Scan::kBad;
            }
            if (stop == text.size() && !end_) {
                end = text.size();
                return Scan::kNeedMore;
            }
            setCell(record, count++, cell);
            at = stop;
        }
        if (at >= text.size()) {
            break;
        }
        if (text[at] == '\n') {
            ++at;
            break;
        }
        ++at;  // the delimiter
        if (at == text.size() && !end_) {
            end = text.size();
            return Scan::kNeedMore;
        }
    }
    record.cells.resize(count);
    end = at;
    return Scan::kRecord;
}

}  // namespace metalweight::bom
