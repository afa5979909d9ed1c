#include "app/activity_progress_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "app/widget_test_support.h"

namespace vantrel::test {
namespace {

class ActivityProgressDialogTest : public testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    void SetUp() override {
        dialog_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog_));
    }

    template <class Widget>
    Widget& Part(const char* name) {
        return *dialog_.findChild<Widget*>(QString::fromLatin1(name));
    }

    QWidget window_;
    ActivityProgressDialog dialog_{&window_};
};

TEST_F(ActivityProgressDialogTest, EveryWayOfStoppingAsksOnceAndLeavesTheDialogUp) {
    const struct {
        const char* way;
        std::function<void(ActivityProgressDialog&)> stop;
    } ways[] = {
        {"Cancel",
         [](ActivityProgressDialog& dialog) {
             QTest::mouseClick(dialog.findChild<QPushButton*>("cancel"), Qt::LeftButton);
         }},
        {"Escape",
         [](ActivityProgressDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }},
        {"close button", [](ActivityProgressDialog& dialog) { dialog.close(); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        ActivityProgressDialog dialog(&window_);
        dialog.show();
        QSignalSpy stops(&dialog, &ActivityProgressDialog::stopRequested);
        way.stop(dialog);
        way.stop(dialog);
        EXPECT_EQ(stops.count(), 1);
        EXPECT_TRUE(dialog.isVisible()) << "the activity closes the dialog, not the user";
        auto& cancel = *dialog.findChild<QPushButton*>("cancel");
        EXPECT_FALSE(cancel.isEnabled());
        EXPECT_EQ(cancel.text(), QString("正在停止…"));
    }
}

TEST_F(ActivityProgressDialogTest, StaysInFrontOfTheWindowWithoutBlockingIt) {
    // A window behind a modal dialog cannot be closed from its title bar.
    EXPECT_EQ(dialog_.windowModality(), Qt::NonModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(dialog_.parentWidget(), &window_);
}

TEST_F(ActivityProgressDialogTest, ShowsTheLinesAndABusyBarWhileTheSizeIsUnknown) {
    dialog_.Display({.title = "下载",
                     .step = "第 2 / 10 章 · 正在下载音频…",
                     .chapter = "第 201 章「第201集」",
                     .transfer = "256.0 KB / 1.0 MB · 剩余 0:06",
                     .rate = "速度 128.0 KB/s",
                     .permille = 250});
    EXPECT_EQ(dialog_.windowTitle(), QString("下载"));
    EXPECT_EQ(Part<QLabel>("step").text(), QString("第 2 / 10 章 · 正在下载音频…"));
    EXPECT_EQ(Part<QLabel>("chapter").text(), QString("第 201 章「第201集」"));
    EXPECT_EQ(Part<QLabel>("transfer").text(), QString("256.0 KB / 1.0 MB · 剩余 0:06"));
    EXPECT_EQ(Part<QLabel>("rate").text(), QString("速度 128.0 KB/s"));
    auto& bar = Part<QProgressBar>("bar");
    EXPECT_EQ(bar.value() * 4, bar.maximum());

    dialog_.Display({.permille = -1});
    EXPECT_EQ(bar.maximum(), 0) << "not a busy bar";
}

TEST_F(ActivityProgressDialogTest, ALongChapterNameDoesNotWidenTheDialog) {
    const QSize size = dialog_.size();
    const QString name = QString("第 1 章「") + QString(200, QChar(u'长')) + "尾」";
    dialog_.Display({.chapter = name});
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog_.size(), size);
    EXPECT_EQ(Part<QLabel>("chapter").text(), name) << "the label keeps the whole";
}

}  // namespace
}  // namespace vantrel::test
