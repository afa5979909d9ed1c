#include "app/message_boxes.h"

#include <QMessageBox>

#include "app/qt_text.h"

namespace vantrel {

namespace {

// The program's texts end their lines with CR LF; a Qt label breaks lines at LF alone.
QString BoxText(const Text& text) {
    return TextToQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void ShowApplicationModalBox(QMessageBox::Icon icon, const QString& caption, const Text& text) {
    QMessageBox box(icon, caption, BoxText(text), QMessageBox::Ok);
    // Messages come from web pages too; markup in them is shown, not interpreted.
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace

void ShowInformationBox(const Text& text) {
    ShowApplicationModalBox(QMessageBox::NoIcon, QStringLiteral("信息："), text);
}

void ShowFatalErrorBox(const Text& report) {
    ShowApplicationModalBox(QMessageBox::Critical, QStringLiteral("错误"), report);
}

}  // namespace vantrel
