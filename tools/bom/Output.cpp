#include "tools/bom/Output.h"

#include <algorithm>
#include <charconv>

#include "tools/bom/ShortestText.h"

namespace metalweight::bom {

Output::Output(std::FILE* file) : file_(file), store_(own_) {
    std::setvbuf(file_, nullptr, _IONBF, 0);
    own_.resize(kFlushAt + 4096);
    data_ = own_.data();
    capacity_ = own_.size();
}

Output::Output(std::string& text) : file_(nullptr), store_(text), used_(text.size()) {
    text.resize(std::max(text.capacity(), used_ + 256));
    data_ = text.data();
    capacity_ = text.size();
}

void Output::makeRoom(std::size_t size) {
    if (file_ != nullptr) {
        flush();
        if (size <= capacity_) {
            return;
        }
    }
    store_.resize(std::max(2 * capacity_, used_ + size));
    data_ = store_.data();
    capacity_ = store_.size();
}

bool Output::flush() {
    if (file_ == nullptr) {
        // The text holds what was written; the room after it is made again on demand.
        store_.resize(used_);
        data_ = store_.data();
        capacity_ = used_;
        return true;
    }
    if (used_ > 0) {
        if (std::fwrite(data_, 1, used_, file_) != used_) {
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
    if (file_ == nullptr || text.size() < kFlushAt / 4) {
        *this << text;
        return;
    }
    flush();
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) {
        failed_ = true;
    }
}

template <typename Write>
Output& Output::writeNumber(std::size_t longest, Write write) {
    if (capacity_ - used_ < longest) {
        makeRoom(longest);
    }
    used_ = static_cast<std::size_t>(write(data_ + used_) - data_);
    if (file_ != nullptr && used_ >= kFlushAt) {
        flush();
    }
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
