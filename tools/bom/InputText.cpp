#include "tools/bom/InputText.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

namespace metalweight::bom {
namespace {

constexpr std::size_t kChunk = 1 << 16;
// A line longer than this is no cut list: it would only make memory grow.
constexpr std::size_t kLongestLine = 16u << 20;

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kGb18030Mark = "\x84\x31\x95\x33";

long long lineEnds(std::string_view text) {
    long long count = 0;
    for (std::size_t at = text.find('\n'); at != std::string_view::npos;
         at = text.find('\n', at + 1)) {
        ++count;
    }
    return count;
}

// Appends up to a chunk of `file` to `text`; how many bytes it appended. The chunk is
// read on the stack, so a short list costs no chunk-sized allocation.
std::size_t appendChunk(std::FILE* file, std::string& text) {
    std::array<char, kChunk> chunk;
    const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), file);
    text.append(chunk.data(), got);
    return got;
}

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::size_t validUtf8Prefix(std::string_view text) {
    const auto byte = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char lead = byte(i);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead < 0xC2 || lead > 0xF4) {
            return i;
        }
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        // The second byte's range rules out overlong forms, surrogates and anything
        // above U+10FFFF; the others are any continuation byte.
        const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
        if (i + length > text.size() || byte(i + 1) < low || byte(i + 1) > high) {
            return i;
        }
        for (std::size_t k = 2; k < length; ++k) {
            if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) {
                return i;
            }
        }
        i += length;
    }
    return text.size();
}

InputText::InputText(std::FILE* file, std::string name) : file_(file), name_(std::move(name)) {}

void InputText::decideFromWholeFile() {
    const long start = std::ftell(file_);
    if (start < 0 || std::fseek(file_, 0, SEEK_END) != 0) {
        std::clearerr(file_);
        return;  // a pipe: decided as it is read
    }
    if (std::fseek(file_, start, SEEK_SET) != 0) {
        throw InputError(name_ + ": " + std::strerror(errno));
    }
    // Check line by line, so that no character is split between two reads.
    std::string buffer;
    encoding_ = Encoding::kUtf8;
    long long lines = 0;  // line ends in the file before the buffer
    for (;;) {
        const bool atEnd = appendChunk(file_, buffer) == 0;
        const std::size_t lineEnd = buffer.rfind('\n');
        const std::size_t upTo =
            atEnd ? buffer.size() : (lineEnd == std::string::npos ? 0 : lineEnd + 1);
        const std::size_t valid = validUtf8Prefix(std::string_view(buffer).substr(0, upTo));
        if (valid != upTo) {
            encoding_ = Encoding::kGb18030;
            firstNonUtf8Line_ = lines + lineEnds(std::string_view(buffer).substr(0, valid)) + 1;
            break;
        }
        lines += lineEnds(std::string_view(buffer).substr(0, upTo));
        buffer.erase(0, upTo);
        if (atEnd) {
            checkedWhole_ = true;
            break;
        }
        if (buffer.size() > kLongestLine) {
            break;  // a line that long is reported when the list is read
        }
    }
    if (std::ferror(file_) != 0) {
        throw InputError(name_ + ": " + std::strerror(errno));
    }
    std::clearerr(file_);
    if (std::fseek(file_, start, SEEK_SET) != 0) {
        throw InputError(name_ + ": " + std::strerror(errno));
    }
}

void InputText::fill() {
    if (appendChunk(file_, raw_) == 0) {
        if (std::ferror(file_) != 0) {
            throw InputError(name_ + ": " + std::strerror(errno));
        }
        end_ = true;
    }
}

bool InputText::readBlock(std::string& text) {
    if (start_ && raw_.empty() && !end_) {
        decideFromWholeFile();
    }
    // Gather whole lines: a character never spans two blocks.
    std::size_t lineEnd = raw_.rfind('\n');
    while (!end_ && lineEnd == std::string::npos) {
        if (raw_.size() > kLongestLine) {
            fail(raw_.size(), "一行超过 16 MiB");
        }
        fill();
        lineEnd = raw_.rfind('\n');
    }
    std::size_t length = end_ ? raw_.size() : lineEnd + 1;
    if (length == 0) {
        return false;
    }
    if (start_) {
        start_ = false;
        if (raw_.starts_with(kUtf8Mark) && encoding_ != Encoding::kGb18030) {
            raw_.erase(0, kUtf8Mark.size());
            length -= kUtf8Mark.size();
            encoding_ = Encoding::kUtf8;
        } else if (raw_.starts_with(kGb18030Mark) && encoding_ != Encoding::kUtf8) {
            raw_.erase(0, kGb18030Mark.size());
            length -= kGb18030Mark.size();
            encoding_ = Encoding::kGb18030;
        }
    }
    decodePart(length, text);
    linesBefore_ += lineEnds(std::string_view(raw_).substr(0, length));
    raw_.erase(0, length);
    if (!end_ && raw_.size() < kChunk) {
        fill();
    }
    return true;
}

void InputText::decodePart(std::size_t length, std::string& text) {
    const std::string_view part = std::string_view(raw_).substr(0, length);
    if (encoding_ == Encoding::kUtf8 && checkedWhole_) {
        text.append(part);
        return;
    }
    if (encoding_ != Encoding::kGb18030) {
        const std::size_t valid = validUtf8Prefix(part);
        if (valid == part.size()) {
            sawNonAscii_ = sawNonAscii_ || !isAscii(part);
            text.append(part);
            return;
        }
        // Not UTF-8. What came before was ASCII, which GB18030 reads alike, or the
        // list mixes encodings and cannot be read either way.
        if (encoding_ == Encoding::kUtf8 || sawNonAscii_ || !isAscii(part.substr(0, valid))) {
            fail(valid, "不是有效的 UTF-8，前面的内容也不是 GB18030 能读的");
        }
        encoding_ = Encoding::kGb18030;
    }
    const std::size_t decoded = decodeGb18030(part, text);
    if (decoded != part.size()) {
        if (firstNonUtf8Line_ == 0) {
            fail(decoded, "既不是有效的 UTF-8，也不是有效的 GB18030");
        }
        // Name both places: where a UTF-8 reader and where a GB18030 reader stops.
        const long long line =
            linesBefore_ + lineEnds(std::string_view(raw_).substr(0, decoded)) + 1;
        throw InputError(name_ + ":" + std::to_string(firstNonUtf8Line_) +
                         ": 不是有效的 UTF-8；作为 GB18030 读，第 " + std::to_string(line) +
                         " 行也不对");
    }
}

void InputText::fail(std::size_t offset, std::string_view what) const {
    const long long line = linesBefore_ + lineEnds(std::string_view(raw_).substr(0, offset)) + 1;
    throw InputError(name_ + ":" + std::to_string(line) + ": " + std::string(what));
}

}  // namespace metalweight::bom
