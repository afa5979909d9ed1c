#pragma once

#include "http/transfer.h"
#include "text/text.h"

namespace vantrel {

enum class EditBox { kAddress, kFirstChapter, kEndChapter };

// What the running activity is doing, for a progress display.
struct ActivityProgress {
    enum class Stage { kCataloguePage, kPlayPage, kMediaFile };
    Stage stage = Stage::kCataloguePage;
    int chapterOrdinal = 0;  // download: chapter i of chapterCount, from 1
    int chapterCount = 0;
    int chapterNumber = 0;  // the chapter's number in the book
    Text chapterName{};
    TransferProgress transfer{};
};

// The window as the query and the download see it. Rows and columns count from 0; a row
// or column that does not exist is ignored on writing and reads as the empty Text.
class BookView {
public:
    virtual ~BookView() = default;

    virtual Text ReadEditText(EditBox box) = 0;

    // Returns the new row's index, or -1 when the list refuses the row.
    virtual int AppendListRow() = 0;
    virtual void SetListCellText(int row, int column, const Text& text) = 0;
    virtual Text GetListCellText(int row, int column) = 0;
    virtual int ListRowCount() = 0;
    virtual void ClearList() = 0;
    // The query fills the list between these two calls, so a view can insert in one batch.
    virtual void BeginListFill() = 0;
    virtual void EndListFill() = 0;

    // Returns when the user has closed the box.
    virtual void ShowMessageBox(const Text& text) = 0;

    // Called often while an activity runs; false when the user asked to stop it.
    virtual bool ShowProgress(const ActivityProgress& progress) = 0;
    // One line on how the last activity ended.
    virtual void ShowStatus(const Text& status) = 0;
};

}  // namespace vantrel
