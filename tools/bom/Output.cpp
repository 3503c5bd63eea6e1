#include "tools/bom/Output.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "tools/bom/ShortestText.h"
#include "tools/bom/SystemText.h"

namespace metalweight::bom {

void TextBuffer::reserve(std::size_t capacity, std::size_t keep) {
    auto data = std::make_unique_for_overwrite<char[]>(capacity);
    if (keep > 0) {
        std::memcpy(data.get(), data_.get(), keep);
    }
    data_ = std::move(data);
    capacity_ = capacity;
}

Output::Output(std::FILE* file) : file_(file), store_(own_) {
    std::setvbuf(file_, nullptr, _IONBF, 0);
    own_.reserve(kBufferSize, 0);
    data_ = own_.data_.get();
    capacity_ = own_.capacity_;
}

Output::Output(TextBuffer& text) : file_(nullptr), store_(text), used_(text.size_) {
    if (text.capacity_ < used_ + 256) {
        text.reserve(used_ + 256, used_);
    }
    data_ = text.data_.get();
    capacity_ = text.capacity_;
}

void Output::makeRoom(std::size_t size) {
    if (file_ != nullptr) {
        flush();
        if (size <= capacity_) {
            return;
        }
    }
    store_.reserve(std::max(2 * capacity_, used_ + size), used_);
    data_ = store_.data_.get();
    capacity_ = store_.capacity_;
}

bool Output::flush() {
    if (file_ == nullptr) {
        store_.size_ = used_;
        return true;
    }
    if (used_ > 0) {
        if (!writeText(file_, {data_, used_})) {
            failed_ = true;
        }
        used_ = 0;
    }
    if (std::fflush(file_) != 0) {
        failed_ = true;
    }
    return !failed_;
}

void Output::write(std::string_view text) {
    if (file_ == nullptr || text.size() < kBufferSize / 4) {
        *this << text;
        return;
    }
    flush();
    if (!writeText(file_, text)) {
        failed_ = true;
    }
}

template <typename Write>
Output& Output::writeNumber(std::size_t longest, Write write) {
    if (capacity_ - used_ < longest) {
        makeRoom(longest);
    }
    used_ = static_cast<std::size_t>(write(data_ + used_) - data_);
    return *this;
}

Output& Output::number(double value) {
    return writeNumber(kShortestTextRoom, [value](char* at) { return writeShortest(at, value); });
}

Output& Output::number(std::uint64_t value) {
    constexpr std::size_t kLongest = 20;
    return writeNumber(kLongest,
                       [value](char* at) { return std::to_chars(at, at + kLongest, value).ptr; });
}

std::string numberText(double value) {
    char text[kShortestTextRoom];
    return {text, writeShortest(text, value)};
}

}  // namespace metalweight::bom
