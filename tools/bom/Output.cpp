#include "tools/bom/Output.h"

#include <charconv>

namespace metalweight::bom {

bool Output::flush() {
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

std::string numberText(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return {text, result.ptr};
}

}  // namespace metalweight::bom
