#include "platform/bo/trip_list.h"

#include "platform/bo/argument_list.h"
#include "platform/bo/list_items.h"
#include "platform/bo/session_store.h"
#include "platform/contract/date_text.h"
#include "platform/contract/object_id.h"

#include <QCollator>

namespace bo {
namespace {

const QString carType = QStringLiteral("O4000400");
// Sheets whose Date falls within the period's two bounds.
const QString periodCondition = QStringLiteral("t.\"Date\" >= ? AND t.\"Date\" <= ?");

const ObjectType& tripType()
{
    return *objectType(QStringLiteral("O4000100"));
}

struct Vehicle {
    qint64 id = 0; // 0 gathers the sheets without a vehicle
    QVariant name, code;
    QString label;
};

// Sheets of one vehicle: the period's condition and values with the vehicle's.
QString vehicleCondition(qint64 id)
{
    return id == 0 ? QStringLiteral(" AND COALESCE(t.\"TransportCarID\", 0) = ?") : QStringLiteral(" AND t.\"TransportCarID\" = ?");
}

class TripListSource final : public vx::RowSource {
public:
    TripListSource(std::weak_ptr<Session> session, QVariantList period, QList<Vehicle> vehicles, int expected)
        : session_(std::move(session)), period_(std::move(period)), vehicles_(std::move(vehicles)), expected_(expected)
    {
    }

    QList<QVariantList> next(int count) override
    {
        QList<QVariantList> rows;
        const SessionPtr session = session_.lock();
        if (!session)
            return rows; // the store is closed: nothing more to give
        try {
            while (rows.size() < count && current_ < vehicles_.size())
                readVehicle(*session, rows, int(count - rows.size()));
        } catch (const StorageError& e) {
            session->reportError(e.message());
            current_ = int(vehicles_.size());
        }
        return rows;
    }

    int expectedCount() const override { return expected_; }

private:
    void readVehicle(Session& session, QList<QVariantList>& rows, int wanted)
    {
        const Vehicle& vehicle = vehicles_.at(current_);
        const QString carOid = vx::oid::make(carType, vehicle.id);
        const QString nodeKey = QStringLiteral("Car:") + carOid;
        if (!nodeGiven_) {
            rows << QVariantList{nodeKey, 0, QString(), 1, QStringLiteral("Car"), QStringLiteral("Car"), vehicle.label, carOid};
            nodeGiven_ = true;
            return;
        }
        QString where = periodCondition + vehicleCondition(vehicle.id);
        QVariantList values = period_;
        values << vehicle.id;
        if (!lastDate_.isNull()) {
            where += QStringLiteral(" AND (t.\"Date\" < ? OR (t.\"Date\" = ? AND t.\"ID\" < ?))");
            values << lastDate_ << lastDate_ << lastId_;
        }
        const ObjectType& type = tripType();
        QList<ListItem> items = readListItems(
            session, type, where, values,
            {QStringLiteral("(SELECT TRIM(COALESCE(e.\"Name\", '') || ' ' || COALESCE(e.\"LastName\", '')) "
                            "FROM employee e WHERE e.\"ID\" = t.\"UserID\")")},
            // Newest first (the store orders the dates: no date conversions per comparison).
            QStringLiteral("t.\"Date\" DESC, t.\"ID\" DESC"), wanted);
        for (ListItem& item : items) {
            item.extra = {vehicle.name, vehicle.code, item.extra.value(0)}; // CarName, CarCode, UserName
            rows << listRowValues(type, item, nodeKey, QStringLiteral("Trip"), QStringLiteral("Trip"));
        }
        if (items.size() < wanted) {
            ++current_;
            nodeGiven_ = false;
            lastDate_.clear();
            return;
        }
        lastDate_ = items.last().columns.at(type.columnIndex(QStringLiteral("Date")));
        lastId_ = items.last().id;
    }

    std::weak_ptr<Session> session_;
    QVariantList period_;
    QList<Vehicle> vehicles_;
    int expected_ = 0;
    int current_ = 0;       // the vehicle being read
    bool nodeGiven_ = false; // its node row has been given
    QVariant lastDate_;     // the last sheet given of it, null before the first
    qint64 lastId_ = 0;
};

} // namespace

vx::RecordsetPtr tripListRows(Session& session, const QString& param)
{
    const TypedArguments args = checkArguments(
        QStringLiteral("Kelionės lapų sąrašas"), param,
        {{QStringLiteral("P"), ArgumentType::Text}, {QStringLiteral("C"), ArgumentType::Text, true},
         {QStringLiteral("M"), ArgumentType::Text, true}, {QStringLiteral("F"), ArgumentType::Date, true},
         {QStringLiteral("T"), ArgumentType::Date, true}});
    if (!args.ok())
        throw StorageError(args.error);
    const QDate from = args.date(3).isValid() ? args.date(3) : vx::dates::noDate();
    const QDate to = args.date(4).isValid() ? args.date(4) : vx::dates::calendarEnd();
    // The last second of the end day bounds the period: a "next day" would run
    // past the calendar's end for the open end 9999.12.31.
    const QVariantList period{QDateTime(from, QTime(0, 0)), QDateTime(to, QTime(23, 59, 59))};
    QString where = periodCondition;
    QVariantList values = period;
    if (vx::oid::isOfType(args.text(0), carType) && vx::oid::hasRecord(args.text(0))) {
        where += QStringLiteral(" AND t.\"TransportCarID\" = ?");
        values << vx::oid::recordNumber(args.text(0));
    }
    const Rows found = storeOf(session).query(
        QStringLiteral("SELECT COALESCE(t.\"TransportCarID\", 0), COUNT(*), MAX(c.\"Name\"), MAX(c.\"Code\") "
                       "FROM transport_trip t LEFT JOIN transport_car c ON c.\"ID\" = t.\"TransportCarID\" "
                       "WHERE %1 GROUP BY COALESCE(t.\"TransportCarID\", 0)")
            .arg(where),
        values);
    QList<Vehicle> vehicles;
    int expected = 0;
    for (const QVariantList& row : found.values) {
        vehicles.append({row.at(0).toLongLong(), row.at(2), row.at(3),
                         QStringLiteral("%1 %2").arg(row.at(2).toString(), row.at(3).toString()).trimmed()});
        expected += 1 + row.at(1).toInt();
    }
    // Vehicles in name order; two of one name keep the order of their numbers.
    QCollator collator{QLocale(QLocale::Lithuanian, QLocale::Lithuania)};
    std::sort(vehicles.begin(), vehicles.end(), [&](const Vehicle& a, const Vehicle& b) {
        const int byName = collator.compare(a.label, b.label);
        return byName != 0 ? byName < 0 : a.id < b.id;
    });
    return vx::Recordset::create(typeListFields(tripType()),
                                 std::make_shared<TripListSource>(session.weak_from_this(), period, vehicles, expected));
}

} // namespace bo
