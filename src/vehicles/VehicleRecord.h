#pragma once

#include <QString>
#include <QVariant>
#include <optional>

namespace kalvor {

namespace db {
class Query;
}

// One row of `VOZILO` as the dialog and the lists see it.
struct VehicleRecord
{
    int id = -1;                 // IDVOZ
    QString markaITip;           // MARKAITIP
    QString oznaka;              // OZNAKA
    double masa = 0;             // MASA
    double nosivost = 0;         // NOSIVOST
    double ukupnaMasa = 0;       // UKUPNAMASA
    std::optional<int> vrsta;    // VRSTA; empty when NULL
    QString napomena;            // NAPOMENA
    QString garBr;               // GARBR
    QString brSasije;            // BRSASIJE
    std::optional<int> brSjed;   // BRSJED; empty when NULL
    std::optional<int> godPro;   // GODPRO
    std::optional<int> godPreg;  // GODPREG
    std::optional<int> aktivno;  // AKTIVNOALL; empty when NULL

    // NULL and every non-zero value count as active.
    bool isActive() const { return !aktivno || *aktivno != 0; }

    // The current row of a "SELECT * FROM VOZILO" statement.
    static VehicleRecord fromQuery(const db::Query &q);

    // Values typed into the dialog: seats are the integer of the text, 2
    // when it is not one; the years the integer, 2007 when it is not one.
    static int seatsFromText(const QString &text);
    static int yearFromText(const QString &text);
};

} // namespace kalvor
