#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QScreen>
#include <iterator>

#include "app/main_window_fixture.h"
#include "support/text_literals.h"

namespace vantrel::test {
namespace {

struct ControlCase {
    const char* name;
    const char* className;
    QRect geometry;
    const char* text;
};

TEST_F(MainWindowTest, CreatesTheControlsInOrderWithTheirPlacesAndTexts) {
    const ControlCase expected[] = {
        {"标签3", "QLabel", {32, 30, 40, 32}, "地址"},
        {"编辑框_地址",
         "QLineEdit",
         {78, 30, 288, 32},
         "https://127.0.0.1:8080/yousheng/disp_27417.htm"},
        {"按钮2", "QPushButton", {387, 291, 80, 32}, "下载"},
        {"标签_结束章节", "QLabel", {179, 299, 48, 24}, "结束章节"},
        {"标签_起始章节", "QLabel", {27, 299, 56, 24}, "起始章节"},
        {"编辑框_结束章节", "vantrel::IntegerLineEdit", {243, 299, 80, 20}, "210"},
        {"编辑框_起始章节", "vantrel::IntegerLineEdit", {87, 299, 80, 20}, "200"},
        {"超级列表框_下载地址", "vantrel::ChapterListView", {24, 77, 456, 200}, ""},
        {"按钮1", "QPushButton", {384, 30, 80, 32}, "查询"},
        // The status line, below the bottom row of controls.
        {"标签_状态", "vantrel::ElidedLabel", {24, 329, 456, 20}, ""},
    };
    const QList<QWidget*> controls =
        window_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(controls.size(), std::ssize(expected));
    for (int i = 0; i < controls.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        const QWidget& control = *controls[i];
        EXPECT_EQ(control.objectName(), QString::fromUtf8(expected[i].name));
        EXPECT_STREQ(control.metaObject()->className(), expected[i].className);
        EXPECT_EQ(control.geometry(), expected[i].geometry);
        EXPECT_EQ(control.property("text").toString(), QString::fromUtf8(expected[i].text));
        EXPECT_FALSE(control.testAttribute(Qt::WA_SetFont)) << "uses a font of its own";
    }
}

TEST_F(MainWindowTest, IsAFixedCentredWindowOf500By388FrameIncluded) {
    EXPECT_EQ(window_->windowTitle(), QString("Vantrel"));
    const QRect outer = window_->frameGeometry();
    EXPECT_EQ(outer.size(), QSize(500, 388));
    EXPECT_NE(window_->size(), outer.size()) << "the frame was not taken off the client area";
    EXPECT_EQ(window_->minimumSize(), window_->maximumSize());

    const QPoint offCentre = outer.center() - window_->screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 1);

    const Qt::WindowFlags flags = window_->windowFlags();
    EXPECT_TRUE(flags.testFlags(Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(MainWindowTest, PaintsItsBackgroundInTheButtonFaceColour) {
    QPalette palette = window_->palette();
    palette.setColor(QPalette::Window, Qt::blue);
    palette.setColor(QPalette::Button, Qt::red);
    window_->setPalette(palette);
    const QImage image = window_->grab().toImage();
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::red));
    // Labels take no background of their own.
    const QRect label = Find("标签3").geometry();
    EXPECT_EQ(image.pixelColor(label.right() - 1, label.top() + 1), QColor(Qt::red));
}

TEST_F(MainWindowTest, ButtonsRunTheirWorkflowWithTheBoxesAsTheyStand) {
    QTest::mouseClick(&Find("按钮1"), Qt::LeftButton);
    EXPECT_EQ(clicks_,
              std::vector<std::string>{"query https://127.0.0.1:8080/yousheng/disp_27417.htm"});

    // The click takes the focus from the chapter box, which tidies its text before the
    // download reads it.
    auto& firstChapter = Find<QLineEdit>("编辑框_起始章节");
    firstChapter.setFocus();
    firstChapter.selectAll();
    QTest::keyClicks(&firstChapter, "007");
    QTest::mouseClick(&Find("按钮2"), Qt::LeftButton);
    ASSERT_EQ(clicks_.size(), 2u);
    EXPECT_EQ(clicks_[1], "download 7..210");
}

class ChapterListTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ChapterListModel& chapters = list().chapters();
        for (const char* number : {"2", "1"}) {
            const int row = chapters.AppendRow();
            chapters.SetCell(row, 0, T(number));
            chapters.SetCell(row, 1, G("第") + T(number) + G("集"));
        }
    }

