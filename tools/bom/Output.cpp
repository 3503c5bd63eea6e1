#include "tools/bom/Output.h"

#include <array>
#include <charconv>

#include "tools/bom/SystemText.h"

namespace metalweight::bom {

Output& Output::number(double value) {
    std::array<char, 32> text{};  // "-2.2250738585072014e-308" and more fit
    return *this << std::string_view(text.data(),
                                     std::to_chars(text.begin(), text.end(), value).ptr);
}

Output& Output::number(std::uint64_t value) {
    std::array<char, 20> text{};
    return *this << std::string_view(text.data(),
                                     std::to_chars(text.begin(), text.end(), value).ptr);
}

bool Output::flush() {
    if (file_ == nullptr) {
        return true;
    }
    if (!buffer_.empty() && !writeText(file_, buffer_)) {
        failed_ = true;
    }
    buffer_.clear();
    if (std::fflush(file_) != 0) {
        failed_ = true;
    }
    return !failed_;
}

std::string numberText(double value) {
    std::string text;
    Output(text).number(value);
    return text;
}

}  // namespace metalweight::bom
