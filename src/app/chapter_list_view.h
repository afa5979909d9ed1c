#pragma once

#include <QTreeView>

#include "app/chapter_list_model.h"

namespace vantrel {

// The report list of chapters: a fixed header of two columns that sorts nothing, one row
// selected at a time, nothing editable, and the selection drawn only while the list has the
// focus.
class ChapterListView : public QTreeView {
    Q_OBJECT

public:
    explicit ChapterListView(QWidget* parent = nullptr);

    ChapterListModel& chapters() { return chapters_; }

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void ConfigureHeader();

    ChapterListModel chapters_;
};

}  // namespace vantrel
