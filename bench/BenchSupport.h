#pragma once
// Timing and memory figures for the benchmarks.
#include <chrono>
#include <cstdint>
#include <string>

namespace ballforge::bench {

/// Runs f n times and answers the best time in seconds.
template <typename F> double BestOf(int n, F&& f) {
    double best = 1e300;
    for (int i = 0; i < n; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        f();
        const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        if (s < best) best = s;
    }
    return best;
}

/// Peak resident memory of this process so far, in bytes (0 where the platform does not tell).
std::uint64_t PeakMemory();
/// Resets the peak counter where the platform allows it (Linux); answers whether it could.
bool ResetPeakMemory();
/// Current resident memory in bytes.
std::uint64_t CurrentMemory();

std::string Ratio(double value, double baseline);
std::string Megabytes(std::uint64_t bytes);

} // namespace ballforge::bench
