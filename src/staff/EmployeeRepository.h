#pragma once

#include "staff/EmployeeRecord.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace kalvor {

class TDataModule1;

// The filter items of the employee list, position = value.
namespace EmployeeFilter {
inline constexpr int DriversOnly = 0;      // "Samo vozači"
inline constexpr int All = 1;              // "Svi djelatnici"
inline constexpr int AllButDrivers = 2;    // "Svi osim vozača"
inline constexpr int AllActive = 3;        // "Svi aktivni djelatnici"
inline constexpr int ActiveDrivers = 4;    // "Svi aktivni vozači"
const QStringList &items();
} // namespace EmployeeFilter

// The statements of the employee records. Single statements run in the write
// transaction (`IBTransaction1`), each a unit of its own that is committed at
// once or rolled back and rethrown as db::DbError; the list runs in the read
// transaction (`Read`).
class EmployeeRepository
{
public:
    explicit EmployeeRepository(TDataModule1 &data) : m_data(data) {}

    std::optional<EmployeeRecord> load(int id);
    // Draws the identifier from GEN_DJELATNICI_ID, inserts and returns it.
    int insert(const EmployeeRecord &employee);
    void update(const EmployeeRecord &employee);
    // The employee's driver entries on orders; only when there are none, the
    // loader entries.
    int orderEntryCount(int id);
    // Deletes the employee row only.
    void remove(int id);

    // The list for a filter item and "Samo aktivni", ordered by name.
    QVector<EmployeeRecord> list(int filter, bool onlyActive);
    static QString listStatement(int filter, bool onlyActive);

private:
    TDataModule1 &m_data;
};

} // namespace kalvor
