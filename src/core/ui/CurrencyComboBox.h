#pragma once

#include "core/db/Transaction.h"

#include <QComboBox>

namespace kalvor {

// A drop-down of the currency choice list: its items ("EUR||euro") are drawn
// by CurrencyItemDelegate, in the open list (200 pixels wide) and in the
// closed box alike.
class CurrencyComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit CurrencyComboBox(QWidget *parent = nullptr);

    // Replaces the items with the currency choice list of the database
    // (FillCurrencyList); no item is current afterwards. Throws db::DbError.
    void fill(db::Transaction &read);
    void setItems(const QStringList &items);

    // The code of the current item; empty when none is current.
    QString currentCode() const;
    // Makes the item of `code` current (letter case ignored); none when the
    // list has no such code.
    void setCurrentCode(const QString &code);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace kalvor
