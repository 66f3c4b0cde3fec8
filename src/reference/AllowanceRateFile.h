#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace kalvor {

// One row of an allowance-rate file: country name, amount, currency code.
struct AllowanceRateRow
{
    QString country;
    double amount = 0;
    QString currency;
};

// An allowance-rate file: Windows-1250 text, lines ending in CR LF, LF or CR.
// A line with at least two TABs is a row: the country name, TAB, the amount
// (decimal comma; an amount that does not read counts as 0), TAB, the
// currency code (everything after the second TAB). Other lines are skipped.
class AllowanceRateFile
{
public:
    enum class Status { Read, Missing, Unreadable, NotText };

    // Reads and parses a file. A missing file, one that cannot be opened or
    // read, and one holding NUL bytes (no text file) give no rows.
    Status read(const QString &path);
    void parse(const QByteArray &bytes);

    // The message for a file that did not read; empty for Status::Read.
    static QString failureMessage(Status status, const QString &path);

    // The rows in file order, country and currency trimmed.
    const QVector<AllowanceRateRow> &rows() const { return m_rows; }
    // The distinct country names and currency codes in order of first
    // appearance.
    const QStringList &countries() const { return m_countries; }
    const QStringList &currencies() const { return m_currencies; }

private:
    QVector<AllowanceRateRow> m_rows;
    QStringList m_countries;
    QStringList m_currencies;
};

} // namespace kalvor
