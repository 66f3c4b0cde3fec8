#pragma once

#include "core/TDataModule1.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <QVariant>
#include <memory>

namespace kalvor::test {

// A data module on a fresh database with the scripted prompter, and a helper
// for the employee rows of a case.
struct EmployeeFixture
{
    TDataModule1 data;
    TestDatabase db{data.DB};
    ScriptedPrompter prompter;

    void addEmployee(int id, const QString &name, const QVariant &driver, const QVariant &active)
    {
        db.exec(QStringLiteral("INSERT INTO DJELATNICI (IDDJ,IMEPREZIME,VOZAC,AKTIVNOALL) VALUES (:ID,:IME,:VO,:AK)"),
                {{"ID", id}, {"IME", name}, {"VO", driver}, {"AK", active}});
    }
};

inline std::unique_ptr<EmployeeFixture> makeEmployeeFixture()
{
    std::unique_ptr<EmployeeFixture> f;
    QString message;
    if (!succeeds([&] { f = std::make_unique<EmployeeFixture>(); }, message))
        QTest::qFail(qPrintable(message), __FILE__, __LINE__);
    return f;
}

} // namespace kalvor::test
