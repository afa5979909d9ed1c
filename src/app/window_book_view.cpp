#include "app/window_book_view.h"

#include <QCoreApplication>

#include "app/message_boxes.h"
#include "app/qt_text.h"

namespace vantrel {

WindowBookView::WindowBookView(QLineEdit& address, QLineEdit& firstChapter, QLineEdit& endChapter,
                               ChapterListModel& chapters)
    : address_(address),
      firstChapter_(firstChapter),
      endChapter_(endChapter),
      chapters_(chapters) {}

Text WindowBookView::ReadEditText(EditBox box) { return QStringToText(EditBoxFor(box).text()); }

int WindowBookView::AppendListRow() { return chapters_.AppendRow(); }

void WindowBookView::SetListCellText(int row, int column, const Text& text) {
    chapters_.SetCell(row, column, text);
}

Text WindowBookView::GetListCellText(int row, int column) { return chapters_.Cell(row, column); }

int WindowBookView::ListRowCount() { return chapters_.StoredRowCount(); }

void WindowBookView::ClearList() { chapters_.Clear(); }

void WindowBookView::BeginListFill() { chapters_.BeginFill(); }

void WindowBookView::EndListFill() { chapters_.EndFill(); }

void WindowBookView::ShowMessageBox(const Text& text) { ShowInformationBox(text); }

bool WindowBookView::ShowProgress(const ActivityProgress&) {
    // Repaints the window during a long activity; input waits until the activity is over,
    // so a second click cannot start a second activity inside the first.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return true;
}

void WindowBookView::ShowStatus(const Text&) {
    // The window has no status line; the workflows tell the user through message boxes.
}

QLineEdit& WindowBookView::EditBoxFor(EditBox box) {
    switch (box) {
        case EditBox::kFirstChapter:
            return firstChapter_;
        case EditBox::kEndChapter:
            return endChapter_;
        case EditBox::kAddress:
            break;
    }
    return address_;
}

}  // namespace vantrel
