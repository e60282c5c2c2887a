// The demo fleet's trip sheets: each vehicle's days are driven one by one,
// with its usual runs, refuelling when a tank runs low, and every sheet
// starting where the previous one ended: the speedometer at its end reading,
// each tank at its measured rest when one was given, else at its rest by norms.

#include "platform/bo/demo_seed_parts.h"

#include <algorithm>
#include <cmath>

namespace bo::demo {
namespace {

using Run = QList<QStringList>; // segment codes driven on each day of a run

QList<Run> runsOf(const QString& kind)
{
    if (kind == QLatin1String("VLK"))
        return {
            {{QStringLiteral("V-K"), QStringLiteral("K-Kl")}, {QStringLiteral("Kl-K"), QStringLiteral("K-V")}},
            {{QStringLiteral("V-Š"), QStringLiteral("Š-V")}},
            {{QStringLiteral("V-K"), QStringLiteral("K-M"), QStringLiteral("M-S")},
             {QStringLiteral("S-M"), QStringLiteral("M-K"), QStringLiteral("K-V")}},
            {{QStringLiteral("V-P"), QStringLiteral("P-V")}},
            {{QStringLiteral("V-K"), QStringLiteral("K-V")}},
        };
    if (kind == QLatin1String("MAB"))
        return {
            {{QStringLiteral("V-K"), QStringLiteral("K-V")}},
            {{QStringLiteral("V-U"), QStringLiteral("U-V")}},
            {{QStringLiteral("V-P"), QStringLiteral("P-V")}},
            {{QStringLiteral("MIE"), QStringLiteral("MIE")}},
            {{QStringLiteral("MIE")}},
        };
    return {
        {{QStringLiteral("MIE")}},
        {{QStringLiteral("MIE"), QStringLiteral("MIE")}},
        {{QStringLiteral("V-K"), QStringLiteral("K-V")}},
        {{QStringLiteral("V-U"), QStringLiteral("U-V")}},
    };
}

bool isWinter(const QDate& day)
{
    return day.month() >= 11 || day.month() <= 3;
}

struct Line {
    QDate day;
    const Segment* segment = nullptr;
    const Norm* norm = nullptr;
    int tank = 0; // index into the sheet's tanks
    qint64 userId = 0;
    QString note;

    double fuel() const { return norm->perDistance * segment->distance / 100.0 + norm->perHour * segment->duration; }
};

struct Cheque {
    QDate day;
    int tank = 0;
    QString number;
    qint64 firmId = 0;
    qint64 fuelTypeId = 0;
    double amount = 0;
    double sum = 0;
    qint64 currencyId = 0;
    bool cash = false;
};

struct Sheet {
    int vehicle = 0;
    QDate from;
    QDate to; // null = still open
    qint64 userId = 0;
    double distanceRest = 0;
    double distanceEnd = 0;
    QList<qint64> tankTypes;
    QList<double> fuelRest;
    QList<bool> measured;
    QList<double> finalRest;
    QList<Line> lines;
    QList<Cheque> cheques;

    // Fuel received and used by norms on this sheet for tank n, added up in the order the sheet lists them.
    double received(int n) const
    {
        double sum = 0;
        for (const Cheque& c : cheques)
            if (c.tank == n)
                sum += c.amount;
        return sum;
    }
    double used(int n) const
    {
        double sum = 0;
        for (const Line& l : lines)
            if (l.tank == n)
                sum += l.fuel();
        return sum;
    }
};

// Drives one vehicle through the period and writes down its sheets.
class Driving {
public:
    Driving(Random& random, const Catalogues& c, const Parties& p, const Vehicle& v, int index)
        : random_(random), c_(c), p_(p), v_(v), m_(*v.model), index_(index)
    {
        for (const Tank& tank : m_.tanks)
            level_ << std::round(tank.capacity * random_.between(0.4, 0.8) * 10.0) / 10.0;
        reading_ = m_.firstReading + random_.between(0, 500);
    }

    QList<Sheet> drive(const Period& period)
    {
        QList<Sheet> sheets;
        QDate day = period.first.addDays(random_.between(0, 3));
        while (day <= period.today) {
            const QDate end = day.addDays(random_.between(m_.sheetDaysMin, m_.sheetDaysMax) - 1);
            sheets << sheet(day, end > period.today ? QDate() : end, std::min(end, period.today));
            day = end.addDays(1);
        }
        return sheets;
    }

private:
    // The driver appointed on the day (the latest open appointment wins), now
    // and then replaced by another driver for the whole sheet.
    qint64 driverOn(const QDate& day)
    {
        qint64 driver = 0;
        for (const Vehicle::Assignment& a : v_.drivers) {
            if (a.from > day)
                continue;
            if (!a.to.isValid())
                driver = a.userId;
            else if (a.to >= day && driver == 0)
                driver = a.userId;
        }
        if (random_.chance(0.07)) {
            QList<qint64> others = p_.drivers;
            others.removeAll(driver);
            return random_.pick(others);
        }
        return driver;
    }

