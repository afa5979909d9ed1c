// Saves a picture of the main window as it starts, for the README:
//   xvfb-run -a -s "-screen 0 1024x768x24" main_window_screenshot docs/main-window.png
#include <QApplication>
#include <QTest>
#include <cstdio>

#include "app/main_window.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: main_window_screenshot <file.png>\n", stderr);
        return 2;
    }
    vantrel::MainWindow window(vantrel::SiteFromEnvironment("/nonexistent"));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
