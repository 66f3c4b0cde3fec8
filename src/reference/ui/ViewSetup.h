#pragma once

#include <functional>

class QDateEdit;
class QTableView;

namespace kalvor {

// The common look of the reference screens' controls: read-only row lists
// selected by whole rows, and date fields in the short date format.
void setUpRowList(QTableView *view);
void setUpDateEdit(QDateEdit *edit);

// Runs a user's action; a database error that the action does not handle
// ends it and shows the database's own message. False after an error.
bool guarded(const std::function<void()> &action);

} // namespace kalvor