    ChapterListView& list() { return Find<ChapterListView>("超级列表框_下载地址"); }

    QPoint CellCentre(int row, int column) {
        return list().visualRect(list().model()->index(row, column)).center();
    }

    QModelIndexList SelectedRows() { return list().selectionModel()->selectedRows(); }
};

TEST_F(ChapterListTest, HeaderHasTheTwoColumns) {
    const QAbstractItemModel& model = *list().model();
    const QHeaderView& header = *list().header();
    ASSERT_EQ(header.count(), 2);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QString("序号"));
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QString("名称"));
    EXPECT_EQ(header.sectionSize(0), 50);
    EXPECT_EQ(header.sectionSize(1), 400);
    for (const QModelIndex& cell : {model.index(0, 0), model.index(0, 1)}) {
        SCOPED_TRACE(cell.column());
        const auto alignment = model.data(cell, Qt::TextAlignmentRole).value<Qt::Alignment>();
        const auto headerAlignment =
            model.headerData(cell.column(), Qt::Horizontal, Qt::TextAlignmentRole)
                .value<Qt::Alignment>();
        const Qt::Alignment horizontal = cell.column() == 0 ? Qt::AlignLeft : Qt::AlignHCenter;
        EXPECT_EQ(alignment & Qt::AlignHorizontal_Mask, horizontal);
        EXPECT_EQ(headerAlignment & Qt::AlignHorizontal_Mask, horizontal);
    }
    EXPECT_EQ(model.data(model.index(1, 1)).toString(), QString("第1集"));
}

TEST_F(ChapterListTest, HeaderClicksNeitherSortNorSelect) {
    QHeaderView& header = *list().header();
    EXPECT_TRUE(header.sectionsClickable());
    for (int section : {0, 1, 0}) {
        QTest::mouseClick(
            header.viewport(), Qt::LeftButton, {},
            QPoint(header.sectionViewportPosition(section) + 10, header.height() / 2));
    }
    EXPECT_EQ(list().chapters().Cell(0, 0), T("2"));
    EXPECT_TRUE(SelectedRows().isEmpty());
    EXPECT_FALSE(header.sectionsMovable());
}

TEST_F(ChapterListTest, SelectsOneRowAtATimeAndEditsNothing) {
    EXPECT_TRUE(SelectedRows().isEmpty()) << "a row is selected at start";
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, CellCentre(0, 1));
    QTest::mouseClick(list().viewport(), Qt::LeftButton, Qt::ControlModifier, CellCentre(1, 0));
    ASSERT_EQ(SelectedRows().size(), 1);
    EXPECT_EQ(SelectedRows().front().row(), 1);

    QTest::mouseDClick(list().viewport(), Qt::LeftButton, {}, CellCentre(1, 1));
    QTest::keyClick(&list(), Qt::Key_F2);
    EXPECT_TRUE(list().findChildren<QLineEdit*>().isEmpty()) << "an editor opened";
}

TEST_F(ChapterListTest, ShowsTheSelectionOnlyWhileItHasTheFocus) {
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, CellCentre(0, 0));
    ASSERT_TRUE(list().hasFocus());
    // Right of the short number, where only the cell's background shows.
    const QRect cell = list().visualRect(list().model()->index(0, 0));
    const QPoint background(cell.right() - 4, cell.center().y());
    EXPECT_NE(list().viewport()->grab().toImage().pixelColor(background), QColor(Qt::white));

    Find("编辑框_地址").setFocus();
    EXPECT_EQ(list().viewport()->grab().toImage().pixelColor(background), QColor(Qt::white));
    EXPECT_EQ(SelectedRows().size(), 1) << "the selection is hidden, not dropped";
}

}  // namespace
}  // namespace vantrel::test
