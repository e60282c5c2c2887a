// A large believable fleet for measuring the store: rows are written with
// prepared statements in batches, not through the editors, so a million trip
// sheets take minutes. The demo seed gives the catalogues they refer to.

#include "platform/bo/fleet_generator.h"

#include "platform/bo/demo_seed.h"
#include "platform/bo/demo_seed_parts.h"
#include "platform/bo/session_store.h"
#include "platform/bo/sql_dialect.h"
#include "platform/bo/trip_search_text.h"

#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <cmath>
#include <memory>

namespace bo {
namespace {

constexpr int sheetsPerBatch = 20000;

// One prepared insert of explicit rows; ids are given, so no engine has to hand them back.
class Insert {
public:
    Insert(Database& db, const QString& sql) : db_(db), query_(db.connection())
    {
        if (!query_.prepare(sql))
            throw StorageError(query_.lastError().text());
    }

    void run(const QVariantList& values)
    {
        for (int i = 0; i < values.size(); ++i)
            query_.bindValue(i, db_.dialect().bindValue(values.at(i)));
        if (!query_.exec())
            throw StorageError(query_.lastError().text());
    }

private:
    Database& db_;
    QSqlQuery query_;
};

struct Route {
    qint64 id = 0;
    double distance = 0;
    double duration = 0;
};

struct Norm {
    qint64 id = 0;
    double perDistance = 0;
    double perHour = 0;
    qint64 fuelType = 0;
    qint64 tankType = 0;
};

struct Catalogues {
    QList<Route> routes;
    QList<Norm> norms;
    QList<qint64> drivers, sellers, groups, carTypes;
    qint64 currency = 0;
};

QList<qint64> ids(Database& db, const QString& sql)
{
    QList<qint64> found;
    for (const QVariantList& row : db.query(sql).values)
        found << row.at(0).toLongLong();
    if (found.isEmpty())
        throw StorageError(QStringLiteral("Generuoti nėra iš ko: demonstracinių katalogų įrašų trūksta."));
    return found;
}

Catalogues readCatalogues(Database& db)
{
    Catalogues c;
    for (const QVariantList& r : db.query(QStringLiteral("SELECT \"ID\", \"Distance\", \"Duration\" FROM ref_route "
                                                         "WHERE COALESCE(\"GroupFlag\", 0) = 0 AND \"Distance\" > 0 ORDER BY \"ID\""))
                                     .values)
        c.routes.append({r.at(0).toLongLong(), r.at(1).toDouble(), r.at(2).toDouble()});
    for (const QVariantList& r :
         db.query(QStringLiteral("SELECT n.\"ID\", n.\"Value\", n.\"DurationValue\", n.\"TransportFuelTypeID\", "
                                 "ft.\"TransportFuelTankTypeID\" FROM ref_fuel_norm n JOIN ref_fuel_type ft "
                                 "ON ft.\"ID\" = n.\"TransportFuelTypeID\" WHERE COALESCE(n.\"GroupFlag\", 0) = 0 "
                                 "AND n.\"Value\" > 0 AND ft.\"TransportFuelTankTypeID\" IS NOT NULL ORDER BY n.\"ID\""))
             .values)
        c.norms.append({r.at(0).toLongLong(), r.at(1).toDouble(), r.at(2).toDouble(), r.at(3).toLongLong(), r.at(4).toLongLong()});
    if (c.routes.isEmpty() || c.norms.isEmpty())
        throw StorageError(QStringLiteral("Generuoti nėra iš ko: trūksta maršrutų atkarpų arba kuro normų."));
    c.drivers = ids(db, QStringLiteral("SELECT \"ID\" FROM employee WHERE \"DriverFlag\" = 1 ORDER BY \"ID\""));
    c.sellers = ids(db, QStringLiteral("SELECT \"ID\" FROM firm WHERE COALESCE(\"GroupFlag\", 0) = 0 ORDER BY \"ID\""));
    c.groups = ids(db, QStringLiteral("SELECT \"ID\" FROM transport_car WHERE \"GroupFlag\" = 1 ORDER BY \"ID\""));
    c.carTypes = ids(db, QStringLiteral("SELECT \"ID\" FROM ref_car_type WHERE COALESCE(\"GroupFlag\", 0) = 0 ORDER BY \"ID\""));
    c.currency = ids(db, QStringLiteral("SELECT \"ID\" FROM currency WHERE \"BaseCurrency\" = 1 ORDER BY \"ID\"")).first();
    return c;
}

qint64 nextId(Database& db, const QString& table)
{
    return db.scalar(QStringLiteral("SELECT COALESCE(MAX(\"ID\"), 0) + 1 FROM %1").arg(table)).toLongLong();
}

const QStringList makes = {QStringLiteral("MAN TGX"),      QStringLiteral("Volvo FH"),    QStringLiteral("Scania R450"),
                           QStringLiteral("DAF XF"),       QStringLiteral("Iveco Daily"), QStringLiteral("Mercedes Sprinter"),
                           QStringLiteral("Renault Master"), QStringLiteral("Škoda Octavia")};

// A plate of three letters and three digits, different for every vehicle number.
QString plateOf(int n)
{
    const QString letters = QStringLiteral("ABCDEFGHJKLMNPRSTUVZ");
    const int l = int(letters.size());
    return QStringLiteral("%1%2%3 %4")
        .arg(letters.at(n / (l * l) % l))
        .arg(letters.at(n / l % l))
        .arg(letters.at(n % l))
        .arg((n * 37) % 1000, 3, 10, QLatin1Char('0'));
}

class Generator {
public:
    Generator(Session& session, const FleetSize& size, const std::function<void(const GeneratedFleet&)>& progress)
        : db_(storeOf(session)), size_(size), progress_(progress), random_(size.seed), c_(readCatalogues(db_))
    {
    }

