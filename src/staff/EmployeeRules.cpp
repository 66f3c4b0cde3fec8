#include "staff/EmployeeRules.h"

namespace kalvor {

bool IsDriverJob(const QString &job)
{
    static const QStringList driverJobs{QStringLiteral("VOZAC"), QStringLiteral("VOZAČ"), QStringLiteral("VOZACICA"),
                                        QStringLiteral("VOZAČICA")};
    return driverJobs.contains(job.trimmed().toUpper());
}

int StaffNumberFromText(const QString &text)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    return ok ? number : 0;
}

QString StaffNumberText(int number)
{
    return number == 0 ? QString() : QString::number(number);
}

const QStringList &employeeTypeItems()
{
    static const QStringList items{QString(),         QStringLiteral("A"), QStringLiteral("B"),
                                   QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("E"),
                                   QStringLiteral("F"), QStringLiteral("G"), QStringLiteral("H")};
    return items;
}

const QStringList &employmentItems()
{
    static const QStringList items{QStringLiteral("Stalni radni odnos"), QStringLiteral("Ugovor")};
    return items;
}

} // namespace kalvor
