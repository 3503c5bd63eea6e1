#include "tools/bom/Output.h"

#include <algorithm>
#include <charconv>

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

template <typename Number>
Output& Output::writeNumber(Number value, std::size_t longest) {
    if (capacity_ - used_ < longest) {
        makeRoom(longest);
    }
    used_ = static_cast<std::size_t>(std::to_chars(data_ + used_, data_ + capacity_, value).ptr -
                                     data_);
    if (file_ != nullptr && used_ >= kFlushAt) {
        flush();
    }
    return *this;
}

Output& Output::number(double value) {
    return writeNumber(value, 32);  // "-2.2250738585072014e-308" and room to spare
}

Output& Output::number(std::uint64_t value) {
    return writeNumber(value, 20);
}

std::string numberText(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return {text, result.ptr};
}

}  // namespace metalweight::bom
