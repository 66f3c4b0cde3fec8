#pragma once

#include "vehicles/VehicleRecord.h"

#include <QString>
#include <QVector>
#include <optional>

namespace kalvor {

class TDataModule1;

// The four counters of the vehicles screen for one kind filter.
struct VehicleCounters
{
    int total = 0;        // "Vozila u evidenciji:"
    int active = 0;       // "Aktivno vozila:"
    int shown = 0;        // "Prikazano vozila:" (the kind, active or not)
    int shownActive = 0;  // "Od toga aktivno:"
};

// The statements of the vehicle records. Single statements run in the write
// transaction (`IBTransaction1`), each a unit of its own that is committed at
// once or rolled back and rethrown as db::DbError; the lists run in the read
// transaction (`Read`).
class VehicleRepository
{
public:
    explicit VehicleRepository(TDataModule1 &data) : m_data(data) {}

    // The vehicle with this IDVOZ; empty when there is none.
    std::optional<VehicleRecord> load(int id);
    // Draws the identifier from GEN_VOZILO_ID, inserts and returns it.
    int insert(const VehicleRecord &vehicle);
    // Writes every field of the vehicle `vehicle.id`.
    void update(const VehicleRecord &vehicle);
    // Orders that name the vehicle as their vehicle or their trailer.
    int orderCount(int id);
    // Deletes the vehicle row only; what refers to it stays.
    void remove(int id);

    // "Popis vozila": the kind filter (0 to 4, or 5 for every kind) and
    // "Samo aktivna", ordered by make and plate.
    QVector<VehicleRecord> list(int kindFilter, bool onlyActive);
    // The vehicle selector: every vehicle except trailers.
    QVector<VehicleRecord> selectorList(bool onlyActive);
    VehicleCounters counters(int kindFilter);

    // OZNAKA of an order; empty when there is no such order.
    QString orderLabel(int orderId);

    static QString listStatement(int kindFilter, bool onlyActive);
    static QString selectorStatement(bool onlyActive);

private:
    QVector<VehicleRecord> readList(const QString &sql, int kindFilter);
    int count(const QString &sql, int kindFilter);

    TDataModule1 &m_data;
};

} // namespace kalvor
