#include "tools/bom/ShortestText.h"

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

constexpr std::uint64_t kSixteen = kPowersOfTen[16];
constexpr std::uint64_t kSeventeen = kPowersOfTen[17];

// A text's digits as seventeen, zeros after its own, and the power of ten of the first.
struct Digits {
    std::uint64_t seventeen = 0;  // from 10^16 up to 10^17
    int leading = 0;
};

// How many decimal digits a value (not 0) has.
int digitCount(std::uint64_t value) {
    // Its bit length gives the count or one less.
    const auto guess = static_cast<int>((std::bit_width(value) * 1233) >> 12);
    return guess + (value >= kPowersOfTen[static_cast<std::size_t>(guess)] ? 1 : 0);
}

// `count` digits (1 to 17) times 10^exponent, as seventeen digits.
Digits asSeventeen(std::uint64_t digits, int count, int exponent) {
    return {digits * kPowersOfTen[static_cast<std::size_t>(17 - count)], count - 1 + exponent};
}

// The shortest digits that read back as `value`, for values from 10^-2 up to 2^53; false
// for others.
//
// value is m·2^e with e from −59 to 0. A text reads back as value when it lies between
// the halfway points to the doubles next to it. Scaled by the 10^k (k from 0 to 18) that
// makes the distance between the halfway points, 10^k·2^e, at least 1 and less than 10,
// the value (16 or 17 digits before the point) and those points are exact in 128 bits.
// Then at most one multiple of ten lies between the points, and when none does, one of
// the two whole numbers around the value does. Any shorter text is that multiple of
// ten with its zeros dropped; the zeros stay here, and the writing leaves them off.
//
// No whole number lies on a halfway point, so how reading rounds a half does not
// matter: one there would make 2^(1−e) divide 10^k·(2m ± 1), and k < 1 − e.
bool shortestDigits(double value, Digits& digits) {
    if (!(value >= 1e-2 && value < 9007199254740992.0)) {
        return false;
    }
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const std::uint64_t fraction = bits & ((1ULL << 52) - 1);
    const int e = static_cast<int>(bits >> 52) - 1075;
    if (fraction == 0) {
        // A power of two, 2^-6 to 2^52: its exact decimal text is the shortest, as no
        // other text of as few digits lies within its halfway points.
        const int power = e + 52;
        const std::uint64_t exact =
            power >= 0 ? 1ULL << power
                       : kPowersOfTen[static_cast<std::size_t>(-power)] >> -power;  // 5^-power
        digits = asSeventeen(exact, digitCount(exact), power >= 0 ? 0 : power);
        return true;
    }
    const std::uint64_t m = fraction | (1ULL << 52);
    const int shift = -e;
    // 10^(k−1) ≤ 2^shift < 10^k, or k = 0 when shift is 0.
    const int k = shift == 0 ? 0 : ((shift * 78913) >> 18) + 1;
    const std::uint64_t scale = kPowersOfTen[static_cast<std::size_t>(k)];
    // The value in units of 2^-shift: `below` whole units and `rest` of one.
    const Wide scaled = Wide{m} * scale;
    const auto below = static_cast<std::uint64_t>(scaled >> shift);
    const std::uint64_t unit = 1ULL << shift;
    const std::uint64_t rest = static_cast<std::uint64_t>(scaled) & (unit - 1);
    // Whether a whole number at `distance` from the value (in units of 2^-(shift+1),
    // below 2^64 here) lies between the halfway points, which are `scale` from it.
    auto reads = [scale](std::uint64_t distance) { return distance < scale; };
    const std::uint64_t down = below % 10;  // below − down is the multiple of ten below
    // Every choice below is made by selecting, not branching: which one it is depends
    // on the value's last bits, and a mispredicted branch costs more than the work.
    const bool tenBelowIn = reads(2 * (rest + down * unit));
    const bool tenIn = tenBelowIn != reads(2 * ((10 - down) * unit - rest));
    const std::uint64_t ten = below - down + (tenBelowIn ? 0 : 10);  // may reach 10^17
    // Else the one of below and below + 1 that reads back, or the nearer, a half to the
    // even one.
    const bool belowIn = reads(2 * rest);
    const bool nearer = 2 * rest < unit || (2 * rest == unit && (below & 1) == 0);
    const bool takeAbove = belowIn != reads(2 * (unit - rest)) ? !belowIn : !nearer;
    const std::uint64_t chosen = tenIn ? ten : below + (takeAbove ? 1 : 0);
    if (chosen >= kSeventeen) {
        digits = {chosen / 10, 17 - k};  // a multiple of ten
        return true;
    }
    const bool full = chosen >= kSixteen;
    digits = {chosen * (full ? 1 : 10), (full ? 16 : 15) - k};
    return true;
}

