#pragma once

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <functional>

namespace metalweight {

// How the time of `work` grows from an input of size / 64 to one of `size`. Linear work
// grows about 64 times and quadratic work about 4096 times, so a limit of eight times
// linear lies a factor of eight from both. The sizes take turns, and each keeps the best
// of its runs: a busy machine slows some runs of both sizes, rarely all runs of one,
// and a verdict must not change with the machine's load.
inline constexpr std::size_t kGrowthStep = 64;
inline constexpr double kLinearGrowthLimit = 8.0 * kGrowthStep;

inline double growthOverInput(const std::function<void(std::size_t)>& work, std::size_t size) {
    using Clock = std::chrono::steady_clock;
    const auto timed = [&work](std::size_t n) {
        const auto start = Clock::now();
        work(n);
        return Clock::now() - start;
    };
    auto small = Clock::duration::max();
    auto large = Clock::duration::max();
    for (int run = 0; run < 9; ++run) {
        small = std::min(small, timed(size / kGrowthStep));
        large = std::min(large, timed(size));
    }
    const double smallSeconds = std::chrono::duration<double>(small).count();
    const double largeSeconds = std::chrono::duration<double>(large).count();
    return largeSeconds / std::max(smallSeconds, 1e-9);
}

}  // namespace metalweight
