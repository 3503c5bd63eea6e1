#include "core/NumberText.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <system_error>

#include "core/PowersOfTen.h"

namespace metalweight {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Where the leading number of a text stands, and the order of magnitude of its first
// significant digit (value in [10^(magnitude-1), 10^magnitude)), which tells an
// overflow from an underflow when the value leaves the double range.
struct NumberSpan {
    std::size_t begin = 0;  // first character handed to the converter
    std::size_t end = 0;    // one past the last character of the number
    bool negative = false;
    bool allZero = true;
    bool exponent = false;  // an exponent part follows the digits
    long long magnitude = 0;
};

// Bounds the exponent so that adding it to a magnitude never overflows.
constexpr long long kExponentCap = 1'000'000'000'000LL;

bool scanNumber(std::string_view text, NumberSpan& span) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        span.negative = text[i] == '-';
        // The converter takes "-" but not "+".
        span.begin = text[i] == '-' ? i : i + 1;
        ++i;
    } else {
        span.begin = i;
    }

    std::size_t digits = 0;
    long long integerDigits = 0;    // integer digits from the first significant one on
    long long leadingFraction = 0;  // zeros after the point before a significant digit
    for (; i < text.size() && isDigit(text[i]); ++i, ++digits) {
        if (text[i] != '0') {
            span.allZero = false;
        }
        if (!span.allZero) {
            ++integerDigits;
        }
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        for (; i < text.size() && isDigit(text[i]); ++i, ++digits) {
            if (span.allZero) {
                if (text[i] == '0') {
                    ++leadingFraction;
                } else {
                    span.allZero = false;
                }
            }
        }
    }
    if (digits == 0) {
        return false;
    }
    span.end = i;

    // An exponent counts only when at least one digit follows the letter and its sign.
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {
            long long exponent = 0;
            for (; j < text.size() && isDigit(text[j]); ++j) {
                exponent = std::min(exponent * 10 + (text[j] - '0'), kExponentCap);
            }
            span.end = j;
            span.exponent = true;
            span.magnitude = negativeExponent ? -exponent : exponent;
        }
    }
    span.magnitude += integerDigits > 0 ? integerDigits : -leadingFraction;
    return true;
}

// Fifteen significant digits of a weight, as decimal characters, and the power of ten of
// the first.
constexpr int kSignificant = 15;
using Significand = std::array<char, kSignificant>;

void fifteenDigitsByConversion(double weight, Significand& significand, int& exponent) {
    std::array<char, 40> scientific{};  // d.dddddddddddddde±x
    const auto result = std::to_chars(scientific.data(), scientific.data() + scientific.size(),
                                      weight, std::chars_format::scientific, kSignificant - 1);
    assert(result.ec == std::errc());
    significand[0] = scientific[0];
    std::copy_n(scientific.data() + 2, kSignificant - 1, significand.data() + 1);
    const char* at = scientific.data() + kSignificant + 1;  // the 'e'
    assert(*at == 'e');
    const bool negativeExponent = at[1] == '-';
    exponent = 0;
    for (at += 2; at < result.ptr; ++at) {
        exponent = exponent * 10 + (*at - '0');
    }
    exponent = negativeExponent ? -exponent : exponent;
}

// The same digits by exact integer arithmetic, as a fifteen-digit number, for the weights
// a section has (10^-4 up to 10^15); false for others. The weight is m·2^e with a 53-bit
// m, so weight·10^k for the k that gives fifteen digits before the point is m·10^k (below
// 2^117) shifted right by −e: the shifted-out bits say exactly how to round, and an exact
// half goes to the even digit, as the conversion above does.
bool fifteenDigitsExactly(double weight, std::uint64_t& digits, int& exponent) {
    __extension__ using Wide = unsigned __int128;
    constexpr std::uint64_t kLowest = kPowersOfTen[kSignificant - 1];
    constexpr std::uint64_t kBeyond = kPowersOfTen[kSignificant];
    if (!(weight >= 1e-4 && weight < 1e15)) {
        return false;
    }
    const auto bits = std::bit_cast<std::uint64_t>(weight);
    const std::uint64_t m = (bits & ((1ULL << 52) - 1)) | (1ULL << 52);
    const int shift = 1075 - static_cast<int>(bits >> 52);  // −e, from 3 to 66 here
    // The weight lies in [2^(52−shift), 2^(53−shift)): a first guess of its power of ten,
    // then put right by the digits it gives.
    int power = ((52 - shift) * 78913) >> 18;
    for (;;) {
        const int k = kSignificant - 1 - power;
        if (k < 0 || k >= static_cast<int>(kPowersOfTen.size())) {
            return false;
        }
        const Wide scaled = static_cast<Wide>(m) * kPowersOfTen[static_cast<std::size_t>(k)];
        digits = static_cast<std::uint64_t>(scaled >> shift);
        if (digits >= kBeyond) {
            ++power;
        } else if (digits < kLowest) {
            --power;
        } else {
            const Wide half = static_cast<Wide>(1) << (shift - 1);
            const Wide rest = scaled & ((half << 1) - 1);
            digits += rest > half || (rest == half && (digits & 1) != 0) ? 1 : 0;
            break;
        }
    }
    if (digits == kBeyond) {  // 9.99…95 went up to 10.0…0
        digits = kLowest;
        ++power;
    }
    exponent = power;
    return true;
}

