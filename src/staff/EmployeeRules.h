#pragma once

#include <QString>
#include <QStringList>

namespace kalvor {

// Whether a job ("Radno mjesto:") names a driver: the trimmed text, without
// regard to letter case (Č and č the same letter), reads "VOZAC", "VOZAČ",
// "VOZACICA" or "VOZAČICA".
bool IsDriverJob(const QString &job);

// The staff number ("Matični broj:") of a text: its integer value, 0 when it
// is not an integer.
int StaffNumberFromText(const QString &text);
// How the field shows a staff number: 0 as an empty field.
QString StaffNumberText(int number);

// The items of the type drop-down after "Tip:" (position = `TIP`) and of
// "Zaposlenje:" (position = `ZAP`).
const QStringList &employeeTypeItems();
const QStringList &employmentItems();

} // namespace kalvor
