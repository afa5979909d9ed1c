#pragma once

#include <QAbstractTableModel>
#include <array>
#include <vector>

#include "text/text.h"

namespace vantrel {

// The chapters of the book last queried: its running number and its name per row. Cells
// keep the GBK bytes they were given, so a name that is not valid GBK still comes back
// byte for byte; only the display converts.
class ChapterListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { kNumberColumn, kNameColumn, kColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Returns the new row's index, or -1 when no further row can be numbered.
    int AppendRow();
    // A row or column that does not exist is ignored, and reads as the empty Text.
    void SetCell(int row, int column, const Text& text);
    Text Cell(int row, int column) const;
    // Also counts the rows of a fill that the views have not been told about yet.
    int StoredRowCount() const;
    void Clear();

    // Rows appended between these two calls reach the views as one insertion, which keeps
    // a list of thousands of chapters quick to fill.
    void BeginFill();
    void EndFill();

private:
    using Row = std::array<Text, kColumnCount>;

    bool HoldsCell(int row, int column) const;

    std::vector<Row> rows_;
    int shownRowCount_ = 0;
    bool filling_ = false;
};

}  // namespace vantrel
