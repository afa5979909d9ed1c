#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <functional>

#include "app/activity_monitor.h"
#include "app/chapter_list_view.h"
#include "app/elided_label.h"
#include "app/integer_line_edit.h"
#include "app/window_book_view.h"
#include "workflow/book_view.h"
#include "workflow/site.h"

namespace vantrel {

// What the two buttons run: the book query and the chapter download, unless a test puts
// something observable in their place.
struct MainWindowHandlers {
    std::function<void(BookView&, const Site&)> query;
    std::function<void(BookView&, const Site&)> download;
};

MainWindowHandlers WorkflowHandlers();

// The program's only window: the catalogue address with 查询 beside it, the chapter list,
// the chapter range and 下载, and below them a line on how the last activity ended. Its size
// and the controls' places are fixed in pixels. One activity runs at a time, behind a
// progress dialog; closing the window stops it and closes the window once it has stopped.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(Site site, MainWindowHandlers handlers = WorkflowHandlers());

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    using Handler = std::function<void(BookView&, const Site&)>;

    void RunActivity(const Handler& handler);
    void FitOuterSize();
    void CentreOnScreen();

    const Site site_;
    const MainWindowHandlers handlers_;

    // The controls keep their long-standing names, here and as object names; the status line
    // came later and is named after them. They are declared in the order the window creates
    // them, which is also the order of Tab.
    QLabel* const 标签3;
    QLineEdit* const 编辑框_地址;
    QPushButton* const 按钮2;
    QLabel* const 标签_结束章节;
    QLabel* const 标签_起始章节;
    IntegerLineEdit* const 编辑框_结束章节;
    IntegerLineEdit* const 编辑框_起始章节;
    ChapterListView* const 超级列表框_下载地址;
    QPushButton* const 按钮1;
    ElidedLabel* const 标签_状态;

    ActivityMonitor activity_;
    WindowBookView view_;
};

}  // namespace vantrel
