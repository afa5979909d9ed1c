#include "app/application.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QWindow>
#include <filesystem>

#include "app/app_icon.h"
#include "app/main_window.h"
#include "app/message_boxes.h"
#include "text/code_page.h"
#include "text/runtime_error.h"
#include "workflow/site.h"

namespace vantrel {

namespace {

// Fatal reports appear in a box while there is an application to show one, and go back to
// standard error once it is gone.
class FatalErrorBoxScope {
public:
    FatalErrorBoxScope() { SetRuntimeErrorPresenter(ShowFatalErrorBox); }
    ~FatalErrorBoxScope() { SetRuntimeErrorPresenter(nullptr); }
    FatalErrorBoxScope(const FatalErrorBoxScope&) = delete;
    FatalErrorBoxScope& operator=(const FatalErrorBoxScope&) = delete;
};

std::filesystem::path DownloadsDirectory() {
#ifdef Q_OS_WIN
    // The site's users have always found their chapters in d:\yousheng.
    return std::filesystem::path(u"d:\\");
#else
    QString directory = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (directory.isEmpty()) directory = QDir::home().filePath(QStringLiteral("Downloads"));
    return std::filesystem::path(directory.toStdU16String());
#endif
}

bool IsOnScreen(const QWidget& window) {
    return window.windowHandle() && window.windowHandle()->handle();
}

}  // namespace

int StartUpRoutine() { return 0; }

int RunApplication(int& argc, char** argv, ExitRoutine exitRoutine) {
    QApplication application(argc, argv);
    // Every window, the boxes included, carries the icon; the desktop file name lets the
    // desktop match the running program to its entry.
    QApplication::setWindowIcon(ApplicationIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("vantrel"));
    const FatalErrorBoxScope fatalErrorBox;
    InitGlobals();
    RegisterExitRoutine(exitRoutine);
    StartUpRoutine();

    MainWindow window(SiteFromEnvironment(DownloadsDirectory()));
    window.show();
    if (!IsOnScreen(window)) ReportRuntimeError(std::nullopt, Utf8ToText("载入启动窗口失败"));

    application.exec();
    return 0;
}

}  // namespace vantrel
