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

// 10^0 to 10^22, every power of ten a double holds exactly: a whole number below 2^53
// divided by one of them is the correctly rounded value of a short decimal.
inline constexpr std::array<double, 23> kExactDoublePowers = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

}  // namespace metalweight
