#include "workflow/download_report.h"

#include <gtest/gtest.h>

#include "support/text_literals.h"

namespace vantrel {
namespace {

using test::G;

TEST(DownloadReport, SaysCompleteOnlyWhenEveryChapterWasSaved) {
    DownloadReport report;
    EXPECT_EQ(report.ClosingMessage(), G("下载完成"));
    report.Saved(1, G("第1集"));
    EXPECT_EQ(report.ClosingMessage(), G("下载完成"));
}

TEST(DownloadReport, ListsEachFailureWithItsReason) {
    DownloadReport report;
    report.Saved(1, G("第1集"));
    report.Failed(2, G("第2集"), G("HTTP 404"));
    report.NotListed(3, 1);
    report.NotListed(10, 2147483637);
    EXPECT_EQ(report.Summary(), G("下载结束：成功 1 章，失败 2147483639 章"));
    EXPECT_EQ(report.ClosingMessage(), G("下载结束：成功 1 章，失败 2147483639 章\n"
                                         "第 2 章「第2集」：HTTP 404\n"
                                         "第 3 章：列表中没有此章\n"
                                         "第 10 至 2147483646 章：列表中没有此章"));
}

TEST(DownloadReport, NamesTheSavedChaptersWhenStopped) {
    DownloadReport report;
    report.Saved(1, G("第1集"));
    report.Stopped();
    EXPECT_EQ(report.ClosingMessage(), G("下载已停止：成功 1 章，失败 0 章\n第 1 章「第1集」"));
}

}  // namespace
}  // namespace vantrel
