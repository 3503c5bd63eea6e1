#include "tools/bom/ShortestText.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace metalweight::bom {
namespace {

__extension__ using Wide = unsigned __int128;

constexpr std::array<std::uint64_t, 20> kPowersOfTen = [] {
    std::array<std::uint64_t, 20> powers{};
    std::uint64_t power = 1;
    for (std::uint64_t& entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}();

// The shortest digits that read back as `value`, as a whole number times 10^exponent,
// for values from 10^-2 up to 2^53; false for others.
//
// value is m·2^e. The doubles next to it lie 2^e away, or 2^(e−1) below it when it is a
// power of two, and a text reads back as value when it lies strictly between the
// halfway points to them, or on one when m is even (reading rounds a half to an even m).
// Scaled by 10^k so that value·10^k has 17 or 18 digits before the point, the halfway
// points lie more than ten units apart, and m·10^k (below 2^119) shifted right by −e gives
// them exactly: the shortest text is then the whole number between them with the most
// trailing zeros dropped, rounded from the value to the nearest, a half to even.
bool shortestDigits(double value, std::uint64_t& digits, int& exponent) {
    if (!(value >= 1e-2 && value < 9007199254740992.0)) {
        return false;
    }
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const std::uint64_t fraction = bits & ((1ULL << 52) - 1);
    const std::uint64_t m = fraction | (1ULL << 52);
    const int e = static_cast<int>(bits >> 52) - 1075;  // from −59 to 0 here
    const bool halvesReadBack = (m & 1) == 0;
    // 2^(e+52) ≤ value: its power of ten is the value's or one less.
    const int power = ((e + 52) * 78913) >> 18;
    const int k = 17 - power;
    if (k < 0 || k >= static_cast<int>(kPowersOfTen.size())) {
        return false;
    }
    // The value and its halfway points in units of 2^(e−2), times 10^k.
    const int shift = 2 - e;
    const Wide scale = kPowersOfTen[static_cast<std::size_t>(k)];
    const Wide scaledMiddle = Wide{4 * m} * scale;
    const Wide scaledUpper = scaledMiddle + 2 * scale;
    const Wide scaledLower = scaledMiddle - (fraction == 0 ? 1 : 2) * scale;
    const Wide mask = (Wide{1} << shift) - 1;

    // The whole numbers that read back as value are those after `belowLow` up to `high`.
    auto high = static_cast<std::uint64_t>(scaledUpper >> shift);
    if (!halvesReadBack && (scaledUpper & mask) == 0) {
        --high;
    }
    auto belowLow = static_cast<std::uint64_t>(scaledLower >> shift);
    if (halvesReadBack && (scaledLower & mask) == 0) {
        --belowLow;
    }
    // Drop digits while a number with fewer still lies between them, and the value's
    // digits with them: the last digit dropped and whether all below it were zero decide
    // the rounding.
    auto kept = static_cast<std::uint64_t>(scaledMiddle >> shift);
    const Wide rest = scaledMiddle & mask;  // the value's bits below the units
    int dropped = 0;
    unsigned lastDropped = 0;
    bool zerosBelow = rest == 0;
    while (high / 10 > belowLow / 10) {
        high /= 10;
        belowLow /= 10;
        zerosBelow = zerosBelow && lastDropped == 0;
        lastDropped = static_cast<unsigned>(kept % 10);
        kept /= 10;
        ++dropped;
    }
    bool above = false;  // more than half a unit dropped
    bool half = false;   // exactly half
    if (dropped == 0) {
        const Wide halfUnit = Wide{1} << (shift - 1);
        above = rest > halfUnit;
        half = rest == halfUnit;
    } else {
        above = lastDropped > 5 || (lastDropped == 5 && !zerosBelow);
        half = lastDropped == 5 && zerosBelow;
    }
    if (above || (half && (kept & 1) != 0)) {
        ++kept;
    }
    digits = std::clamp(kept, belowLow + 1, high);
    exponent = dropped - k;
    return true;
}

constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// Copies the 20 bytes at `from`, of which the first `count` are wanted: a copy of one
// fixed size is a few moves, where one of the exact size would be a call.
char* copyDigits(char* to, const char* from, int count) {
    std::memcpy(to, from, 20);
    return to + count;
}

// Writes digits × 10^exponent as std::to_chars does: fixed notation, or scientific
// when that is shorter.
char* writeDigits(char* at, std::uint64_t digits, int exponent) {
    // The digits end at the middle of `text`, so that 20 bytes can be copied from any
    // of them.
    std::array<char, 40> text{};
    char* first = text.data() + 20;
    for (; digits >= 100; digits /= 100) {
        first -= 2;
        std::memcpy(first, kDigitPairs.data() + 2 * (digits % 100), 2);
    }
    if (digits >= 10) {
        first -= 2;
        std::memcpy(first, kDigitPairs.data() + 2 * digits, 2);
    } else {
        *--first = static_cast<char>('0' + digits);
    }
    const auto count = static_cast<int>(text.data() + 20 - first);
    const int leading = count - 1 + exponent;  // power of ten of the first digit
    int fixedLength = 0;
    if (leading >= count - 1) {
        fixedLength = leading + 1;
    } else if (leading >= 0) {
        fixedLength = count + 1;
    } else {
        fixedLength = count + 1 - leading;
    }
    const int scientificLength =
        count + (count > 1 ? 1 : 0) + 2 + (std::abs(leading) >= 100 ? 3 : 2);
    if (fixedLength <= scientificLength) {
        if (leading >= count - 1) {
            at = copyDigits(at, first, count);
            return std::fill_n(at, leading + 1 - count, '0');
        }
        if (leading >= 0) {
            at = copyDigits(at, first, leading + 1);
            *at++ = '.';
            return copyDigits(at, first + leading + 1, count - leading - 1);
        }
        *at++ = '0';
        *at++ = '.';
        at = std::fill_n(at, -leading - 1, '0');
        return copyDigits(at, first, count);
    }
    *at++ = first[0];
    if (count > 1) {
        *at++ = '.';
        at = copyDigits(at, first + 1, count - 1);
    }
    *at++ = 'e';
    *at++ = leading < 0 ? '-' : '+';
    const int magnitude = std::abs(leading);
    if (magnitude < 10) {
        *at++ = '0';
    }
    return std::to_chars(at, at + 3, magnitude).ptr;
}

}  // namespace

char* writeShortest(char* at, double value) {
    std::uint64_t digits = 0;
    int exponent = 0;
    if (shortestDigits(value, digits, exponent)) {
        return writeDigits(at, digits, exponent);
    }
    return std::to_chars(at, at + kShortestTextRoom, value).ptr;
}

}  // namespace metalweight::bom
