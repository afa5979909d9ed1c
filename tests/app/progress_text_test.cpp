#include "app/progress_text.h"

#include <gtest/gtest.h>

#include "app/widget_test_support.h"
#include "support/text_literals.h"

namespace vantrel::test {
namespace {

TEST(ProgressTextTest, ByteCounts) {
    const struct {
        std::int64_t bytes;
        const char* text;
    } cases[] = {
        {0, "0 B"},
        {1023, "1023 B"},
        {1024, "1.0 KB"},
        {1536, "1.5 KB"},
        {1024 * 1024 - 1, "1.0 MB"},  // not "1024.0 KB"
        {10 * 1024 * 1024 + 300 * 1024, "10.3 MB"},
        {5LL << 30, "5.0 GB"},
        {3LL << 50, "3072.0 TB"},  // the largest unit goes on counting
    };
    for (const auto& c : cases) EXPECT_EQ(ByteCountText(c.bytes), QString(c.text)) << c.bytes;
}

TEST(ProgressTextTest, DurationsRoundUpAndSayDashWhenUnknown) {
    const struct {
        std::optional<double> seconds;
        const char* text;
    } cases[] = {
        {0.0, "0:00"},
        {0.2, "0:01"},
        {59.5, "1:00"},
        {61, "1:01"},
        {3599, "59:59"},
        {3600, "1:00:00"},
        {3600 * 25 + 65, "25:01:05"},
        {std::nullopt, "—"},
        {-1, "—"},
        {100.0 * 3600, "—"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DurationText(c.seconds), QString(c.text)) << c.seconds.value_or(-99);
    }
}

TEST(ProgressTextTest, TimeLeftNeedsTheSizeAndASpeed) {
    EXPECT_EQ(SecondsLeft({.received = 1000, .total = 5000}, 500.0), 8.0);
    EXPECT_EQ(SecondsLeft({.received = 6000, .total = 5000}, 500.0), 0.0);
    EXPECT_EQ(SecondsLeft({.received = 1000, .total = -1}, 500.0), std::nullopt);
    EXPECT_EQ(SecondsLeft({.received = 1000, .total = 5000}, std::nullopt), std::nullopt);
    EXPECT_EQ(SecondsLeft({.received = 1000, .total = 5000}, 0.0), std::nullopt);
}

TEST(ProgressTextTest, TheQuerySaysItFetchesTheCataloguePage) {
    const ProgressLines lines =
        DescribeProgress(ActivityProgress{.transfer = {.received = 2048, .total = -1}}, {});
    EXPECT_EQ(lines.title, QString("查询"));
    EXPECT_EQ(lines.step, QString("正在获取目录页…"));
    EXPECT_EQ(lines.chapter, QString());
    EXPECT_EQ(lines.transfer, QString("2.0 KB · 剩余 —"));
    EXPECT_EQ(lines.rate, QString("速度 —"));
    EXPECT_EQ(lines.permille, -1);
}

TEST(ProgressTextTest, TheDownloadNamesTheChapterAndItsPlaceInTheRange) {
    ActivityProgress progress{.stage = ActivityProgress::Stage::kMediaFile,
                              .chapterOrdinal = 2,
                              .chapterCount = 10,
                              .chapterNumber = 201,
                              .chapterName = G("第201集 <b>"),
                              .transfer = {.received = 256 * 1024, .total = 1024 * 1024}};
    ProgressLines lines = DescribeProgress(progress, 128.0 * 1024);
    EXPECT_EQ(lines.title, QString("下载"));
    EXPECT_EQ(lines.step, QString("第 2 / 10 章 · 正在下载音频…"));
    EXPECT_EQ(lines.chapter, QString("第 201 章「第201集 <b>」"));
    EXPECT_EQ(lines.transfer, QString("256.0 KB / 1.0 MB · 剩余 0:06"));
    EXPECT_EQ(lines.rate, QString("速度 128.0 KB/s"));
    EXPECT_EQ(lines.permille, 250);

    progress.stage = ActivityProgress::Stage::kPlayPage;
    progress.transfer = {.received = 0, .total = 0};
    lines = DescribeProgress(progress, std::nullopt);
    EXPECT_EQ(lines.step, QString("第 2 / 10 章 · 正在获取播放页…"));
    EXPECT_EQ(lines.permille, -1) << "an empty answer has no proportion to show";
}

TEST(ProgressTextTest, ProgressOfHugeFilesDoesNotOverflow) {
    const TransferProgress transfer{.received = 3LL << 60, .total = 1LL << 62};
    EXPECT_EQ(DescribeProgress(ActivityProgress{.transfer = transfer}, {}).permille, 750);
}

}  // namespace
}  // namespace vantrel::test
