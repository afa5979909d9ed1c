#include "app/main_window.h"

#include <QCloseEvent>
#include <QScreen>
#include <QStyle>
#include <limits>
#include <utility>

#include "app/qt_text.h"
#include "workflow/book_query.h"
#include "workflow/chapter_download.h"

namespace vantrel {

namespace {

// The whole window, frame included: the long-standing 500 x 364 and a status line below.
constexpr QSize kOuterSize(500, 388);

template <class Control>
Control* AddControl(QWidget* window, const char* name, QRect geometry) {
    auto* control = new Control(window);
    control->setObjectName(QString::fromUtf8(name));
    control->setGeometry(geometry);
    return control;
}

void UseBlackOnWhite(QWidget& control) {
    QPalette palette = control.palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    control.setPalette(palette);
}

void ConfigureEditBox(QLineEdit& box, const QString& text) {
    box.setMaxLength(std::numeric_limits<int>::max());
    UseBlackOnWhite(box);
    box.setText(text);
    // Show the beginning of a long address, not its end.
    box.setCursorPosition(0);
}

QString InitialCatalogueAddress(const Site& site) {
    return TextToQString(Text("https://") + site.webHost + Text("/yousheng/disp_27417.htm"));
}

}  // namespace

MainWindowHandlers WorkflowHandlers() {
    return MainWindowHandlers{.query = OnQueryClicked, .download = OnDownloadClicked};
}

MainWindow::MainWindow(Site site, MainWindowHandlers handlers)
    : site_(std::move(site)),
      handlers_(std::move(handlers)),
      标签3(AddControl<QLabel>(this, "标签3", {32, 30, 40, 32})),
      编辑框_地址(AddControl<QLineEdit>(this, "编辑框_地址", {78, 30, 288, 32})),
      按钮2(AddControl<QPushButton>(this, "按钮2", {387, 291, 80, 32})),
      标签_结束章节(AddControl<QLabel>(this, "标签_结束章节", {179, 299, 48, 24})),
      标签_起始章节(AddControl<QLabel>(this, "标签_起始章节", {27, 299, 56, 24})),
      编辑框_结束章节(AddControl<IntegerLineEdit>(this, "编辑框_结束章节", {243, 299, 80, 20})),
      编辑框_起始章节(AddControl<IntegerLineEdit>(this, "编辑框_起始章节", {87, 299, 80, 20})),
      超级列表框_下载地址(
          AddControl<ChapterListView>(this, "超级列表框_下载地址", {24, 77, 456, 200})),
      按钮1(AddControl<QPushButton>(this, "按钮1", {384, 30, 80, 32})),
      标签_状态(AddControl<ElidedLabel>(this, "标签_状态", {24, 329, 456, 20})),
      // Everything but the labels takes input, and none of it may while an activity runs.
      activity_(*this,
                {编辑框_地址, 按钮2, 编辑框_结束章节, 编辑框_起始章节, 超级列表框_下载地址, 按钮1}),
      view_(*编辑框_地址, *编辑框_起始章节, *编辑框_结束章节, 超级列表框_下载地址->chapters(),
            *标签_状态, activity_) {
    setWindowTitle(QStringLiteral("Vantrel"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    标签3->setText(QStringLiteral("地址"));
    ConfigureEditBox(*编辑框_地址, InitialCatalogueAddress(site_));
    按钮2->setText(QStringLiteral("下载"));
    标签_结束章节->setText(QStringLiteral("结束章节"));
    标签_起始章节->setText(QStringLiteral("起始章节"));
    ConfigureEditBox(*编辑框_结束章节, QStringLiteral("210"));
    ConfigureEditBox(*编辑框_起始章节, QStringLiteral("200"));
    UseBlackOnWhite(*超级列表框_下载地址);
    按钮1->setText(QStringLiteral("查询"));

    connect(按钮1, &QPushButton::clicked, this, [this] { RunActivity(handlers_.query); });
    connect(按钮2, &QPushButton::clicked, this, [this] { RunActivity(handlers_.download); });

    // The frame is unknown until the window is shown; until then the client area takes the
    // whole outer size.
    setFixedSize(kOuterSize);
    CentreOnScreen();
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FitOuterSize();
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // A window manager that frames the window after it was shown reports the frame with
    // the move that places it.
    FitOuterSize();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!activity_.running()) {
        QWidget::closeEvent(event);
        return;
    }
    // Closing now would leave the activity running with nothing to show it in; it stops at
    // its next progress report, and RunActivity then closes the window.
    activity_.Abandon();
    event->ignore();
}

void MainWindow::RunActivity(const Handler& handler) {
    const bool ran = activity_.Run([&] { handler(view_, site_); });
    if (ran && activity_.abandoned()) close();
}

// The outer size is fixed, so the client area is what the platform's frame leaves of it.
// A platform that reports no frame (no window manager, or one that draws nothing) gives the
// client area the whole outer size.
void MainWindow::FitOuterSize() {
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize client = kOuterSize - frame;
    if (client == size()) return;
    setFixedSize(client);
    CentreOnScreen();
}

void MainWindow::CentreOnScreen() {
    move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, kOuterSize,
                             screen()->availableGeometry())
             .topLeft());
}

}  // namespace vantrel
