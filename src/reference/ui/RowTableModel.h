#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

class QAbstractItemView;

namespace kalvor {

// A read-only list of rows of shown texts, each row with a key. The screens
// fill it from a statement of their logic class; refilling keeps the view's
// current row on the row with the same key when it is still there.
class RowTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    struct Row
    {
        QStringList cells;
        QString key;
    };

    RowTableModel(const QStringList &headers, QObject *parent = nullptr);

    void setAlignment(int column, Qt::Alignment alignment);
    // Replaces the rows; with a view, its current row follows its key.
    void setRows(const QVector<Row> &rows, QAbstractItemView *view = nullptr);
    const Row &row(int i) const { return m_rows.at(i); }
    int rowOfKey(const QString &key) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_headers;
    QVector<Qt::Alignment> m_alignments;
    QVector<Row> m_rows;
};

} // namespace kalvor
