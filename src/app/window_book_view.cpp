#include "app/window_book_view.h"

#include "app/message_boxes.h"
#include "app/qt_text.h"

namespace vantrel {

WindowBookView::WindowBookView(QLineEdit& address, QLineEdit& firstChapter, QLineEdit& endChapter,
                               ChapterListModel& chapters, QLabel& status,
                               ActivityMonitor& activity)
    : address_(address),
      firstChapter_(firstChapter),
      endChapter_(endChapter),
      chapters_(chapters),
      status_(status),
      activity_(activity) {}

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

void WindowBookView::ShowMessageBox(const Text& text) {
    // A box after the user closed the window would keep the program waiting for someone
    // who has gone.
    if (activity_.abandoned()) return;
    activity_.StepAside();
    ShowInformationBox(text);
}

bool WindowBookView::ShowProgress(const ActivityProgress& progress) {
    return activity_.Report(progress);
}

// The line has room for one line of text; the message box that follows a long summary
// shows the rest.
void WindowBookView::ShowStatus(const Text& status) {
    const QString text = TextToQString(status);
    status_.setText(text.section(QLatin1Char('\n'), 0, 0).trimmed());
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
