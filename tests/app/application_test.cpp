#include "app/application.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/main_window.h"
#include "app/widget_test_support.h"
#include "support/fixture_site.h"
#include "support/temporary_folder.h"
#include "text/code_page.h"
#include "text/runtime_error.h"

namespace vantrel::test {
namespace {

using testing::AllOf;
using testing::HasSubstr;
using testing::Not;

// The exit routine the runs below register in place of FreeGlobals: it is FreeGlobals,
// telling the test that it ran and what it left.
void FreeGlobalsAndReport() {
    static int runs = 0;
    FreeGlobals();
    const bool released =
        !gMediaUrlPattern && !gCategoryPattern && !gBookNamePattern && !gChapterPattern;
    std::fprintf(stderr, "exit routine run %d, patterns released %d\n", ++runs, released);
}

MainWindow* FindMainWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* mainWindow = qobject_cast<MainWindow*>(window)) return mainWindow;
    }
    return nullptr;
}

// Called by Qt while the application is being constructed, before any window exists; the
// timer fires once the message loop runs.
void CloseMainWindowOnceRunning() {
    QTimer::singleShot(0, [] {
        MainWindow* window = FindMainWindow();
        if (!window) return;
        const bool patternsReady =
            gMediaUrlPattern && gCategoryPattern && gBookNamePattern && gChapterPattern;
        const QString address =
            window->findChild<QLineEdit*>(QStringLiteral("编辑框_地址"))->text();
        const bool hasIcon = !window->windowIcon().pixmap(48).isNull();
        std::fprintf(stderr, "visible %d, patterns ready %d, icon %d, address %s\n",
                     window->isVisible(), patternsReady, hasIcon, address.toStdString().c_str());
        window->close();
    });
}

// Lists the chapters, starts downloading chapters 1 to 3, and closes the window as soon as
// the first media file is on its way; says what it saw.
void CloseMainWindowMidDownload() {
    QTimer::singleShot(0, [] {
        MainWindow* window = FindMainWindow();
        if (!window) return;
        const auto control = [window](const char* name) {
            return window->findChild<QWidget*>(QString::fromUtf8(name));
        };
        static_cast<QPushButton*>(control("按钮1"))->click();
        static_cast<QLineEdit*>(control("编辑框_起始章节"))->setText("1");
        static_cast<QLineEdit*>(control("编辑框_结束章节"))->setText("4");

        QTimer closeWhenUnderWay;
        QObject::connect(&closeWhenUnderWay, &QTimer::timeout, [&] {
            ActivityProgressDialog* dialog = ShownProgressDialog();
            if (!dialog || dialog->findChild<QProgressBar*>("bar")->value() <= 0) return;
            closeWhenUnderWay.stop();
            std::fprintf(stderr, "closing during: %s, blocked by a modal window %d\n",
                         dialog->findChild<QLabel*>("step")->text().toStdString().c_str(),
                         QApplication::activeModalWidget() != nullptr);
            window->close();
        });
        closeWhenUnderWay.start(5);
        const MessageBoxAnswerer answerer;
        static_cast<QPushButton*>(control("按钮2"))->click();
        for (const QString& text : answerer.texts()) {
            std::fprintf(stderr, "box: %s\n", text.toStdString().c_str());
        }
        std::fprintf(stderr, "download over, window visible %d\n", window->isVisible());
    });
}

void ReportFatalErrorOnceRunning() {
    QTimer::singleShot(0, [] {
        AnswerNextMessageBox([](QMessageBox& box) {
            std::fprintf(stderr, "box '%s', critical %d, owner %d, modality %d\n%s\n",
                         box.windowTitle().toStdString().c_str(),
                         box.icon() == QMessageBox::Critical, box.parentWidget() != nullptr,
                         box.windowModality(), box.text().toStdString().c_str());
        });
        ReportRuntimeError(std::nullopt, Utf8ToText("载入启动窗口失败"));
    });
}

int RunApplicationWith(void (*onceConstructed)()) {
    UseOffscreenPlatformUnlessChosen();
    qAddPreRoutine(onceConstructed);
    static int argc = 1;
    static char programName[] = "vantrel";
    static char* argv[] = {programName, nullptr};
    return RunApplication(argc, argv, FreeGlobalsAndReport);
}

class ApplicationDeathTest : public testing::Test {
protected:
    // Each run needs a process of its own without the other tests' application in it.
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(ApplicationDeathTest, StartAndCloseRunsFreeGlobalsOnce) {
    EXPECT_EXIT(
        {
            setenv("VANTREL_WEB_HOST", "127.0.0.1:9", 1);
            std::exit(RunApplicationWith(CloseMainWindowOnceRunning));
        },
        testing::ExitedWithCode(0),
        AllOf(HasSubstr("visible 1, patterns ready 1, icon 1, "
                        "address https://127.0.0.1:9/yousheng/disp_27417.htm\n"),
              HasSubstr("exit routine run 1, patterns released 1\n"),
              Not(HasSubstr("exit routine run 2"))));
}

std::string FilesIn(const std::filesystem::path& folder) {
    std::string names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names += entry.path().filename().string() + " ";
    }
    return names;
}

TEST_F(ApplicationDeathTest, ClosingDuringADownloadStopsItAndEndsNormally) {
    EXPECT_EXIT(
        {
            int exitCode = 0;
            {
                const TemporaryFolder home;
                FixtureSite site(SampleBook(3, 4.0));
                site.ThrottleMedia(16'000);
                setenv("VANTREL_WEB_HOST", site.webHost().c_str(), 1);
                setenv("VANTREL_MEDIA_HOST", site.mediaHost().c_str(), 1);
                // Chapters go to the download directory in here.
                setenv("HOME", home.path().c_str(), 1);
                setenv("XDG_CONFIG_HOME", (home.path() / ".config").c_str(), 1);
                exitCode = RunApplicationWith(CloseMainWindowMidDownload);
                std::fprintf(stderr, "media requests %zu, files left: %s\n",
                             site.MediaRequests().size(),
                             FilesIn(home.path() / "Downloads" / "yousheng").c_str());
            }
            std::exit(exitCode);
        },
        testing::ExitedWithCode(0),
        // No box after the close: nobody is there to answer it.
        AllOf(HasSubstr("closing during: 第 1 / 3 章 · 正在下载音频…, "
                        "blocked by a modal window 0\n"
                        "box: 假\n"
                        "download over, window visible 0\n"
                        "media requests 1, files left: \n"),
              HasSubstr("exit routine run 1, patterns released 1\n"),
              Not(HasSubstr("exit routine run 2"))));
}

TEST_F(ApplicationDeathTest, FatalErrorShowsTheErrorBoxAndSkipsFreeGlobals) {
    EXPECT_EXIT(std::exit(RunApplicationWith(ReportFatalErrorOnceRunning)),
                testing::ExitedWithCode(255),
                AllOf(HasSubstr("box '错误', critical 1, owner 0, modality 2\n"
                                "运行时出错!\n\n错误信息：载入启动窗口失败\n"),
                      Not(HasSubstr("exit routine run"))));
}

void SayFirst() { std::fputs("first\n", stderr); }
void SaySecond() { std::fputs("second\n", stderr); }

TEST_F(ApplicationDeathTest, ExitRoutinesRunOnceEachInTheOrderRegistered) {
    EXPECT_EXIT(
        {
            RegisterExitRoutine(SayFirst);
            RegisterExitRoutine(SaySecond);
            RegisterExitRoutine(SayFirst);
            std::exit(0);
        },
        testing::ExitedWithCode(0), "^first\nsecond\n$");
}

}  // namespace
}  // namespace vantrel::test
