#pragma once

#include <QAbstractItemView>
#include <QItemSelectionModel>

namespace kalvor::vehiclesui {

// The row of a list view that is current, -1 when none.
inline int currentRow(const QAbstractItemView *view)
{
    const QModelIndex index = view->currentIndex();
    return index.isValid() ? index.row() : -1;
}

// Makes `row` the current (and selected) row of the view, or nothing current
// when the list is empty. A row past the end gives the last one.
inline void setCurrentRow(QAbstractItemView *view, int row)
{
    const int rows = view->model()->rowCount();
    if (rows == 0) {
        view->setCurrentIndex(QModelIndex());
        return;
    }
    row = qBound(0, row, rows - 1);
    view->selectionModel()->setCurrentIndex(view->model()->index(row, 0),
                                            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

} // namespace kalvor::vehiclesui
