#include "app/transfer_rate_meter.h"

#include <cmath>

namespace vantrel {

namespace {

using Seconds = std::chrono::duration<double>;

// Long enough for several network reads to land in one interval, short enough that the
// first figure appears while a person is still looking.
constexpr Seconds kInterval(0.5);
// How quickly the figure follows a change of pace: after this long, about two thirds of
// the way.
constexpr Seconds kSmoothing(2.0);

}  // namespace

void TransferRateMeter::Restart(std::int64_t bytesSoFar, Clock::time_point now) {
    intervalBytes_ = bytesSoFar;
    intervalStart_ = now;
    bytesPerSecond_.reset();
}

void TransferRateMeter::Sample(std::int64_t bytesSoFar, Clock::time_point now) {
    const Seconds elapsed = now - intervalStart_;
    if (elapsed < kInterval) return;
    const double measured = static_cast<double>(bytesSoFar - intervalBytes_) / elapsed.count();
    // Weighing by the interval's length keeps the smoothing the same however irregularly
    // the samples come.
    const double weight = 1.0 - std::exp(-elapsed / kSmoothing);
    bytesPerSecond_ =
        bytesPerSecond_ ? *bytesPerSecond_ + weight * (measured - *bytesPerSecond_) : measured;
    intervalBytes_ = bytesSoFar;
    intervalStart_ = now;
}

}  // namespace vantrel
