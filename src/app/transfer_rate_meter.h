#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

namespace vantrel {

// The speed of an activity's transfers, smoothed so that the figures a person reads neither
// jump with every burst of packets nor lag far behind a real change of pace.
class TransferRateMeter {
public:
    using Clock = std::chrono::steady_clock;

    // bytesSoFar counts every byte of the activity so far and never goes down.

    // Starts measuring afresh from here: no speed is known until an interval has passed.
    void Restart(std::int64_t bytesSoFar, Clock::time_point now);
    // Samples closer together than the measuring interval are left for the next one.
    void Sample(std::int64_t bytesSoFar, Clock::time_point now);

    // Bytes per second; empty until one interval has been measured.
    std::optional<double> bytesPerSecond() const { return bytesPerSecond_; }

private:
    std::int64_t intervalBytes_ = 0;
    Clock::time_point intervalStart_{};
    std::optional<double> bytesPerSecond_;
};

}  // namespace vantrel
