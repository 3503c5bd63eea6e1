#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace metalweight::bom {

// How many line ends ("\n") `text` holds. Eight bytes at a time: std::count goes byte by
// byte, and every block of a list is counted.
inline std::size_t countLineEnds(std::string_view text) {
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    constexpr std::uint64_t kLineEnds = 0x0A0A0A0A0A0A0A0AULL;
    const char* at = text.data();
    std::size_t left = text.size();
    std::size_t count = 0;
    for (; left >= 8; left -= 8, at += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, at, sizeof word);
        const std::uint64_t x = word ^ kLineEnds;  // a zero byte where there was a line end
        // The high bit of each byte that is zero, exactly: no carry crosses a byte.
        const std::uint64_t zero = ~(((x & kLow7) + kLow7) | x | kLow7);
        // Those bits added up in the top byte: std::popcount would be a library call
        // without the POPCNT instruction, which a build for any x86-64 cannot assume.
        count += static_cast<std::size_t>(((zero >> 7) * 0x0101010101010101ULL) >> 56);
    }
    for (; left > 0; --left, ++at) {
        count += *at == '\n' ? 1 : 0;
    }
    return count;
}

}  // namespace metalweight::bom
