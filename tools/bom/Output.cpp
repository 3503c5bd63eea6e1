#include "tools/bom/Output.h"

#include <array>
#include <charconv>

#include "tools/bom/SystemText.h"

namespace metalweight::bom {
namespace {

using ShortestBuffer = std::array<char, 32>;  // "-2.2250738585072014e-308" and more fit

std::string_view shortestText(double value, ShortestBuffer& buffer) {
    return {buffer.data(), std::to_chars(buffer.begin(), buffer.end(), value).ptr};
}

}  // namespace

Output& Output::number(double value) {
    ShortestBuffer buffer;
    return *this << shortestText(value, buffer);
}

bool Output::flush() {
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
    ShortestBuffer buffer;
    return std::string(shortestText(value, buffer));
}

}  // namespace metalweight::bom
