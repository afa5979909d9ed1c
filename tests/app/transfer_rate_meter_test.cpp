#include "app/transfer_rate_meter.h"

#include <gtest/gtest.h>

namespace vantrel::test {
namespace {

using namespace std::chrono_literals;

class TransferRateMeterTest : public testing::Test {
protected:
    TransferRateMeterTest() { meter_.Restart(0, now_); }

    // Moves the clock on by step and samples what has arrived by then.
    void After(std::chrono::milliseconds step, std::int64_t bytesSoFar) {
        now_ += step;
        meter_.Sample(bytesSoFar, now_);
    }

    TransferRateMeter meter_;
    TransferRateMeter::Clock::time_point now_{};
};

TEST_F(TransferRateMeterTest, KnowsNoSpeedUntilAnIntervalHasPassed) {
    After(100ms, 50'000);
    After(300ms, 120'000);
    EXPECT_EQ(meter_.bytesPerSecond(), std::nullopt);
    After(100ms, 150'000);
    ASSERT_TRUE(meter_.bytesPerSecond());
    EXPECT_DOUBLE_EQ(*meter_.bytesPerSecond(), 300'000.0);
}

TEST_F(TransferRateMeterTest, ASteadyPaceReadsAsItIsHoweverOftenItIsSampled) {
    std::int64_t bytes = 0;
    for (int i = 0; i < 200; ++i) After(7ms, bytes += 700);  // 100 KB/s, sampled unevenly
    for (int i = 0; i < 5; ++i) After(900ms, bytes += 90'000);
    ASSERT_TRUE(meter_.bytesPerSecond());
    EXPECT_NEAR(*meter_.bytesPerSecond(), 100'000.0, 1.0);
}

TEST_F(TransferRateMeterTest, FollowsAChangeOfPaceSmoothly) {
    std::int64_t bytes = 0;
    for (int i = 0; i < 10; ++i) After(500ms, bytes += 50'000);  // 100 KB/s
    After(500ms, bytes += 500'000);                              // one burst at 1 MB/s
    const double afterBurst = meter_.bytesPerSecond().value();
    EXPECT_GT(afterBurst, 100'000.0);
    EXPECT_LT(afterBurst, 400'000.0) << "one burst swung the figure";

    for (int i = 0; i < 20; ++i) After(500ms, bytes += 500'000);  // the pace stays high
    EXPECT_NEAR(meter_.bytesPerSecond().value(), 1'000'000.0, 20'000.0);
}

TEST_F(TransferRateMeterTest, RestartForgetsTheSpeedAndTheTimeBefore) {
    After(500ms, 50'000);
    ASSERT_TRUE(meter_.bytesPerSecond());
    now_ += 10s;  // say, behind a message box
    meter_.Restart(50'000, now_);
    EXPECT_EQ(meter_.bytesPerSecond(), std::nullopt);
    After(500ms, 100'000);
    EXPECT_DOUBLE_EQ(meter_.bytesPerSecond().value(), 100'000.0);
}

}  // namespace
}  // namespace vantrel::test
