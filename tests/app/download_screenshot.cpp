// Saves a picture of the main window downloading a book from a local copy of the site, the
// progress dialog in front, for the README:
//   xvfb-run -a -s "-screen 0 1024x768x24" download_screenshot docs/download-in-progress.png
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "app/activity_progress_dialog.h"
#include "app/app_icon.h"
#include "app/main_window.h"
#include "support/fixture_site.h"
#include "support/temporary_folder.h"
#include "workflow/globals.h"

namespace {

using vantrel::ActivityProgressDialog;

// Slow enough to catch a chapter half-way, with the speed already measured.
constexpr int kChapters = 12;
constexpr double kSecondsPerChapter = 6.0;
constexpr std::int64_t kMediaBytesPerSecond = 40'000;
const QString kPictureStep = QStringLiteral("第 2 / 6 章 · 正在下载音频…");

template <class Control>
Control& Find(const QWidget& window, const char* name) {
    return *window.findChild<Control*>(QString::fromUtf8(name));
}

bool IsTheMoment(const ActivityProgressDialog& dialog) {
    return dialog.findChild<QLabel*>(QStringLiteral("step"))->text() == kPictureStep &&
           dialog.findChild<QProgressBar*>(QStringLiteral("bar"))->value() >= 400;
}

// The screen as it shows the window, so the dialog in front is in the picture too.
bool SaveScreenOf(QWidget& window, const QString& file) {
    window.repaint();
    for (QWidget* dialog : window.findChildren<ActivityProgressDialog*>()) dialog->repaint();
    const QRect area = window.frameGeometry();
    return window.screen()
        ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .save(file);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: download_screenshot <file.png>\n", stderr);
        return 2;
    }
    const QString file = QString::fromLocal8Bit(argv[1]);
    QApplication::setWindowIcon(vantrel::ApplicationIcon());
    vantrel::InitGlobals();
    vantrel::test::FixtureSite site(vantrel::test::SampleBook(kChapters, kSecondsPerChapter));
    site.ThrottleMedia(kMediaBytesPerSecond);
    const vantrel::test::TemporaryFolder downloads;
    vantrel::MainWindow window(vantrel::Site{
        .webHost = vantrel::Text(site.webHost()),
        .mediaHost = vantrel::Text(site.mediaHost()),
        .downloadFolder = downloads.path() / vantrel::kDownloadFolderName,
    });
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;

    bool saved = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box) box->button(QMessageBox::Ok)->click();
        auto* dialog = window.findChild<ActivityProgressDialog*>();
        if (!dialog || !dialog->isVisible() || !IsTheMoment(*dialog)) return;
        watcher.stop();
        saved = SaveScreenOf(window, file);
        window.close();  // stops the download and ends the program
    });
    QTimer::singleShot(0, [&] {
        Find<QPushButton>(window, "按钮1").click();
        Find<QLineEdit>(window, "编辑框_起始章节").setText(QStringLiteral("3"));
        Find<QLineEdit>(window, "编辑框_结束章节").setText(QStringLiteral("9"));
        watcher.start(20);
        Find<QPushButton>(window, "按钮2").click();
    });
    application.exec();
    vantrel::FreeGlobals();
    return saved ? 0 : 1;
}
