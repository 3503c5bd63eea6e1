#include "tools/bom/PlainDecimal.h"

#include <algorithm>
#include <charconv>

namespace metalweight::bom {

bool isPlainDecimal(std::string_view text) {
    const auto digits =
        std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    const auto points = std::count(text.begin(), text.end(), '.');
    return digits > 0 && points <= 1 && static_cast<std::size_t>(digits + points) == text.size();
}

std::optional<double> readPlainDecimal(std::string_view text) {
    if (!isPlainDecimal(text)) {
        return std::nullopt;
    }
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace metalweight::bom
