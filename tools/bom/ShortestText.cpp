#include "tools/bom/ShortestText.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "core/PowersOfTen.h"

namespace metalweight::bom {
namespace {

__extension__ using Wide = unsigned __int128;

// Drops `kStep` digits of all three when a number with that many fewer still lies
// between the bounds.
template <std::size_t kStep>
void dropDigits(std::uint64_t& high, std::uint64_t& belowLow, std::uint64_t& kept, int& dropped) {
    constexpr std::uint64_t kUnit = kPowersOfTen[kStep];
    if (high / kUnit > belowLow / kUnit) {
        high /= kUnit;
        belowLow /= kUnit;
        kept /= kUnit;
        dropped += static_cast<int>(kStep);
    }
}

// 10^-2 to 10^16 as doubles, for placing a value between two of them.
constexpr std::array<double, 19> kDoublePowers = {1e-2, 1e-1, 1e0,  1e1,  1e2, 1e3,  1e4,
                                                  1e5,  1e6,  1e7,  1e8,  1e9, 1e10, 1e11,
                                                  1e12, 1e13, 1e14, 1e15, 1e16};

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
    // 2^(e+52) ≤ value: its power of ten is the value's or one less, and a compare says
    // which. (Below 1 the powers are not exact: then k may be one too large, which only
    // costs a digit more to drop.)
    int power = ((e + 52) * 78913) >> 18;
    const int nextPower = power + 3;  // where 10^(power+1) stands in kDoublePowers
    const auto next = static_cast<std::size_t>(nextPower);
    if (next < kDoublePowers.size() && value >= kDoublePowers[next]) {
        ++power;
    }
    const int k = 17 - power;
    if (k < 0 || k >= static_cast<int>(kPowersOfTen.size())) {
        return false;
    }
    // The value and its halfway points in units of 2^(e−2), times 10^k.
    const int shift = 2 - e;
    const Wide scale = kPowersOfTen[static_cast<std::size_t>(k)];
    const Wide scaledMiddle = Wide{m} * 4 * scale;
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
    // Drop as many digits as leave a number with fewer between them: sixteen, eight,
    // four, two, then one at a time where that still holds (if dropping j digits leaves
    // one, so does dropping fewer), the value's digits with them.
    const auto whole = static_cast<std::uint64_t>(scaledMiddle >> shift);
    const Wide rest = scaledMiddle & mask;  // the value's bits below the units
    std::uint64_t kept = whole;
    int dropped = 0;
    dropDigits<16>(high, belowLow, kept, dropped);
    dropDigits<8>(high, belowLow, kept, dropped);
    dropDigits<4>(high, belowLow, kept, dropped);
    dropDigits<2>(high, belowLow, kept, dropped);
    dropDigits<1>(high, belowLow, kept, dropped);
    // Rounding: what was dropped against half a unit of the last digit kept.
    bool above = false;  // more than half dropped
    bool half = false;   // exactly half
    if (dropped == 0) {
        const Wide halfUnit = Wide{1} << (shift - 1);
        above = rest > halfUnit;
        half = rest == halfUnit;
    } else {
        const std::uint64_t unit = kPowersOfTen[static_cast<std::size_t>(dropped)];
        const std::uint64_t removed = whole - kept * unit;
        above = removed > unit / 2 || (removed == unit / 2 && rest != 0);
        half = removed == unit / 2 && rest == 0;
    }
    if (above || (half && (kept & 1) != 0)) {
        ++kept;
    }
    digits = std::clamp(kept, belowLow + 1, high);
    exponent = dropped - k;
    return true;
}

// The eight digits of a value below 10^8, zeros in front, as the bytes of a word, the
// first digit lowest: in four steps on all digits at once, where a division loop would
// take one dependent step a digit.
std::uint64_t eightDigits(std::uint64_t value) {
    // Two 32-bit lanes of four digits, halved into 16-bit lanes of two, then into bytes.
    std::uint64_t x = (value / 10000) | ((value % 10000) << 32);
    std::uint64_t y = ((x * 10486) >> 20) & 0x0000'007F'0000'007FULL;  // lane / 100
    x = y | ((x - y * 100) << 16);
    y = ((x * 103) >> 10) & 0x000F'000F'000F'000FULL;  // lane / 10
    x = y | ((x - y * 10) << 8);
    return x | 0x3030'3030'3030'3030ULL;
}

void store(char* at, std::uint64_t word) {
    std::memcpy(at, &word, sizeof word);
}

// How many decimal digits a value (not 0) has.
int digitCount(std::uint64_t value) {
    // Its bit length gives the count or one less.
    const auto guess = static_cast<int>((std::bit_width(value) * 1233) >> 12);
    return guess + (value >= kPowersOfTen[static_cast<std::size_t>(guess)] ? 1 : 0);
}

// Seventeen digit characters: the first, and the next sixteen as two words.
struct DigitText {
    char first;
    std::uint64_t middle;  // digits 2 to 9
    std::uint64_t last;    // digits 10 to 17
};

// Writes the seventeen digits with a point after the first `point` (1 to 16) of them,
// all by whole-word stores: the digits after the point are the same word shifted.
void writeWithPoint(char* at, const DigitText& text, int point) {
    at[0] = text.first;
    store(at + 1, text.middle);
    if (point <= 8) {
        store(at + point + 1, text.middle >> (8 * (point - 1)));
        store(at + 10, text.last);
    } else {
        store(at + 9, text.last);
        store(at + point + 1, text.last >> (8 * (point - 9)));
    }
    at[point] = '.';
}

// Writes digits × 10^exponent as std::to_chars does: fixed notation, or scientific
// when that is shorter. The digits are written as seventeen, zeros after them, and the
// text ends where they do.
char* writeDigits(char* at, std::uint64_t digits, int exponent) {
    const int count = digitCount(digits);
    const int leading = count - 1 + exponent;  // power of ten of the first digit
    constexpr std::uint64_t kEight = kPowersOfTen[8];
    const std::uint64_t all = digits * kPowersOfTen[static_cast<std::size_t>(17 - count)];
    const std::uint64_t rest = all % kPowersOfTen[16];
    const DigitText text{static_cast<char>('0' + all / kPowersOfTen[16]),
                         eightDigits(rest / kEight), eightDigits(rest % kEight)};
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
            // A whole number: below 2^53, so the zeros after the digits are among the
            // seventeen.
            at[0] = text.first;
            store(at + 1, text.middle);
            store(at + 9, text.last);
            return at + leading + 1;
        }
        if (leading >= 0) {
            writeWithPoint(at, text, leading + 1);
            return at + count + 1;
        }
        *at++ = '0';
        *at++ = '.';
        for (int zero = 0; zero < -leading - 1; ++zero) {
            *at++ = '0';
        }
        at[0] = text.first;
        store(at + 1, text.middle);
        store(at + 9, text.last);
        return at + count;
    }
    if (count > 1) {
        writeWithPoint(at, text, 1);
        at += count + 1;
    } else {
        *at++ = text.first;
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
    // A shortest text has at most seventeen digits.
    if (shortestDigits(value, digits, exponent) && digits < kPowersOfTen[17]) {
        return writeDigits(at, digits, exponent);
    }
    return std::to_chars(at, at + kShortestTextRoom, value).ptr;
}

}  // namespace metalweight::bom
