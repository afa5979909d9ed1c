#include "app/chapter_list_view.h"

#include <QHeaderView>
#include <QStyledItemDelegate>

namespace vantrel {

namespace {

constexpr int kNumberColumnWidth = 50;
constexpr int kNameColumnWidth = 400;

class FocusedSelectionDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!option->widget || !option->widget->hasFocus()) {
            option->state &= ~QStyle::State_Selected;
        }
    }
};

}  // namespace

ChapterListView::ChapterListView(QWidget* parent) : QTreeView(parent) {
    setModel(&chapters_);
    setItemDelegate(new FocusedSelectionDelegate(this));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setDragEnabled(false);
    ConfigureHeader();
}

void ChapterListView::ConfigureHeader() {
    QHeaderView& columns = *header();
    // Clickable like any list header, but no handler sorts or selects on a click.
    columns.setSectionsClickable(true);
    columns.setHighlightSections(false);
    columns.setSortIndicatorShown(false);
    columns.setSectionsMovable(false);
    columns.setStretchLastSection(false);
    setColumnWidth(ChapterListModel::kNumberColumn, kNumberColumnWidth);
    setColumnWidth(ChapterListModel::kNameColumn, kNameColumnWidth);
}

void ChapterListView::focusInEvent(QFocusEvent* event) {
    QTreeView::focusInEvent(event);
    viewport()->update();
}

void ChapterListView::focusOutEvent(QFocusEvent* event) {
    QTreeView::focusOutEvent(event);
    viewport()->update();
}

}  // namespace vantrel
