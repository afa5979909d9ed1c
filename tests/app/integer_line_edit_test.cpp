#include "app/integer_line_edit.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>

#include "app/main_window_fixture.h"

namespace vantrel::test {
namespace {

class IntegerBoxTest : public MainWindowTest {
protected:
    QLineEdit& firstChapter() { return Find<QLineEdit>("编辑框_起始章节"); }
    QLineEdit& endChapter() { return Find<QLineEdit>("编辑框_结束章节"); }

    // Puts text into the first chapter box as if typed there, then moves the focus on.
    QString LeaveFirstChapterWith(const QString& text) {
        firstChapter().setFocus();
        firstChapter().setText(text);
        endChapter().setFocus();
        return firstChapter().text();
    }
};

TEST_F(IntegerBoxTest, TypingKeepsOnlyDigitsAndMinus) {
    for (QLineEdit* box : {&firstChapter(), &endChapter()}) {
        SCOPED_TRACE(box->objectName().toStdString());
        box->setFocus();
        box->clear();
        QTest::keyClicks(box, "1a2 .x-3");
        EXPECT_EQ(box->text(), QString("12-3"));
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_EQ(box->text(), QString("12-"));
    }
    auto& address = Find<QLineEdit>("编辑框_地址");
    address.setFocus();
    address.clear();
    QTest::keyClicks(&address, "1a2");
    EXPECT_EQ(address.text(), QString("1a2"));
}

TEST_F(IntegerBoxTest, PastedTextGoesInAndIsEmptiedOnLeavingTheBox) {
    QGuiApplication::clipboard()->setText("abc");
    firstChapter().setFocus();
    firstChapter().clear();
    QTest::keySequence(&firstChapter(), QKeySequence::Paste);
    EXPECT_EQ(firstChapter().text(), QString("abc"));
    endChapter().setFocus();
    EXPECT_EQ(firstChapter().text(), QString());
}

TEST_F(IntegerBoxTest, LeavingTheBoxRewritesTheNumberItStartsWith) {
    const struct {
        const char* typed;
        const char* left;
    } cases[] = {
        {"007", "7"},
        {"0", ""},
        {"-", ""},
        {"-5", "-5"},
        {"+8", "8"},
        {"", ""},
        {"  42abc", "42"},
        {"4-2", "4"},
        {"--5", ""},
        {"99999999999", "2147483647"},
        {"-99999999999", "-2147483648"},
        {"99999999999999999999999", "2147483647"},
    };
    for (const auto& [typed, left] : cases) {
        EXPECT_EQ(LeaveFirstChapterWith(typed), QString(left)) << "typed '" << typed << "'";
    }
}

TEST_F(IntegerBoxTest, RewritePutsTheCaretWhereTheSelectionBegan) {
    const struct {
        const char* typed;
        int selectionStart;
        int selectionLength;
        int caret;
    } cases[] = {
        {"007", 3, 0, 1},
        {"0042", 2, 2, 2},
        {"0012", 4, -3, 1},
        {"99999999999", 5, 0, 5},
    };
    for (const auto& [typed, selectionStart, selectionLength, caret] : cases) {
        SCOPED_TRACE(typed);
        firstChapter().setFocus();
        firstChapter().setText(typed);
        firstChapter().setSelection(selectionStart, selectionLength);
        endChapter().setFocus();
        EXPECT_EQ(firstChapter().cursorPosition(), caret);
    }
}

TEST_F(IntegerBoxTest, TidyTextIsNotWrittenAgain) {
    firstChapter().setFocus();
    firstChapter().setText("-5");
    QSignalSpy changes(&firstChapter(), &QLineEdit::textChanged);
    endChapter().setFocus();
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(IntegerBoxTest, OpeningTheContextMenuIsNotLeavingTheBox) {
    firstChapter().setFocus();
    firstChapter().setText("007");
    QFocusEvent toMenu(QEvent::FocusOut, Qt::PopupFocusReason);
    QCoreApplication::sendEvent(&firstChapter(), &toMenu);
    EXPECT_EQ(firstChapter().text(), QString("007"));
}

}  // namespace
}  // namespace vantrel::test
