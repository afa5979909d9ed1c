#include "support/test_http_pacer.h"

#include <algorithm>

namespace vantrel::test {

namespace {

constexpr std::int64_t kSlicesPerSecond = 20;

std::size_t SliceSize(std::int64_t bytesPerSecond, std::size_t largestSlice) {
    if (bytesPerSecond <= 0) return largestSlice;
    return static_cast<std::size_t>(std::clamp<std::int64_t>(
        bytesPerSecond / kSlicesPerSecond, 1, static_cast<std::int64_t>(largestSlice)));
}

}  // namespace

Pacer::Pacer(std::int64_t bytesPerSecond, std::size_t largestSlice)
    : bytesPerSecond_(bytesPerSecond),
      sliceSize_(SliceSize(bytesPerSecond, largestSlice)),
      start_(Clock::now()) {}

Pacer::Clock::time_point Pacer::DueTime(std::int64_t offset) const {
    if (bytesPerSecond_ <= 0) return start_;
    const std::chrono::duration<double> elapsed(static_cast<double>(offset) /
                                                static_cast<double>(bytesPerSecond_));
    return start_ + std::chrono::duration_cast<Clock::duration>(elapsed);
}

}  // namespace vantrel::test
