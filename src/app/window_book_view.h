#pragma once

#include <QLabel>
#include <QLineEdit>

#include "app/activity_monitor.h"
#include "app/chapter_list_model.h"
#include "workflow/book_view.h"

namespace vantrel {

// The main window's controls as the query and the download see them. Kept apart from the
// window's layout so that what the workflows rely on is in one place.
class WindowBookView : public BookView {
public:
    WindowBookView(QLineEdit& address, QLineEdit& firstChapter, QLineEdit& endChapter,
                   ChapterListModel& chapters, QLabel& status, ActivityMonitor& activity);

    Text ReadEditText(EditBox box) override;

    int AppendListRow() override;
    void SetListCellText(int row, int column, const Text& text) override;
    Text GetListCellText(int row, int column) override;
    int ListRowCount() override;
    void ClearList() override;
    void BeginListFill() override;
    void EndListFill() override;

    void ShowMessageBox(const Text& text) override;

    bool ShowProgress(const ActivityProgress& progress) override;
    void ShowStatus(const Text& status) override;

private:
    QLineEdit& EditBoxFor(EditBox box);

    QLineEdit& address_;
    QLineEdit& firstChapter_;
    QLineEdit& endChapter_;
    ChapterListModel& chapters_;
    QLabel& status_;
    ActivityMonitor& activity_;
};

}  // namespace vantrel
