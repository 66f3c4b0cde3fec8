#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QVector>

namespace kalvor {

// One route section of an order: a stretch with its odometer reading, its
// times and its loaded and empty kilometres.
struct SectionRow
{
    QDate date;
    double odometer = 0;
    QString relation;
    QTime departure{0, 0};  // 00:00 when not recorded
    QTime arrival{0, 0};    // 00:00 when not recorded
    QTime driving{0, 0};
    QTime waiting{0, 0};
    QTime loading{0, 0};
    QTime breakdowns{0, 0};
    QTime rests{0, 0};
    QTime stops{0, 0};
    double tractorLoaded = 0;
    double tractorEmpty = 0;
    double trailerLoaded = 0;
    double trailerEmpty = 0;
    double tractorTkm = 0;
    double trailerTkm = 0;
    double totalTkm = 0;    // tractor + trailer tonne-kilometres
    int id = -1;            // -1 for a row not stored yet
};

// Arrival minus departure; a stretch whose departure is later than its
// arrival runs past midnight: (23:59:59.999 - departure) + arrival.
QTime DrivingTime(const QTime &departure, const QTime &arrival);

// The checks of a new section, in order; empty when the row may be added.
struct SectionCheck
{
    enum Field { None, Odometer, Relation };
    QString message;
    Field focus = None;
};
SectionCheck CheckNewSection(const QString &odometerText, const QString &relationText);

// A section as entered: tonne-kilometres totalled.
SectionRow withTotalTkm(SectionRow row);

// What the sections say about the journey.
struct SectionTotals
{
    bool dateWarning = false;  // the journey ends before it starts
    QDateTime start;           // first section's date and departure
    QDateTime end;             // last section's date (moved past midnight) and arrival
    double kilometres = 0;     // "Pređeno km"
    int days = 0;              // "Dana na putu"
    double tripHours = 0;      // start to end
    double drivingHours = 0;   // sum of driving times, two decimals
    // Sums of the six times in milliseconds: driving, waiting, loading,
    // breakdowns, rests, stops.
    qint64 sums[6] = {0, 0, 0, 0, 0, 0};
    bool defined() const { return start.isValid(); }
};

// Sorts the sections by odometer reading and derives the totals; with fewer
// than two sections every figure is 0.
SectionTotals DeriveSectionTotals(QVector<SectionRow> &sections);

// A duration in milliseconds as days plus hours and minutes.
struct DaysHoursMinutes
{
    qint64 days = 0;
    int hours = 0;
    int minutes = 0;
};
DaysHoursMinutes SplitDuration(qint64 milliseconds);

// "Pogrešni podaci o datumima polaska i povratka s puta!"
QString sectionDateWarning();

// The refrigeration unit's hour meter: an end below the start swaps them;
// the consumption is litres per meter hour, none when a reading or their
// difference is 0.
void OrderMeterReadings(double &start, double &end);
bool RefrigerationConsumption(double litres, double start, double end, double *consumption);

} // namespace kalvor
