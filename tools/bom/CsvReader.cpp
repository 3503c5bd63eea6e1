#include "tools/bom/CsvReader.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "tools/bom/LineEnds.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace metalweight::bom {
namespace {

// A record that runs on this long is an unclosed quote, not a cut-list row.
constexpr std::size_t kLongestRecord = 1u << 20;

// Where the bytes a plain line's scan looks for stand in a block of the text: bit i
// for the block's byte i.
struct ByteMasks {
    std::uint32_t delimiters;
    std::uint32_t lineEnds;
    std::uint32_t quotes;
    std::uint32_t crs;
};

#if defined(__SSE2__)
constexpr std::size_t kBlock = 16;

// The masks of the next up to sixteen bytes at `at`; bytes past the end of the text
// are taken as zero, which no byte looked for equals.
ByteMasks masksAt(const char* at, std::size_t left, char delimiter) {
    __m128i block{};
    if (left >= kBlock) {
        block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    } else {
        std::array<char, kBlock> tail{};
        std::memcpy(tail.data(), at, left);
        block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(tail.data()));
    }
    auto where = [&block](char byte) {
        return static_cast<std::uint32_t>(
            _mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8(byte))));
    };
    return {where(delimiter), where('\n'), where('"'), where('\r')};
}
#else
constexpr std::size_t kBlock = 8;
constexpr std::uint64_t kOnes = 0x0101010101010101ULL;

// The high bit of each byte of `word` that equals `byte`, gathered into the low eight
// bits, one a byte.
std::uint32_t bytesEqual(std::uint64_t word, char byte) {
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    const std::uint64_t x = word ^ (kOnes * static_cast<unsigned char>(byte));
    const std::uint64_t high = ~(((x & kLow7) + kLow7) | x | kLow7);
    return static_cast<std::uint32_t>(((high >> 7) * 0x0102040810204080ULL) >> 56);
}

// The masks of the next up to eight bytes at `at`; bytes past the end of the text are
// taken as zero, which no byte looked for equals.
ByteMasks masksAt(const char* at, std::size_t left, char delimiter) {
    std::uint64_t word = 0;
    if (left >= kBlock) {
        std::memcpy(&word, at, sizeof word);
    } else {
        for (std::size_t i = 0; i < left; ++i) {
            word |= static_cast<std::uint64_t>(static_cast<unsigned char>(at[i])) << (8 * i);
        }
    }
    return {bytesEqual(word, delimiter), bytesEqual(word, '\n'), bytesEqual(word, '"'),
            bytesEqual(word, '\r')};
}
#endif

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
    for (const char c : {delimiter_, '\n', '"', '\r'}) {
        special_[static_cast<unsigned char>(c)] = true;
    }
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
        const Scan result = scan(end, why);
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
            record.text.clear();
            record.verbatim = false;
            record.error = std::move(why);
            line_ += 1;
            position_ = end;
            return true;
        }
        take(record, end);
        line_ += static_cast<long long>(lineEnds_);
        position_ = end;
        record.error.clear();
        return true;
    }
}

void CsvReader::take(Record& record, std::size_t end) {
    // The record's bytes, then each quoted cell unquoted where it stands: "" becomes ",
    // so the cell only gets shorter.
    record.text.assign(buffer_, position_, end - position_);
    char* const text = record.text.data();
    record.cells.resize(spanCount_);
    bool verbatim = delimiter_ == ',';
    for (std::size_t i = 0; i < spanCount_; ++i) {
        const CellSpan& span = spans_[i];
        char* const begin = text + (span.begin - position_);
        std::size_t size = span.size;
        if (span.quoted) {
            verbatim = false;
            size = 0;
            for (std::size_t at = 0; at < span.size; ++at, ++size) {
                begin[size] = begin[at];
                at += begin[at] == '"' ? 1 : 0;
            }
        } else if (span.holdsCr) {
            verbatim = false;
        }
        record.cells[i] = std::string_view(begin, size);
    }
    record.verbatim = verbatim;
}