    bool works(const QDate& day)
    {
        const int weekday = day.dayOfWeek();
        if (weekday == 7 || (weekday == 6 && !(m_.worksSaturdays && random_.chance(0.4))))
            return false;
        return !random_.chance(0.08);
    }

    int tankFor()
    {
        if (m_.tanks.size() < 2)
            return 0;
        return random_.chance(m_.tanks.at(0).share) ? 0 : 1;
    }

    QStringList nextDay()
    {
        if (pending_.isEmpty())
            pending_ = random_.pick(runsOf(m_.kind));
        return pending_.takeFirst();
    }

    void driveDay(Sheet& s, const QDate& day)
    {
        const QStringList codes = nextDay();
        QList<double> need(m_.tanks.size(), 0.0);
        bool abroad = false;
        for (const QString& code : codes) {
            Line line;
            line.day = day;
            line.segment = &*c_.segments.constFind(code);
            line.tank = tankFor();
            const Tank& tank = m_.tanks.at(line.tank);
            line.norm = &*c_.norms.constFind(isWinter(day) ? tank.winterNorm : tank.summerNorm);
            line.userId = s.userId;
            if (random_.chance(0.05))
                line.note = QStringLiteral("Papildomas pakrovimas");
            need[line.tank] += line.fuel();
            abroad = abroad || code == QLatin1String("M-S") || code == QLatin1String("S-M");
            s.lines << line;
        }
        for (int n = 0; n < m_.tanks.size(); ++n) {
            if (level_.at(n) - need.at(n) < m_.tanks.at(n).capacity * 0.25)
                refuel(s, day, n, abroad);
            level_[n] -= need.at(n);
        }
    }

    void refuel(Sheet& s, const QDate& day, int n, bool abroad)
    {
        const Tank& tank = m_.tanks.at(n);
        QString fuel = tank.code;
        if (fuel == QLatin1String("A95") && random_.chance(0.15))
            fuel = QStringLiteral("A98");
        Cheque c;
        c.day = day;
        c.tank = n;
        c.number = QString::number(random_.between(100000, 999999));
        c.fuelTypeId = c_.fuelTypes.value(fuel);
        c.amount = round2(std::max(5.0, tank.capacity - level_.at(n) - random_.between(0.0, 0.05 * tank.capacity)));
        const bool foreign = abroad && fuel == QLatin1String("DT");
        c.firmId = foreign ? p_.foreignSeller : random_.pick(p_.homeSellers);
        c.currencyId = foreign ? p_.pln : p_.eur;
        c.sum = round2(c.amount * std::round(pricePerLitre(fuel, foreign) * 1000.0) / 1000.0);
        c.cash = random_.chance(m_.kind == QLatin1String("LA") ? 0.4 : m_.kind == QLatin1String("MAB") ? 0.15 : 0.03);
        level_[n] += c.amount;
        s.cheques << c;
    }

    double pricePerLitre(const QString& fuel, bool inZloty)
    {
        if (inZloty)
            return random_.between(6.05, 6.35);
        if (fuel == QLatin1String("DT"))
            return random_.between(1.42, 1.56);
        if (fuel == QLatin1String("A95"))
            return random_.between(1.55, 1.68);
        if (fuel == QLatin1String("A98"))
            return random_.between(1.72, 1.82);
        return random_.between(0.72, 0.82);
    }

    Sheet sheet(const QDate& from, const QDate& to, const QDate& lastDay)
    {
        Sheet s;
        s.vehicle = index_;
        s.from = from;
        s.to = to;
        s.userId = driverOn(from);
        for (int n = 0; n < m_.tanks.size(); ++n) {
            s.tankTypes << c_.tankTypes.value(m_.tanks.at(n).code);
            s.fuelRest << level_.at(n);
            s.measured << false;
            s.finalRest << 0.0;
        }
        for (QDate day = from; day <= lastDay; day = day.addDays(1))
            if (works(day))
                driveDay(s, day);
        if (s.lines.isEmpty())
            driveDay(s, from);

        double route = 0;
        for (const Line& l : s.lines)
            route += l.segment->distance;
        s.distanceRest = reading_;
        s.distanceEnd = reading_ + route + (random_.chance(0.15) ? random_.between(3, 40) : 0);
        reading_ = s.distanceEnd;

        // What the next sheet starts with: the rest by norms, or the rest measured at the end.
        for (int n = 0; n < m_.tanks.size(); ++n) {
            const double byNorms = s.fuelRest.at(n) + s.received(n) - s.used(n);
            level_[n] = byNorms;
            if (to.isValid() && random_.chance(0.12)) {
                s.measured[n] = true;
                s.finalRest[n] = std::max(0.0, std::round((byNorms + random_.between(-4.0, 2.0)) * 10.0) / 10.0);
                level_[n] = s.finalRest.at(n);
            }
        }
        return s;
    }

