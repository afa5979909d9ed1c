#include "app/window_book_view.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <string>

#include "app/widget_test_support.h"
#include "support/text_literals.h"

namespace vantrel::test {
namespace {

class WindowBookViewTest : public testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    void AppendRows(int count) {
        for (int i = 0; i < count; ++i) view_.AppendListRow();
    }

    QLineEdit address_;
    QLineEdit firstChapter_;
    QLineEdit endChapter_;
    ChapterListModel chapters_;
    QLabel status_;
    QWidget window_;
    ActivityMonitor activity_{window_, {}};
    WindowBookView view_{address_, firstChapter_, endChapter_, chapters_, status_, activity_};
};

TEST_F(WindowBookViewTest, ReadsEachEditBoxAsGbk) {
    address_.setText("https://书.example/yousheng/disp_27417.htm");
    firstChapter_.setText("200");
    EXPECT_EQ(view_.ReadEditText(EditBox::kAddress),
              G("https://书.example/yousheng/disp_27417.htm"));
    EXPECT_EQ(view_.ReadEditText(EditBox::kFirstChapter), T("200"));
    EXPECT_EQ(view_.ReadEditText(EditBox::kEndChapter), Text());
}

TEST_F(WindowBookViewTest, AppendedRowsAreNumberedFromZero) {
    EXPECT_EQ(view_.AppendListRow(), 0);
    AppendRows(4);
    EXPECT_EQ(view_.AppendListRow(), 5);
    EXPECT_EQ(view_.ListRowCount(), 6);
    EXPECT_EQ(chapters_.rowCount(), 6);
    EXPECT_EQ(view_.GetListCellText(5, 1), Text()) << "a new row's cells start empty";
}

TEST_F(WindowBookViewTest, CellsOutsideTheListReadEmptyAndIgnoreWrites) {
    EXPECT_EQ(view_.GetListCellText(0, 0), Text()) << "row 0 of the empty list";
    AppendRows(1);
    QSignalSpy changes(&chapters_, &ChapterListModel::dataChanged);
    const struct {
        int row;
        int column;
    } outside[] = {{1, 0}, {7, 1}, {-1, 0}, {0, 2}, {0, -1}};
    for (const auto& [row, column] : outside) {
        SCOPED_TRACE(testing::Message() << "row " << row << ", column " << column);
        view_.SetListCellText(row, column, T("x"));
        EXPECT_EQ(view_.GetListCellText(row, column), Text());
    }
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(view_.ListRowCount(), 1);
    EXPECT_EQ(view_.GetListCellText(0, 0), Text());
}

TEST_F(WindowBookViewTest, CellsGiveBackTheirBytesWhole) {
    std::string longName;
    for (int i = 0; i < 300; ++i) longName += "章";
    const Text texts[] = {
        G(longName),        // 600 bytes, past a 512-byte buffer
        T("\x81\x20\xFF"),  // not GBK at all
        T("\xE7\xAC\xAC"
          "1.mp3"),  // UTF-8 bytes from a page in another encoding
    };
    ASSERT_EQ(texts[0].length(), 600);
    for (const Text& text : texts) {
        const int row = view_.AppendListRow();
        view_.SetListCellText(row, 1, text);
        EXPECT_EQ(view_.GetListCellText(row, 1), text);
    }
}

TEST_F(WindowBookViewTest, ShowsCellsAsUnicode) {
    AppendRows(1);
    view_.SetListCellText(0, 0, T("1"));
    view_.SetListCellText(0, 1, G("第1集"));
    EXPECT_EQ(chapters_.data(chapters_.index(0, 0), Qt::DisplayRole).toString(), QString("1"));
    EXPECT_EQ(chapters_.data(chapters_.index(0, 1), Qt::DisplayRole).toString(), QString("第1集"));
}

TEST_F(WindowBookViewTest, AFillReachesTheViewsAsOneInsertion) {
    QSignalSpy insertions(&chapters_, &ChapterListModel::rowsInserted);
    view_.BeginListFill();
    for (int chapter = 1; chapter <= 3; ++chapter) {
        const int row = view_.AppendListRow();
        EXPECT_EQ(row, chapter - 1);
        view_.SetListCellText(row, 1, G("第") + T(std::to_string(chapter)) + G("集"));
    }
    EXPECT_EQ(view_.ListRowCount(), 3);
    EXPECT_EQ(view_.GetListCellText(2, 1), G("第3集"));
    EXPECT_EQ(insertions.count(), 0);
    view_.EndListFill();

    ASSERT_EQ(insertions.count(), 1);
    EXPECT_EQ(insertions[0][1].toInt(), 0);
    EXPECT_EQ(insertions[0][2].toInt(), 2);
    EXPECT_EQ(chapters_.data(chapters_.index(2, 1), Qt::DisplayRole).toString(), QString("第3集"));

    EXPECT_EQ(view_.AppendListRow(), 3) << "rows after the fill are inserted one by one";
    EXPECT_EQ(insertions.count(), 2);
}

TEST_F(WindowBookViewTest, ClearListEmptiesTheList) {
    AppendRows(3);
    view_.ClearList();
    EXPECT_EQ(view_.ListRowCount(), 0);
    EXPECT_EQ(chapters_.rowCount(), 0);
    EXPECT_EQ(view_.AppendListRow(), 0);
}

TEST_F(WindowBookViewTest, MessageBoxWaitsForOkAndBlocksTheWholeProgram) {
    bool shown = false;
    AnswerNextMessageBox([&shown](QMessageBox& box) {
        shown = true;
        EXPECT_EQ(box.windowTitle(), QString("信息："));
        EXPECT_EQ(box.text(), QString("下载\n完成<b>"));
        EXPECT_EQ(box.textFormat(), Qt::PlainText);
        EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box.buttons().size(), 1);
        EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
        EXPECT_EQ(box.parentWidget(), nullptr);
        EXPECT_EQ(box.windowModality(), Qt::ApplicationModal);
    });
    view_.ShowMessageBox(G("下载\r\n完成<b>"));
    EXPECT_TRUE(shown);
}