// Fifteen digits, digits × 10^(exponent − 14) with an exponent below 14, rounded to
// four decimals with halves going up, as "0.0000".
std::string withFourDecimals(std::uint64_t digits, int exponent) {
    constexpr int kDecimals = 4;
    const int places = exponent - (kSignificant - 1) + kDecimals;  // from −14 to 3
    std::uint64_t scaled = 0;                                      // in units of 10^-4
    if (places >= 0) {
        scaled = digits * kPowersOfTen[static_cast<std::size_t>(places)];
    } else {
        const std::uint64_t unit = kPowersOfTen[static_cast<std::size_t>(-places)];
        scaled = (digits + unit / 2) / unit;
    }
    std::array<char, 32> text{};
    char* end =
        std::to_chars(text.data(), text.data() + text.size(), scaled / kPowersOfTen[kDecimals]).ptr;
    *end++ = '.';
    std::uint64_t fraction = scaled % kPowersOfTen[kDecimals];
    for (int i = kDecimals - 1; i >= 0; --i) {
        end[i] = static_cast<char>('0' + fraction % 10);
        fraction /= 10;
    }
    return {text.data(), end + kDecimals};
}

// The value of a number of at most fifteen digits without an exponent, the way a field
// mostly holds one ("57", "3.5"); nothing for others. Its digits make a whole number
// below 2^53 and its decimals a power of ten up to 10^22, both exact as doubles, so one
// correctly rounded division gives the nearest double, as the converter would.
std::optional<double> readShortDecimal(std::string_view text, const NumberSpan& span) {
    if (span.exponent) {
        return std::nullopt;
    }
    std::uint64_t whole = 0;
    int digits = 0;
    int decimals = 0;
    bool point = false;
    for (std::size_t i = span.begin + (span.negative ? 1 : 0); i < span.end; ++i) {
        if (text[i] == '.') {
            point = true;
            continue;
        }
        whole = whole * 10 + static_cast<std::uint64_t>(text[i] - '0');
        ++digits;
        decimals += point ? 1 : 0;
        if (digits > 15) {
            return std::nullopt;
        }
    }
    const double value =
        static_cast<double>(whole) / kExactDoublePowers[static_cast<std::size_t>(decimals)];
    return span.negative ? -value : value;
}

}  // namespace

double readLeadingNumber(std::string_view text) {
    NumberSpan span;
    if (!scanNumber(text, span)) {
        return 0.0;
    }
    if (const std::optional<double> value = readShortDecimal(text, span)) {
        return *value;
    }
    double value = 0.0;
    const char* first = text.data() + span.begin;
    const char* last = text.data() + span.end;
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // A first significant digit at 10^0 or above means the value is too large.
        const double magnitude =
            span.magnitude >= 1 ? std::numeric_limits<double>::infinity() : 0.0;
        return span.negative ? -magnitude : magnitude;
    }
    assert(ec == std::errc() && ptr == last);
    (void)ptr;
    return value;
}

std::string formatWeight(double weight) {
    assert(std::isfinite(weight) && weight >= 0.0);
    constexpr int kDecimals = 4;

    // Fifteen significant digits, correctly rounded: digits × 10^(exponent − 14).
    std::uint64_t digits = 0;
    int exponent = 0;
    if (fifteenDigitsExactly(weight, digits, exponent) && exponent < kSignificant - 1) {
        return withFourDecimals(digits, exponent);
    }
    Significand significand{};
    fifteenDigitsByConversion(weight, significand, exponent);

    // The weight times 10^4, as decimal digits: keep the digits down to the fourth
    // decimal, then round on the next one. Written after a few characters of room for a
    // carry and the zeros in front of a small weight.
    std::array<char, 8 + 330> room{};
    char* scaled = room.data() + 8;
    std::size_t length = 0;
    const int keep = exponent + 1 + kDecimals;
    if (keep > 0) {
        const auto kept = static_cast<std::size_t>(std::min(keep, kSignificant));
        std::copy_n(significand.data(), kept, scaled);
        std::fill_n(scaled + kept, static_cast<std::size_t>(keep) - kept, '0');
        length = static_cast<std::size_t>(keep);
    }
    char roundingDigit = '0';
    if (keep >= 0 && keep < kSignificant) {
        roundingDigit = significand[static_cast<std::size_t>(keep)];
    }
    if (roundingDigit >= '5') {
        std::size_t digit = length;
        for (; digit > 0 && scaled[digit - 1] == '9'; --digit) {
            scaled[digit - 1] = '0';
        }
        if (digit == 0) {
            *--scaled = '1';
            ++length;
        } else {
            ++scaled[digit - 1];
        }
    }
    for (; length < kDecimals + 1; ++length) {
        *--scaled = '0';
    }
    std::string text(length + 1, '.');
    std::copy_n(scaled, length - kDecimals, text.data());
    std::copy_n(scaled + length - kDecimals, kDecimals, text.data() + length - kDecimals + 1);
    return text;
}

std::string presetText(double value) {
    // Room for any double in fixed notation (about 330 characters at the extremes).
    std::array<char, 512> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    assert(result.ec == std::errc());
    return {buffer.data(), result.ptr};
}

}  // namespace metalweight