    Random& random_;
    const Catalogues& c_;
    const Parties& p_;
    const Vehicle& v_;
    const VehicleModel& m_;
    int index_;
    QList<double> level_; // litres in each tank
    double reading_ = 0;  // speedometer
    Run pending_;         // the rest of the run under way
};

// Tank n's value, or `none` for a vehicle without that tank.
template <typename T>
QVariant tankValue(const QList<T>& values, int n, const QVariant& none)
{
    return n < values.size() ? QVariant(values.at(n)) : none;
}

qint64 saveSheet(Writer& writer, const Sheet& s, const Vehicle& v, const QString& number, int counter, qint64 userId)
{
    return writer.create(u"O4000100", {{u"Name", number},
                                       {u"AutoNumber", counter},
                                       {u"Date", QDateTime(s.from, QTime(0, 0))},
                                       {u"DateTo", s.to.isValid() ? QVariant(QDateTime(s.to, QTime(0, 0))) : QVariant()},
                                       {u"TransportCarID", v.id},
                                       {u"UserID", s.userId},
                                       {u"DistanceRest", s.distanceRest},
                                       {u"DistanceEnd", s.distanceEnd},
                                       {u"FuelTankTypeID1", tankValue(s.tankTypes, 0, QVariant())},
                                       {u"FuelTankTypeID2", tankValue(s.tankTypes, 1, QVariant())},
                                       {u"FuelRest1", tankValue(s.fuelRest, 0, 0.0)},
                                       {u"FuelRest2", tankValue(s.fuelRest, 1, 0.0)},
                                       {u"FinalRest1Indication", s.measured.value(0) ? 1 : 0},
                                       {u"FinalRest2Indication", s.measured.value(1) ? 1 : 0},
                                       {u"FinalRest1", tankValue(s.finalRest, 0, 0.0)},
                                       {u"FinalRest2", tankValue(s.finalRest, 1, 0.0)},
                                       {u"CreatedByUserID", userId > 0 ? QVariant(userId) : QVariant()}});
}

void saveEntries(Writer& writer, const Sheet& s, qint64 sheetId)
{
    for (const Line& l : s.lines)
        writer.create(u"O4000200", {{u"TransportTripID", sheetId},
                                    {u"TransportRouteID", l.segment->id},
                                    {u"TransportFuelNormID", l.norm->id},
                                    {u"FuelNormByDistance", l.norm->perDistance},
                                    {u"FuelNormByDuration", l.norm->perHour},
                                    {u"UserID", l.userId},
                                    {u"Date", QDateTime(l.day, QTime(0, 0))},
                                    {u"Distance", l.segment->distance},
                                    {u"Duration", l.segment->duration},
                                    {u"Note", l.note.isEmpty() ? QVariant() : l.note}});
    for (const Cheque& c : s.cheques)
        writer.create(u"O4000300", {{u"TransportTripID", sheetId},
                                    {u"Date", c.day},
                                    {u"Name", c.number},
                                    {u"FirmID", c.firmId},
                                    {u"TransportFuelTypeID", c.fuelTypeId},
                                    {u"FuelAmount", c.amount},
                                    {u"SumCurr", c.sum},
                                    {u"CurrencyID", c.currencyId},
                                    {u"CashFlag", c.cash ? 1 : 0}});
}

} // namespace

void seedTrips(Writer& writer, Random& random, const Catalogues& c, const Parties& p, QList<Vehicle>& vehicles,
               const Period& period, qint64 userId)
{
    QList<Sheet> sheets;
    for (int i = 0; i < vehicles.size(); ++i) {
        const QList<Sheet> own = Driving(random, c, p, vehicles.at(i), i).drive(period);
        for (const Sheet& s : own)
            vehicles[i].readings.insert(s.from, s.distanceRest);
        vehicles[i].readings.insert(period.today.addDays(1), own.last().distanceEnd);
        sheets << own;
    }
    // Numbered in date order as the auto-numbering would: "KL", the date, a counter per year.
    std::stable_sort(sheets.begin(), sheets.end(), [](const Sheet& a, const Sheet& b) { return a.from < b.from; });
    int year = 0;
    int counter = 0;
    for (const Sheet& s : sheets) {
        if (s.from.year() != year) {
            year = s.from.year();
            counter = 0;
        }
        ++counter;
        const QString number = QStringLiteral("KL-%1-%2").arg(s.from.toString(QStringLiteral("yyMMdd"))).arg(counter, 4, 10, QLatin1Char('0'));
        saveEntries(writer, s, saveSheet(writer, s, vehicles.at(s.vehicle), number, counter, userId));
    }
}

} // namespace bo::demo
