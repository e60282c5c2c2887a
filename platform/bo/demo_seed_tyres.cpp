// The demo fleet's tyres: a tractor's six on two axles for the whole period;
// minibuses and cars change their four when the season turns within it.

#include "platform/bo/demo_seed_parts.h"

#include <cmath>

namespace bo::demo {
namespace {

struct Position {
    int axle;
    int side;     // 0 left, 1 right
    int position; // 1 inner, 2 outer
};

QList<Position> positions(const VehicleModel& m)
{
    if (m.kind == QLatin1String("VLK"))
        return {{1, 0, 1}, {1, 1, 1}, {2, 0, 1}, {2, 0, 2}, {2, 1, 1}, {2, 1, 2}};
    return {{1, 0, 1}, {1, 1, 1}, {2, 0, 1}, {2, 1, 1}};
}

// Tyres are changed for winter from late October and for summer from late March.
bool inChangeWindow(const QDate& day)
{
    return (day.month() == 10 && day.day() >= 20) || (day.month() == 11 && day.day() <= 10) ||
           (day.month() == 3 && day.day() >= 25) || (day.month() == 4 && day.day() <= 15);
}

bool winterSeason(const QDate& day)
{
    return day.month() >= 11 || day.month() <= 3 || (day.month() == 10 && day.day() >= 20);
}

// The first day of the season `day` is in.
QDate seasonStart(const QDate& day)
{
    if (!winterSeason(day))
        return QDate(day.year(), 3, 25);
    return QDate(day.month() >= 10 ? day.year() : day.year() - 1, 10, 20);
}

// A day within the period when tyres are changed for the season; null when the period has none.
QDate seasonalChange(Random& random, const Period& period)
{
    QList<QDate> days;
    for (QDate day = period.first.addDays(14); day <= period.today.addDays(-7); day = day.addDays(1))
        if (inChangeWindow(day))
            days << day;
    return days.isEmpty() ? QDate() : days.at(random.between(0, std::min(10, int(days.size()) - 1)));
}

QString seasonName(bool winter)
{
    return winter ? QStringLiteral("Žieminė") : QStringLiteral("Vasarinė");
}

class TyreShop {
public:
    TyreShop(Writer& writer, Random& random, const Catalogues& c) : writer_(writer), random_(random), c_(c)
    {
        trucks_ = writer.group(u"O4000800", QStringLiteral("Vilkikų padangos"));
        others_ = writer.group(u"O4000800", QStringLiteral("Mikroautobusų ir lengvųjų padangos"));
    }

    // Buys a set for the vehicle and mounts it from `from` until `to` (null = still on).
    void mountSet(const Vehicle& v, const QString& description, QDate from, QDate to, int runBefore)
    {
        const VehicleModel& m = *v.model;
        const bool truck = m.kind == QLatin1String("VLK");
        const qint64 brand = random_.pick(c_.tyreBrands);
        const QDate bought = from.addDays(-random_.between(3, 40));
        const double until = v.readingOn(to.isValid() ? to : v.readings.lastKey());
        const int run = int(std::lround(std::max(0.0, until - v.readingOn(from))));
        for (const Position& p : positions(m)) {
            const QString name = truck ? (p.axle == 1 ? QStringLiteral("Vairuojamoji") : QStringLiteral("Varomoji"))
                                       : description;
            const qint64 tyre = writer_.create(u"O4000800", {{u"ParentID", truck ? trucks_ : others_},
                                                            {u"OType", QStringLiteral("Tyre")},
                                                            {u"Number", QStringLiteral("P-%1").arg(++number_, 4, 10, QLatin1Char('0'))},
                                                            {u"Name", name},
                                                            {u"TyreTypeID", brand},
                                                            {u"TyreSizeID", c_.tyreSizes.value(m.tyreSize)},
                                                            {u"DateFrom", bought},
                                                            {u"MaxRun", truck ? 180000 : 60000}});
            writer_.create(u"O4000900", {{u"TransportID", v.id},
                                         {u"TyreID", tyre},
                                         {u"Axis", p.axle},
                                         {u"CarSide", p.side},
                                         {u"PositionOnAxis", p.position},
                                         {u"DateFrom", from},
                                         {u"DateTo", to.isValid() ? QVariant(to) : QVariant()},
                                         {u"TyreRunFrom", runBefore},
                                         {u"TyreRunTo", runBefore + run}});
        }
    }

private:
    Writer& writer_;
    Random& random_;
    const Catalogues& c_;
    qint64 trucks_ = 0;
    qint64 others_ = 0;
    int number_ = 0;
};

} // namespace

void seedTyres(Writer& writer, Random& random, const Catalogues& c, const QList<Vehicle>& vehicles, const Period& period)
{
    TyreShop shop(writer, random, c);
    for (const Vehicle& v : vehicles) {
        if (v.model->kind == QLatin1String("VLK")) {
            shop.mountSet(v, QString(), period.first.addDays(-random.between(60, 240)), QDate(), 0);
            continue;
        }
        const QDate change = seasonalChange(random, period);
        if (!change.isValid()) {
            shop.mountSet(v, seasonName(winterSeason(period.today)), seasonStart(period.today).addDays(random.between(0, 10)),
                          QDate(), random.between(0, 20) * 1000);
            continue;
        }
        const bool toWinter = change.month() >= 10;
        shop.mountSet(v, seasonName(!toWinter), change.addDays(-random.between(170, 200)), change,
                      random.between(0, 20) * 1000);
        shop.mountSet(v, seasonName(toWinter), change, QDate(), random.between(5, 25) * 1000);
    }
}

} // namespace bo::demo
