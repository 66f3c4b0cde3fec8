#pragma once

#include "core/db/Transaction.h"

#include <QComboBox>

namespace kalvor {

// A drop-down of the country choice list: its items ("Austrija||AT||12") show
// only the name, drawn by CountryItemDelegate in the open list and in the
// closed box alike.
class CountryComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit CountryComboBox(QWidget *parent = nullptr);

    // Replaces the items with the country choice list of the database
    // (FillCountryList); no item is current afterwards. Throws db::DbError.
    void fill(db::Transaction &read);
    void setItems(const QStringList &items);
    QStringList items() const;

    // The id of the current country; -1 when none is current.
    int currentCountryId() const;
    QString currentCountryName() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace kalvor
