#include "tools/bom/PlainDecimal.h"

#include <charconv>
#include <cstdint>

#include "core/PowersOfTen.h"

namespace metalweight::bom {
namespace {

// Digits a whole number below 2^53 always has room for.
constexpr int kExactDigits = 15;

}  // namespace

std::optional<PlainDecimal> readPlainDecimal(std::string_view text) {
    std::uint64_t whole = 0;  // the digits from the first that is not 0, while few
    int significant = 0;      // digits from the first that is not 0
    int afterPoint = 0;
    int zerosAtEnd = 0;
    bool point = false;
    bool anyDigit = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            anyDigit = true;
            afterPoint += point ? 1 : 0;
            if (c != '0' || significant > 0) {
                ++significant;
                if (significant <= kExactDigits) {
                    whole = whole * 10 + static_cast<std::uint64_t>(c - '0');
                }
            }
            zerosAtEnd = c == '0' ? zerosAtEnd + 1 : 0;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    PlainDecimal decimal;
    if (significant <= kExactDigits && afterPoint < static_cast<int>(kExactDoublePowers.size())) {
        // Both exact, so the one division rounds to the nearest double, as reading does.
        decimal.value =
            static_cast<double>(whole) / kExactDoublePowers[static_cast<std::size_t>(afterPoint)];
    } else {
        std::from_chars(text.data(), text.data() + text.size(), decimal.value);
    }
    if (significant == 0 || significant > kExactDigits) {
        // Zero, or more digits than every double's shortest text is sure to keep.
        return decimal;
    }
    // A text of at most fifteen digits is the only one of that many digits that reads
    // back as its value, so it is the shortest when it is written as writeShortest
    // writes: no 0 in front but the one before the point of a value below 1, no 0 or
    // point at the end of a fraction, and fixed notation no longer than scientific.
    const bool belowOne = text.front() == '0' || text.front() == '.';
    if (point && (zerosAtEnd > 0 || text.back() == '.')) {
        return decimal;
    }
    const int digits = significant - (point ? 0 : zerosAtEnd);  // as scientific writes them
    const int scientific = digits + (digits > 1 ? 1 : 0) + 4;   // "1.25e+03"
    if (belowOne) {
        decimal.shortest = text.size() >= 2 && text[0] == '0' && text[1] == '.' &&
                           static_cast<int>(text.size()) <= scientific;
    } else {
        decimal.shortest = static_cast<int>(text.size()) <= scientific;
    }
    return decimal;
}

}  // namespace metalweight::bom
