#include "app/chapter_list_model.h"

#include <limits>

#include "app/qt_text.h"

namespace vantrel {

namespace {

QVariant ColumnTitle(int column) {
    return column == ChapterListModel::kNumberColumn ? QStringLiteral("序号")
                                                     : QStringLiteral("名称");
}

QVariant ColumnAlignment(int column) {
    const Qt::Alignment alignment = column == ChapterListModel::kNumberColumn
                                        ? Qt::AlignLeft | Qt::AlignVCenter
                                        : Qt::AlignCenter;
    return QVariant::fromValue(alignment);
}

}  // namespace

int ChapterListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRowCount_;
}

int ChapterListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant ChapterListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return QVariant();
    switch (role) {
        case Qt::DisplayRole:
            return TextToQString(Cell(index.row(), index.column()));
        case Qt::TextAlignmentRole:
            return ColumnAlignment(index.column());
        default:
            return QVariant();
    }
}

QVariant ChapterListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return QVariant();
    switch (role) {
        case Qt::DisplayRole:
            return ColumnTitle(section);
        case Qt::TextAlignmentRole:
            return ColumnAlignment(section);
        default:
            return QVariant();
    }
}

Qt::ItemFlags ChapterListModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren
                           : Qt::NoItemFlags;
}

int ChapterListModel::AppendRow() {
    const int row = StoredRowCount();
    if (row == std::numeric_limits<int>::max()) return -1;
    if (filling_) {
        rows_.emplace_back();
        return row;
    }
    beginInsertRows(QModelIndex(), row, row);
    rows_.emplace_back();
    shownRowCount_ = StoredRowCount();
    endInsertRows();
    return row;
}

void ChapterListModel::SetCell(int row, int column, const Text& text) {
    if (!HoldsCell(row, column)) return;
    rows_[row][column] = text;
    if (row < shownRowCount_) {
        const QModelIndex cell = index(row, column);
        emit dataChanged(cell, cell, {Qt::DisplayRole});
    }
}

Text ChapterListModel::Cell(int row, int column) const {
    return HoldsCell(row, column) ? rows_[row][column] : Text();
}

int ChapterListModel::StoredRowCount() const { return static_cast<int>(rows_.size()); }

void ChapterListModel::Clear() {
    beginResetModel();
    rows_.clear();
    shownRowCount_ = 0;
    endResetModel();
}

void ChapterListModel::BeginFill() { filling_ = true; }

void ChapterListModel::EndFill() {
    filling_ = false;
    if (shownRowCount_ == StoredRowCount()) return;
    beginInsertRows(QModelIndex(), shownRowCount_, StoredRowCount() - 1);
    shownRowCount_ = StoredRowCount();
    endInsertRows();
}

bool ChapterListModel::HoldsCell(int row, int column) const {
    return row >= 0 && row < StoredRowCount() && column >= 0 && column < kColumnCount;
}

}  // namespace vantrel
