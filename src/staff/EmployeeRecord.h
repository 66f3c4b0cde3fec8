#pragma once

#include <QString>
#include <optional>

namespace kalvor {

namespace db {
class Query;
}

// One row of `DJELATNICI` as the dialog and the lists see it.
struct EmployeeRecord
{
    int id = -1;                  // IDDJ
    QString imePrezime;           // IMEPREZIME
    QString zvanje;               // ZVANJE
    QString radnoMjesto;          // RADNOMJESTO
    std::optional<int> vozac;     // VOZAC; empty when NULL
    std::optional<int> aktivno;   // AKTIVNOALL; empty when NULL
    QString napomena;             // NAPOMENA
    QString osobna;               // OSOBNA
    QString adresa;               // ADRESA
    QString kontakt;              // KONTAKT
    int mbr = 0;                  // MBR; 0 means none
    std::optional<int> tip;       // TIP: 0 none, 1 "A" … 8 "H"
    QString tips;                 // TIPS
    std::optional<int> zap;       // ZAP: 0 "Stalni radni odnos", 1 "Ugovor", -1 none

    // A NULL driver flag counts as not a driver, a NULL active flag as active.
    bool isDriver() const { return vozac && *vozac != 0; }
    bool isActive() const { return !aktivno || *aktivno != 0; }

    // The current row of a "SELECT * FROM DJELATNICI" statement.
    static EmployeeRecord fromQuery(const db::Query &q);
};

} // namespace kalvor
