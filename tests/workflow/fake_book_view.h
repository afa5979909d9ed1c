#pragma once

#include <array>
#include <functional>
#include <map>
#include <vector>

#include "text/text.h"
#include "workflow/book_view.h"

namespace vantrel::test {

// A window without a screen: edit boxes are values, the list is a vector of rows, and
// every message, progress report and status line is recorded.
class FakeBookView : public BookView {
public:
    std::map<EditBox, Text> editBoxes;
    std::vector<std::array<Text, 2>> rows;
    std::vector<Text> messages;
    std::vector<ActivityProgress> progress;
    std::vector<Text> statuses;
    int listFills = 0;
    // Decides whether an activity goes on; it always does unless a test says otherwise.
    std::function<bool(const ActivityProgress&)> keepGoing = [](const ActivityProgress&) {
        return true;
    };

    Text ReadEditText(EditBox box) override { return editBoxes[box]; }

    int AppendListRow() override {
        rows.push_back({});
        return static_cast<int>(rows.size()) - 1;
    }

    void SetListCellText(int row, int column, const Text& text) override {
        if (Exists(row, column)) rows[row][column] = text;
    }

    Text GetListCellText(int row, int column) override {
        return Exists(row, column) ? rows[row][column] : Text();
    }

    int ListRowCount() override { return static_cast<int>(rows.size()); }
    void ClearList() override { rows.clear(); }
    void BeginListFill() override { ++listFills; }
    void EndListFill() override {}
    void ShowMessageBox(const Text& text) override { messages.push_back(text); }

    bool ShowProgress(const ActivityProgress& activity) override {
        progress.push_back(activity);
        return keepGoing(activity);
    }

    void ShowStatus(const Text& status) override { statuses.push_back(status); }

private:
    bool Exists(int row, int column) const {
        return row >= 0 && row < static_cast<int>(rows.size()) && column >= 0 && column < 2;
    }
};

}  // namespace vantrel::test