// The eight digits of a value below 10^8, zeros in front, as the bytes of a word, the
// first digit lowest: in four steps on all digits at once, where a division loop would
// take one dependent step a digit.
[[gnu::always_inline]] inline std::uint64_t eightDigits(std::uint64_t value) {
    // Two 32-bit lanes of four digits, halved into 16-bit lanes of two, then into bytes.
    std::uint64_t x = (value / 10000) | ((value % 10000) << 32);
    std::uint64_t y = ((x * 10486) >> 20) & 0x0000'007F'0000'007FULL;  // lane / 100
    x = y | ((x - y * 100) << 16);
    y = ((x * 103) >> 10) & 0x000F'000F'000F'000FULL;  // lane / 10
    x = y | ((x - y * 10) << 8);
    return x | 0x3030'3030'3030'3030ULL;
}

constexpr std::uint64_t kZeroCharacters = 0x3030'3030'3030'3030ULL;

// How many '0' characters end a word of eight digits.
int zerosAtEnd(std::uint64_t word) {
    return std::countl_zero(word ^ kZeroCharacters) / 8;
}

void store(char* at, std::uint64_t word) {
    std::memcpy(at, &word, sizeof word);
}

// Writes the seventeen digits with a point after the first `point` (1 to 16) of them,
// all by whole-word stores: the digits after the point are the same word shifted.
void writeWithPoint(char* at, char first, std::uint64_t middle, std::uint64_t last, int point) {
    at[0] = first;
    store(at + 1, middle);
    if (point <= 8) {
        store(at + point + 1, middle >> (8 * (point - 1)));
        store(at + 10, last);
    } else {
        store(at + 9, last);
        store(at + point + 1, last >> (8 * (point - 9)));
    }
    at[point] = '.';
}

// Writes the digits as std::to_chars does: fixed notation, or scientific when that is
// shorter. The seventeen digits are written whole, and the text ends where its own do.
char* writeDigits(char* at, const Digits& digits) {
    const std::uint64_t top = digits.seventeen / kSixteen;
    const std::uint64_t rest = digits.seventeen - top * kSixteen;
    constexpr std::uint64_t kEight = kPowersOfTen[8];
    const auto first = static_cast<char>('0' + top);
    const std::uint64_t middle = eightDigits(rest / kEight);  // digits 2 to 9
    const std::uint64_t last = eightDigits(rest % kEight);    // digits 10 to 17
    const int zerosInLast = zerosAtEnd(last);
    const int count = 17 - (zerosInLast < 8 ? zerosInLast : 8 + zerosAtEnd(middle));
    const int leading = digits.leading;
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
            // A whole number: below 2^53, so the zeros after its digits are among the
            // seventeen.
            at[0] = first;
            store(at + 1, middle);
            store(at + 9, last);
            return at + leading + 1;
        }
        if (leading >= 0) {
            writeWithPoint(at, first, middle, last, leading + 1);
            return at + count + 1;
        }
        *at++ = '0';
        *at++ = '.';
        for (int zero = 0; zero < -leading - 1; ++zero) {
            *at++ = '0';
        }
        at[0] = first;
        store(at + 1, middle);
        store(at + 9, last);
        return at + count;
    }
    if (count > 1) {
        writeWithPoint(at, first, middle, last, 1);
        at += count + 1;
    } else {
        *at++ = first;
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
    Digits digits;
    if (shortestDigits(value, digits)) {
        return writeDigits(at, digits);
    }
    return std::to_chars(at, at + kShortestTextRoom, value).ptr;
}

}  // namespace metalweight::bom
