#pragma once

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <functional>

namespace metalweight {

// How much longer `work` takes on eight times the input: the best of five runs at each
// size, measured in the same run of the test. Linear work gives about 8, quadratic work
// about 64, whatever the machine's speed or load; tests accept up to three times linear.
inline double growthOverEightfoldInput(const std::function<void(std::size_t)>& work,
                                       std::size_t size) {
    const auto best = [&work](std::size_t n) {
        auto fastest = std::chrono::steady_clock::duration::max();
        for (int run = 0; run < 5; ++run) {
            const auto start = std::chrono::steady_clock::now();
            work(n);
            fastest = std::min(fastest, std::chrono::steady_clock::now() - start);
        }
        return std::chrono::duration<double>(fastest).count();
    };
    const double small = best(size);
    const double large = best(8 * size);
    return large / std::max(small, 1e-9);
}

inline constexpr double kLinearGrowthLimit = 24.0;

}  // namespace metalweight
