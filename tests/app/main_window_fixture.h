#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/widget_test_support.h"
#include "text/code_page.h"
#include "workflow/site.h"

namespace vantrel::test {

// A shown, active main window whose buttons record what the workflows would have read:
// the address for 查询, the two chapter numbers for 下载.
class MainWindowTest : public testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    void SetUp() override {
        window_ = std::make_unique<MainWindow>(
            Site{.webHost = Text("127.0.0.1:8080"),
                 .mediaHost = Text("127.0.0.1:8081"),
                 .downloadFolder = "/nonexistent/yousheng"},
            MainWindowHandlers{
                .query = [this](BookView& view, const Site&) { RecordQuery(view); },
                .download = [this](BookView& view, const Site&) { RecordDownload(view); }});
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    template <class Control = QWidget>
    Control& Find(const char* name) {
        auto* control = window_->findChild<Control*>(QString::fromUtf8(name));
        if (!control) throw std::runtime_error(std::string("no control ") + name);
        return *control;
    }

    std::unique_ptr<MainWindow> window_;
    std::vector<std::string> clicks_;

private:
    void RecordQuery(BookView& view) {
        clicks_.push_back("query " + TextToUtf8(view.ReadEditText(EditBox::kAddress)));
    }

    void RecordDownload(BookView& view) {
        clicks_.push_back("download " + TextToUtf8(view.ReadEditText(EditBox::kFirstChapter)) +
                          ".." + TextToUtf8(view.ReadEditText(EditBox::kEndChapter)));
    }
};

}  // namespace vantrel::test
