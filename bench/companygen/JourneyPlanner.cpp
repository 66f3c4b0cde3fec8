#include "companygen/JourneyPlanner.h"

#include <algorithm>
#include <cmath>

namespace kalvor::companygen {

namespace {

QTime minutesOfDay(int minutes)
{
    return QTime(0, 0).addSecs(qint64(std::clamp(minutes, 0, 24 * 60 - 1)) * 60);
}

} // namespace

JourneyPlanner::JourneyPlanner(const ReferenceData &reference, const QString &yard)
    : m_reference(reference), m_yard(yard)
{
    const QVector<ReferenceData::Country> &countries = reference.countries();
    for (qsizetype i = 0; i < countries.size(); ++i) {
        for (int w = 0; w < countries.at(i).entry->weight; ++w)
            m_weighted << int(i);
    }
    m_home = reference.countryIndex(QStringLiteral("Hrvatska"));
}

int JourneyPlanner::pickDestination(CompanyRandom &random) const
{
    return random.pick(m_weighted);
}

Journey JourneyPlanner::plan(CompanyRandom &random, int destination, const QDate &day, double startKm,
                             bool withTrailer) const
{
    const QVector<ReferenceData::Country> &countries = m_reference.countries();
    const CountryEntry &dest = *countries.at(destination).entry;
    Journey j;
    j.destination = destination;

    // Countries on the way there and back.
    QVector<int> route{m_home};
    for (const QString &via : dest.via)
        route << m_reference.countryIndex(via);
    if (destination != m_home)
        route << destination;
    const int transit = int(dest.via.size());

    // Length: a day or two at home, up to a fortnight to the far north.
    int days = 1;
    if (destination == m_home)
        days = random.between(1, 2);
    else if (transit <= 1)
        days = random.between(2, 4);
    else
        days = std::min(14, random.between(3, 6) + transit);
    const double perDay = random.real(380, 620);
    j.kilometres = std::round(days * perDay * (destination == m_home ? 0.7 : 1.0));

    j.departure = QDateTime(day, minutesOfDay(random.between(16, 38) * 15), Qt::UTC);
    const QDate back = day.addDays(days - 1);
    int backMinutes = random.between(48, 91) * 15;
    if (days == 1)
        backMinutes = std::max(backMinutes, j.departure.time().hour() * 60 + 8 * 60);
    j.ret = QDateTime(back, minutesOfDay(backMinutes), Qt::UTC);

    // The places: the yard, a town of each country on the way, one to three
    // places of the destination, the way back, the yard.
    QVector<Journey::Point> places;
    places.append({m_yard, m_home, {}, 0});
    for (int i = 1; i < route.size() - (destination != m_home ? 1 : 0); ++i)
        places.append({random.pick(countries.at(route.at(i)).entry->cities), route.at(i), {}, 0});
    // Sections: more for longer journeys; the places of the destination
    // share those that the way there and back leaves.
    const int n = std::clamp(2 + 2 * days + random.between(0, 4), 3, 25);
    QStringList destCities = dest.cities;
    destCities.removeAll(m_yard);
    const int stops = std::clamp((n - 2 - 2 * transit) / 2, 1, std::min(int(destCities.size()), 5));
    for (int s = 0; s < stops; ++s) {
        const QString city = destCities.takeAt(random.between(0, int(destCities.size()) - 1));
        places.append({city, destination, {}, 0});
    }
    for (int i = int(route.size()) - (destination != m_home ? 2 : 1); i >= 1; --i)
        places.append({random.pick(countries.at(route.at(i)).entry->cities), route.at(i), {}, 0});
    places.append({m_yard, m_home, {}, 0});

    QStringList relation;
    for (const Journey::Point &p : places) {
        if (relation.isEmpty() || relation.last() != p.place)
            relation << p.place;
    }
    j.relation = relation.join(QStringLiteral(" - ")).left(240);

    // The yard is the first and the last section; the others go to the
    // places in turn, several sections in one place being its deliveries.
    QVector<double> weights;
    double sum = 0;
    for (int i = 1; i < n; ++i) {
        weights << random.real(0.5, 1.5);
        sum += weights.last();
    }
    double km = startKm;
    const int lastPlace = int(places.size()) - 1;
    for (int i = 0; i < n; ++i) {
        const int at = i == 0 ? 0 : (i == n - 1 ? lastPlace : 1 + (i - 1) * (lastPlace - 1) / std::max(1, n - 2));
        Journey::Point p = places.at(at);
        if (i > 0)
            km += std::round(j.kilometres * weights.at(i - 1) / sum);
        p.odometer = km;
        p.date = day.addDays(qint64(i) * (days - 1) / (n - 1));
        j.points << p;
    }
    j.kilometres = j.endKm() - j.startKm();

    // The section rows: driving at some 65 km/h, waiting, loading where the
    // goods are, a rest after four and a half hours at the wheel.
    const int turn = n / 2;
    j.loadedBack = random.chance(0.6);
    const double tonnes = random.real(8, 24);
    for (int i = 0; i < n; ++i) {
        const Journey::Point &p = j.points.at(i);
        SectionRow s;
        s.date = p.date;
        s.odometer = p.odometer;
        const QString from = i == 0 ? QStringLiteral("Polazak") : j.points.at(i - 1).place;
        s.relation = (from == p.place ? p.place + QStringLiteral(" - istovar/utovar") : from + QStringLiteral(" - ") + p.place)
                         .left(60);
        const double distance = i == 0 ? 0 : p.odometer - j.points.at(i - 1).odometer;
        const int driving = int(std::min(600.0, distance / 65.0 * 60.0));
        const int start = random.between(20, 52) * 15;
        s.departure = minutesOfDay(start);
        s.arrival = QTime(0, 0).addSecs(qint64(start + driving) * 60 % (24 * 3600));
        s.driving = DrivingTime(s.departure, s.arrival);
        s.waiting = minutesOfDay(random.between(0, 6) * 15);
        const bool atGoods = p.country == destination || i == 1;
        s.loading = minutesOfDay(atGoods ? random.between(2, 8) * 15 : 0);
        s.rests = minutesOfDay(driving > 270 ? 45 : 0);
        s.breakdowns = minutesOfDay(random.chance(0.01) ? random.between(2, 12) * 15 : 0);
        s.stops = minutesOfDay(random.between(0, 2) * 15);
        const bool loaded = i <= turn || j.loadedBack;
        s.tractorLoaded = loaded ? distance : 0;
        s.tractorEmpty = loaded ? 0 : distance;
        s.tractorTkm = std::round(s.tractorLoaded * tonnes * (withTrailer ? 0.35 : 1.0));
        if (withTrailer) {
            s.trailerLoaded = s.tractorLoaded;
            s.trailerEmpty = s.tractorEmpty;
            s.trailerTkm = std::round(s.trailerLoaded * tonnes * 0.65);
        }
        j.sections << withTotalTkm(s);
    }

    // Stays per country: an hour or a few at home on the way out and back,
    // some hours in each country passed, the rest at the destination.
    const qint64 total = j.departure.secsTo(j.ret) / 60;
    QVector<int> order = route;
    for (int i = int(route.size()) - 2; i >= 0; --i)
        order << route.at(i);
    if (destination == m_home)
        order = {m_home};
    QVector<qint64> minutes(order.size(), 0);
    qint64 used = 0;
    const qsizetype destAt = order.indexOf(destination);
    for (qsizetype i = 0; i < order.size(); ++i) {
        if (i == destAt)
            continue;
        minutes[i] = order.at(i) == m_home ? random.between(60, 240) : random.between(180, 600);
        used += minutes[i];
    }
    if (destAt >= 0 && order.size() > 1) {
        // Short journeys get shorter transits so that the destination keeps
        // a quarter of the time.
        const double scale = used > total * 3 / 4 ? double(total * 3 / 4) / double(used) : 1.0;
        used = 0;
        for (qsizetype i = 0; i < order.size(); ++i) {
            if (i != destAt) {
                minutes[i] = std::max<qint64>(1, qint64(minutes[i] * scale));
                used += minutes[i];
            }
        }
        minutes[destAt] = total - used;
    } else {
        minutes[0] = total;
    }
    QDateTime at = j.departure;
    for (qsizetype i = 0; i < order.size(); ++i) {
        const QDateTime exit = i == order.size() - 1 ? j.ret : at.addSecs(minutes.at(i) * 60);
        j.stays.append({order.at(i), at, exit});
        at = exit;
    }
    return j;
}

} // namespace kalvor::companygen
