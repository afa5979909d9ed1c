#include "app/widget_test_support.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

namespace vantrel::test {

void UseOffscreenPlatformUnlessChosen() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

void EnsureApplication() {
    if (QApplication::instance()) return;
    UseOffscreenPlatformUnlessChosen();
    static int argc = 1;
    static char programName[] = "app_tests";
    static char* argv[] = {programName, nullptr};
    new QApplication(argc, argv);  // lives as long as the test program
}

void AnswerNextMessageBox(std::function<void(QMessageBox&)> inspect) {
    // Runs inside the box's own event loop, which starts once the box is shown.
    QTimer::singleShot(0, [inspect = std::move(inspect)] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            ADD_FAILURE() << "no message box is showing";
            QCoreApplication::exit();
            return;
        }
        inspect(*box);
        box->button(QMessageBox::Ok)->click();
    });
}

MessageBoxAnswerer::MessageBoxAnswerer() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        boxes_.push_back({box->text(), box->detailedText()});
        box->button(QMessageBox::Ok)->click();
    });
    timer_.start();
}

std::vector<QString> MessageBoxAnswerer::texts() const {
    std::vector<QString> texts;
    for (const Answered& box : boxes_) texts.push_back(box.text);
    return texts;
}

ActivityProgressDialog* ShownProgressDialog() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<ActivityProgressDialog*>(window);
        if (dialog && dialog->isVisible()) return dialog;
    }
    return nullptr;
}

}  // namespace vantrel::test
