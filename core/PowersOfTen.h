#pragma once

#include <array>
#include <cstdint>

namespace metalweight {

// 10^0 to 10^19, every power of ten a 64-bit whole number holds: for making and rounding
// decimal digits with integer arithmetic.
inline constexpr std::array<std::uint64_t, 20> kPowersOfTen = [] {
    std::array<std::uint64_t, 20> powers{};
    std::uint64_t power = 1;
    for (std::uint64_t& entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}();

}  // namespace metalweight
