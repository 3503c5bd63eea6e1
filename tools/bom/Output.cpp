#include "tools/bom/Output.h"

#include <charconv>

namespace metalweight::bom {

bool Output::flush() {
    if (file_ == nullptr) {
        return true;
    }
    if (!buffer_.empty()) {
        if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) {
            failed_ = true;
        }
        buffer_.clear();
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

Output& Output::number(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return *this << std::string_view(text, static_cast<std::size_t>(result.ptr - text));
}

Output& Output::number(std::uint64_t value) {
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return *this << std::string_view(text, static_cast<std::size_t>(result.ptr - text));
}

std::string numberText(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return {text, result.ptr};
}

}  // namespace metalweight::bom