bool CsvReader::scanPlainLine(std::size_t& end) {
    const char* const bytes = buffer_.data();
    const std::size_t size = buffer_.size();
    std::size_t cellStart = position_;
    bool crBefore = false;  // the byte before this block is a CR
    constexpr std::uint32_t kLast = 1U << (kBlock - 1);
    for (std::size_t at = position_; at < size; at += kBlock) {
        const ByteMasks masks = masksAt(bytes + at, size - at, delimiter_);
        std::uint32_t delimiters = masks.delimiters;
        const std::uint32_t lineEnd = masks.lineEnds;
        std::uint32_t quotes = masks.quotes;
        std::uint32_t crs = masks.crs;
        if (lineEnd != 0) {
            // Only the bytes before the first line end are the record's.
            const std::uint32_t before = (lineEnd & (~lineEnd + 1)) - 1;
            delimiters &= before;
            quotes &= before;
            crs &= before;
        }
        const std::size_t lineEndAt =
            lineEnd == 0 ? kBlock : static_cast<std::size_t>(std::countr_zero(lineEnd));
        // A CR may stand only just before the line end, here or at the end of the block
        // before; any other, and any quote, is for the general scan.
        const std::uint32_t crBeforeLineEnd =
            lineEnd != 0 && lineEndAt > 0 ? 1U << (lineEndAt - 1) : 0;
        const bool crAtEnd = lineEnd == 0 && (crs & kLast) != 0;
        if (quotes != 0 || (crs & ~crBeforeLineEnd & (crAtEnd ? ~kLast : ~0U)) != 0 ||
            (crBefore && !(lineEnd != 0 && lineEndAt == 0))) {
            return false;
        }
        crBefore = crAtEnd;
        for (; delimiters != 0; delimiters &= delimiters - 1) {
            const std::size_t stop = at + static_cast<std::size_t>(std::countr_zero(delimiters));
            addSpan(cellStart, stop - cellStart, false, false);
            cellStart = stop + 1;
        }
        if (lineEnd != 0) {
            const std::size_t stop = at + lineEndAt;
            const std::size_t cr = stop > cellStart && bytes[stop - 1] == '\r' ? 1 : 0;
            addSpan(cellStart, stop - cellStart - cr, false, false);
            lineEnds_ = 1;
            end = stop + 1;
            return true;
        }
    }
    return false;  // its line end is not read yet
}

CsvReader::Scan CsvReader::scan(std::size_t& end, std::string& why) {
    spanCount_ = 0;
    lineEnds_ = 0;
    if (scanPlainLine(end)) {
        return Scan::kRecord;
    }
    spanCount_ = 0;
    const std::string_view text(buffer_);
    const char* const bytes = text.data();
    const std::size_t size = text.size();
    const char delimiter = delimiter_;
    std::size_t at = position_;
    for (;;) {
        if (at < size && bytes[at] == '"') {
            // A quoted cell: up to the closing quote, "" standing for one quote.
            const std::size_t begin = ++at;
            for (;;) {
                const std::size_t quote = text.find('"', at);
                if (quote == std::string_view::npos) {
                    end = size;
                    return Scan::kNeedMore;
                }
                if (quote + 1 < size && bytes[quote + 1] == '"') {
                    at = quote + 2;
                    continue;
                }
                if (quote + 1 == size && !end_) {
                    end = size;
                    return Scan::kNeedMore;  // the next block may begin with a quote
                }
                addSpan(begin, quote - begin, true, false);
                lineEnds_ += countLineEnds(text.substr(begin, quote - begin));
                at = quote + 1;
                break;
            }
            const bool lastCr = at + 1 == size && end_;
            if (at < size && bytes[at] == '\r' &&
                (lastCr || (at + 1 < size && bytes[at + 1] == '\n'))) {
                ++at;
            }
            if (at < size && bytes[at] != delimiter && bytes[at] != '\n') {
                why = "引号后面只能是分隔符或行尾";
                return Scan::kBad;
            }
        } else {
            // A plain cell: up to the next delimiter or line end.
            std::size_t stop = at;
            bool quote = false;
            bool cr = false;
            for (; stop < size; ++stop) {
                const char c = bytes[stop];
                if (!special_[static_cast<unsigned char>(c)]) {
                    continue;
                }
                if (c == delimiter || c == '\n') {
                    break;
                }
                quote = quote || c == '"';
                cr = cr || c == '\r';
            }
            std::size_t cellSize = stop - at;
            if (stop < size && bytes[stop] == '\n' && cellSize > 0 && bytes[stop - 1] == '\r') {
                --cellSize;
            }
            cr = cr && std::memchr(bytes + at, '\r', cellSize) != nullptr;
            if (quote) {
                why = "引号只能包住整个单元格";
                return Scan::kBad;
            }
            if (stop == size && !end_) {
                end = size;
                return Scan::kNeedMore;
            }
            addSpan(at, cellSize, false, cr);
            at = stop;
        }
        if (at >= size) {
            break;
        }
        if (bytes[at] == '\n') {
            ++at;
            ++lineEnds_;
            break;
        }
        ++at;  // the delimiter
        if (at == size && !end_) {
            end = size;
            return Scan::kNeedMore;
        }
    }
    end = at;
    return Scan::kRecord;
}

}  // namespace metalweight::bom