    GeneratedFleet run()
    {
        const QDate first = size_.today.addYears(-size_.years).addDays(1);
        qint64 carId = nextId(db_, QStringLiteral("transport_car"));
        tripId_ = nextId(db_, QStringLiteral("transport_trip"));
        lineId_ = nextId(db_, QStringLiteral("transport_trip_route"));
        chequeId_ = nextId(db_, QStringLiteral("transport_cheque"));
        const qint64 carNormId = nextId(db_, QStringLiteral("transport_car_fuel_norm"));
        begin();
        for (int v = 0; v < size_.vehicles; ++v) {
            // Every 25th vehicle is new: about twenty sheets in its last weeks.
            const QDate start = v % 25 == 24 ? size_.today.addDays(-30) : first.addDays(random_.between(0, 20));
            const Norm& norm = c_.norms.at(v % c_.norms.size());
            const qint64 car = carId++;
            cars_->run({car, random_.pick(c_.groups), 0, QStringLiteral("O4000400"),
                        makes.at(v % makes.size()), plateOf(v), random_.pick(c_.carTypes), norm.tankType});
            carNorms_->run({carNormId + v, car, norm.id});
            drive(car, norm, start);
            ++made_.vehicles;
        }
        commit();
        if (db_.engine() == Engine::Postgres)
            for (const char* table : {"transport_car", "transport_car_fuel_norm", "transport_trip", "transport_trip_route",
                                      "transport_cheque"})
                db_.query(QStringLiteral("SELECT setval(pg_get_serial_sequence('%1', 'ID'), (SELECT MAX(\"ID\") FROM %1))")
                              .arg(QString::fromLatin1(table)));
        return made_;
    }

private:
    void begin()
    {
        transaction_ = std::make_unique<Transaction>(db_);
        cars_ = std::make_unique<Insert>(db_, QStringLiteral(
            "INSERT INTO transport_car (\"ID\", \"ParentID\", \"GroupFlag\", \"OType\", \"Name\", \"Code\", \"TypeID\", "
            "\"FuelTankTypeID1\") VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
        carNorms_ = std::make_unique<Insert>(db_, QStringLiteral(
            "INSERT INTO transport_car_fuel_norm (\"ID\", \"TransportCarID\", \"TransportFuelNormID\") VALUES (?, ?, ?)"));
        sheets_ = std::make_unique<Insert>(db_, QStringLiteral(
            "INSERT INTO transport_trip (\"ID\", \"GroupFlag\", \"OType\", \"Name\", \"AutoNumber\", \"Date\", \"DateTo\", "
            "\"TransportCarID\", \"UserID\", \"DistanceRest\", \"DistanceEnd\", \"FuelTankTypeID1\", \"FuelRest1\", "
            "\"FinalRest1Indication\", \"FinalRest1\", \"FuelRest2\", \"FinalRest2Indication\", \"FinalRest2\", \"SearchText\") "
            "VALUES (?, 0, 'O4000100', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 0, 0, ?)"));
        lines_ = std::make_unique<Insert>(db_, QStringLiteral(
            "INSERT INTO transport_trip_route (\"ID\", \"TransportTripID\", \"TransportRouteID\", \"TransportFuelNormID\", "
            "\"FuelNormByDistance\", \"FuelNormByDuration\", \"UserID\", \"Date\", \"Distance\", \"Duration\") "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        cheques_ = std::make_unique<Insert>(db_, QStringLiteral(
            "INSERT INTO transport_cheque (\"ID\", \"GroupFlag\", \"OType\", \"TransportTripID\", \"Name\", \"Date\", "
            "\"FirmID\", \"TransportFuelTypeID\", \"FuelAmount\", \"SumCurr\", \"CurrencyID\", \"CashFlag\") "
            "VALUES (?, 0, 'O4000300', ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    }

    void commit()
    {
        cars_.reset();
        carNorms_.reset();
        sheets_.reset();
        lines_.reset();
        cheques_.reset();
        transaction_->commit();
        transaction_.reset();
        if (progress_)
            progress_(made_);
    }

    void drive(qint64 car, const Norm& norm, QDate day)
    {
        double reading = random_.between(10000, 400000);
        double fuel = 200;
        const qint64 driver = random_.pick(c_.drivers);
        while (day <= size_.today) {
            const QDate to = std::min(day.addDays(random_.between(0, 1)), size_.today);
            const qint64 sheet = tripId_++;
            const double start = reading, rest = fuel;
            // The sheet's lines and cheques name it, so they are stored after it.
            QList<QVariantList> lines, cheques;
            for (QDate d = day; d <= to; d = d.addDays(1)) {
                for (int n = random_.between(1, 3); n > 0; --n) {
                    const Route& route = random_.pick(c_.routes);
                    lines.append({lineId_++, sheet, route.id, norm.id, norm.perDistance, norm.perHour, driver,
                                 QDateTime(d, QTime(6 + 3 * n, 0)), route.distance, route.duration});
                    reading += route.distance;
                    fuel -= norm.perDistance * route.distance / 100.0 + norm.perHour * route.duration;
                    ++made_.routeLines;
                }
                if (fuel < 150) {
                    const double litres = std::round(random_.between(200.0, 400.0));
                    cheques.append({chequeId_, sheet, QStringLiteral("%1").arg(chequeId_, 8, 10, QLatin1Char('0')), d,
                                   random_.pick(c_.sellers), norm.fuelType, litres, demo::round2(litres * 1.45),
                                   c_.currency, random_.chance(0.1) ? 1 : 0});
                    ++chequeId_;
                    fuel += litres;
                    ++made_.cheques;
                }
            }
            fuel = demo::round2(fuel);
            const int counter = ++counters_[day.year()];
            const QString name =
                QStringLiteral("KL-%1-%2").arg(day.toString(QStringLiteral("yyMMdd"))).arg(counter, 6, 10, QLatin1Char('0'));
            const QDateTime from(day, QTime(0, 0)), until(to, QTime(0, 0));
            sheets_->run({sheet, name, counter, from, until, car, driver, start, reading, norm.tankType, rest, 0, fuel,
                          tripSearchText(name, from, until, start, reading, QVariant())});
            for (const QVariantList& line : lines)
                lines_->run(line);
            for (const QVariantList& cheque : cheques)
                cheques_->run(cheque);
            if (++made_.sheets % sheetsPerBatch == 0) {
                commit();
                begin();
            }
            day = to.addDays(1);
        }
    }

    Database& db_;
    FleetSize size_;
    std::function<void(const GeneratedFleet&)> progress_;
    demo::Random random_;
    Catalogues c_;
    GeneratedFleet made_;
    qint64 tripId_ = 0, lineId_ = 0, chequeId_ = 0;
    QHash<int, int> counters_;
    std::unique_ptr<Transaction> transaction_;
    std::unique_ptr<Insert> cars_, carNorms_, sheets_, lines_, cheques_;
};

} // namespace

GeneratedFleet generateFleet(Session& session, const FleetSize& size, const std::function<void(const GeneratedFleet&)>& progress)
{
    if (size.vehicles <= 0 || size.years <= 0 || !size.today.isValid())
        throw StorageError(QStringLiteral("Generuoti reikia bent vieno automobilio ir bent vienerių metų."));
    seedDemo(session, size.today);
    return Generator(session, size, progress).run();
}

} // namespace bo
