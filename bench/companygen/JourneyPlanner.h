#pragma once

#include "companygen/CompanyRandom.h"
#include "companygen/ReferenceData.h"
#include "orders/RouteSections.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

namespace kalvor::companygen {

// One journey of a lorry from the company's yard to a destination country
// and back: the places it passes, its route sections with odometer readings
// and times, and its stays per country.
struct Journey
{
    struct Point
    {
        QString place;
        int country = 0; // index into ReferenceData::countries()
        QDate date;
        double odometer = 0;
    };
    struct CountryStay
    {
        int country = 0;
        QDateTime entry, exit;
    };

    QDateTime departure, ret;
    int destination = 0;
    QVector<Point> points;        // one per route section, the yard first and last
    QVector<SectionRow> sections; // the points as the order's sections
    QVector<CountryStay> stays;   // the countries in the order they are driven through
    QString relation;             // "Sesvete - Graz - München - Sesvete"
    double kilometres = 0;
    bool loadedBack = false;

    double startKm() const { return points.first().odometer; }
    double endKm() const { return points.last().odometer; }
};

// Plans journeys: where to, how long, how far, in how many sections.
class JourneyPlanner
{
public:
    JourneyPlanner(const ReferenceData &reference, const QString &yard);

    // A destination country, by how often the company drives there.
    int pickDestination(CompanyRandom &random) const;
    // The journey to the country leaving on the day from the odometer
    // reading; with a trailer its loaded and empty kilometres are counted too.
    Journey plan(CompanyRandom &random, int destination, const QDate &day, double startKm, bool withTrailer) const;

private:
    const ReferenceData &m_reference;
    QString m_yard;
    int m_home = 0;
    QVector<int> m_weighted; // country indices repeated by weight
};

} // namespace kalvor::companygen
