#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace vantrel::test {

// Spreads a throttled body evenly over time. Slices are small enough that a client sees steady
// progress rather than one burst a second.
class Pacer {
public:
    using Clock = std::chrono::steady_clock;

    // A rate of 0 or less means no throttle: every slice is due at once and as large as allowed.
    Pacer(std::int64_t bytesPerSecond, std::size_t largestSlice);

    std::size_t sliceSize() const { return sliceSize_; }
    // When the byte at `offset` of the body may go out.
    Clock::time_point DueTime(std::int64_t offset) const;

private:
    std::int64_t bytesPerSecond_;
    std::size_t sliceSize_;
    Clock::time_point start_;
};

}  // namespace vantrel::test