TEST_F(WindowBookViewTest, ALongMessageShowsItsFirstLinesAndKeepsTheWholeInTheDetails) {
    std::string message = "下载结束：成功 0 章，失败 40 章";
    for (int k = 1; k <= 40; ++k)
        message += "\r\n第 " + std::to_string(k) + " 章「第" + std::to_string(k) + "集」：HTTP 404";
    MessageBoxAnswerer answerer;
    view_.ShowMessageBox(G(message));

    ASSERT_EQ(answerer.boxes().size(), 1u);
    const QString shown = answerer.boxes()[0].text;
    const QString whole = QString::fromStdString(message).replace("\r\n", "\n");
    EXPECT_TRUE(shown.startsWith(whole.section('\n', 0, 11) + '\n')) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith("另有 29 行")) << shown.toStdString();
    EXPECT_EQ(answerer.boxes()[0].detailedText, whole);
}

TEST_F(WindowBookViewTest, StatusLineShowsTheFirstLine) {
    const struct {
        const char* status;
        const char* shown;
    } cases[] = {
        {"查询失败：HTTP 404", "查询失败：HTTP 404"},
        {"下载已停止：成功 1 章，失败 0 章\n第 1 章「第1集」", "下载已停止：成功 1 章，失败 0 章"},
        {"第一行\r\n第二行", "第一行"},
        {"", ""},
    };
    for (const auto& c : cases) {
        view_.ShowStatus(G(c.status));
        EXPECT_EQ(status_.text(), QString::fromUtf8(c.shown));
    }
}

TEST_F(WindowBookViewTest, ProgressOutsideAnActivityShowsNothingAndGoesOn) {
    EXPECT_TRUE(view_.ShowProgress(ActivityProgress{}));
    EXPECT_EQ(ShownProgressDialog(), nullptr);
}

}  // namespace
}  // namespace vantrel::test
