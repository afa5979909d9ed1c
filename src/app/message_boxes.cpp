#include "app/message_boxes.h"

#include <QMessageBox>

#include "app/qt_text.h"

namespace vantrel {

namespace {

// The program's texts end their lines with CR LF; a Qt label breaks lines at LF alone.
QString BoxText(const Text& text) {
    return TextToQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// A closing summary names every chapter that failed, which can be hundreds: the box shows
// the first lines and keeps the whole behind its details button, where it scrolls.
constexpr int kShownLines = 12;

void SetBoxText(QMessageBox& box, const QString& text) {
    const QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() <= kShownLines) {
        box.setText(text);
        return;
    }
    const QString more = QStringLiteral("…… 另有 %1 行").arg(lines.size() - kShownLines);
    box.setText(lines.first(kShownLines).join(QLatin1Char('\n')) + QLatin1Char('\n') + more);
    box.setDetailedText(text);
}

void ShowApplicationModalBox(QMessageBox::Icon icon, const QString& caption, const Text& text) {
    QMessageBox box(icon, caption, QString(), QMessageBox::Ok);
    // Messages come from web pages too; markup in them is shown, not interpreted.
    box.setTextFormat(Qt::PlainText);
    SetBoxText(box, BoxText(text));
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
