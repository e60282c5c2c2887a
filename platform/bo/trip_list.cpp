#include "platform/bo/trip_list.h"

#include "platform/bo/argument_list.h"
#include "platform/bo/list_items.h"
#include "platform/bo/session_store.h"
#include "platform/bo/trip_search.h"
#include "platform/contract/date_text.h"
#include "platform/contract/object_id.h"
#include "platform/contract/search_text.h"
#include "platform/contract/searchable_rows.h"

#include <QCollator>
#include <QHash>

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
    QVariant name, code; // as the rows' CarName and CarCode hold them
    QString label;
    int sheets = -1; // its sheets in the period; -1 when not counted
};

const QStringList userNameExpression{
    QStringLiteral("(SELECT TRIM(COALESCE(e.\"Name\", '') || ' ' || COALESCE(e.\"LastName\", '')) "
                   "FROM employee e WHERE e.\"ID\" = t.\"UserID\")")};
// Newest first (the store orders the dates: no date conversions per comparison).
const QString newestFirst = QStringLiteral("t.\"Date\" DESC, t.\"ID\" DESC");

// A sheet's display text, its name and day (yyyy.MM.dd), made here rather
// than by the store, whose date formatting costs more than reading the row.
QString preview(const QVariant& name, const QVariant& date)
{
    // The day written digit by digit: a format string costs more than the rest of the row.
    QString day;
    if (date.typeId() == QMetaType::QDateTime) {
        int y = 0, m = 0, d = 0;
        const QDate stamp = date.toDateTime().date();
        stamp.getDate(&y, &m, &d);
        if (y >= 1000 && y <= 9999) {
            const char digits[] = {char('0' + y / 1000), char('0' + y / 100 % 10), char('0' + y / 10 % 10),
                                   char('0' + y % 10), '.', char('0' + m / 10), char('0' + m % 10), '.',
                                   char('0' + d / 10), char('0' + d % 10)};
            day = QLatin1StringView(digits, sizeof(digits));
        } else {
            day = stamp.toString(u"yyyy.MM.dd");
        }
    }
    const QString stored = name.toString();
    QString text(stored.size() + 1 + day.size(), Qt::Uninitialized);
    QChar* out = std::copy(stored.cbegin(), stored.cend(), text.data());
    *out++ = QLatin1Char(' ');
    std::copy(day.cbegin(), day.cend(), out);
    return std::move(text).trimmed();
}

// The preview is made here from the name and the date: the store gives none.
const QString noPreview = QStringLiteral("NULL");

// Sheets of one vehicle: the period's condition and values with the vehicle's.
// Sheets named by their numbers are looked up by those ("+" keeps the index
// of a vehicle's sheets out, which would read all of them).
QString vehicleCondition(qint64 id, bool byNumbers = false)
{
    if (id == 0) // two seeks in the index of a vehicle's sheets, not a read of every sheet's vehicle
        return QStringLiteral(" AND (t.\"TransportCarID\" IS NULL OR t.\"TransportCarID\" = ?)");
    return byNumbers ? QStringLiteral(" AND +t.\"TransportCarID\" = ?") : QStringLiteral(" AND t.\"TransportCarID\" = ?");
}

class TripListSource final : public vx::RowSource, public vx::SearchableRows {
public:
    TripListSource(std::weak_ptr<Session> session, QVariantList period, QList<Vehicle> vehicles, int expected)
        : session_(std::move(session)), period_(std::move(period)), vehicles_(std::move(vehicles)), expected_(expected)
    {
    }

    QList<QVariantList> next(int count) override
    {
        const SessionPtr session = session_.lock();
        if (!session)
            return {}; // the store is closed: nothing more to give
        try {
            while (ready_.size() < count && current_ < vehicles_.size())
                readOn(*session, int(count - ready_.size()));
        } catch (const StorageError& e) {
            session->reportError(e.message());
            current_ = int(vehicles_.size());
        }
        QList<QVariantList> rows = ready_.mid(0, count);
        ready_.remove(0, rows.size());
        return rows;
    }

    int expectedCount() const override { return expected_; }
    bool givesTypedRows() const override { return typed_; }

    // The list again from its start, only the sheets that may show `typed`
    // (found by the store) under the vehicles that have them or whose node shows it.
    vx::RowSourcePtr narrowed(const QString& typed) const override
    {
        const SessionPtr session = session_.lock();
        if (!session)
            return nullptr;
        if (vx::search::folded(typed).isEmpty()) // every row shows the empty text
            return std::make_shared<TripListSource>(session_, period_, vehicles_, expected_);
        try {
            auto search = std::make_shared<const TripSearch>(storeOf(*session), typed, periodCondition, period_);
            QList<Vehicle> vehicles;
            QSet<qint64> named;
            for (Vehicle v : vehicles_) {
                const bool shown = vx::search::folded(v.label).contains(search->folded());
                if (!shown && !search->mayHold(v.id))
                    continue;
                if (shown)
                    named.insert(v.id);
                v.sheets = -1; // the counts were of every sheet: read on until a vehicle's sheets run out
                vehicles << v;
            }
            const int known = search->knownSheets();
            auto source = std::make_shared<TripListSource>(session_, period_, vehicles, -1);
            source->search_ = std::move(search);
            source->named_ = std::move(named);
            if (known >= 0)
                source->expected_ = known + int(vehicles.size()); // at most: a vehicle's node and its sheets
            return source;
        } catch (const StorageError& e) {
            session->reportError(e.message());
            return nullptr;
        }
    }

private:
    static QString nodeKey(qint64 vehicleId) { return QStringLiteral("Car:") + vx::oid::make(carType, vehicleId); }

    void giveNode(const Vehicle& vehicle)
    {
        const QString carOid = vx::oid::make(carType, vehicle.id);
        ready_ << QVariantList{nodeKey(vehicle.id), 0, QString(), 1, QStringLiteral("Car"), QStringLiteral("Car"),
                               vehicle.label, carOid};
    }

    // Completes a sheet's row as read (CarName and CarCode come before the
    // UserName the statement gives).
    static void completeSheet(const Vehicle& vehicle, const QString& key, QVariantList& row)
    {
        static const int nameField = rowField(QStringLiteral("Name"));
        static const int dateField = rowField(QStringLiteral("Date"));
        static const int carNameField = rowField(QStringLiteral("CarName"));
        row[2] = key; // ParentKey
        row[6] = preview(row.at(nameField), row.at(dateField));
        row[carNameField] = vehicle.name;
        row[carNameField + 1] = vehicle.code;
    }

    static int rowField(const QString& name)
    {
        static const QList<vx::FieldDef> fields = typeListFields(tripType());
        for (int i = 0; i < fields.size(); ++i)
            if (fields.at(i).name == name)
                return i;
        return -1;
    }

    void giveSheets(QList<QVariantList>& rows)
    {
        for (QVariantList& row : rows)
            ready_ << std::move(row);
    }

    // The counted vehicles from the current one whose node and sheets fit in
    // `wanted` rows together: they are read with one statement.
    int batchEnd(int wanted) const
    {
        int end = current_, rows = 0;
        while (end < vehicles_.size() && !nodeGiven_) {
            const Vehicle& v = vehicles_.at(end);
            if (v.id == 0 || v.sheets < 0 || rows + 1 + v.sheets > wanted)
                break;
            rows += 1 + v.sheets;
            ++end;
        }
        return end;
    }

    // Reads on, never further than the rows wanted (a sheet saved meanwhile
    // is given when it comes after those given).
    void readOn(Session& session, int wanted)
    {
        const int end = batchEnd(wanted);
        if (end > current_)
            readBatch(session, end);
        else
            readPage(session, wanted);
    }

    void readBatch(Session& session, int end)
    {
        // As many marks as the next power of two, the last vehicle repeated,
        // so that few statement texts are prepared whatever the batch.
        QStringList marks;
        QVariantList values = period_;
        for (int i = current_; i < end || (marks.size() & (marks.size() - 1)) != 0; ++i) {
            marks << QStringLiteral("?");
            values << vehicles_.at(std::min(i, end - 1)).id;
        }
        const QString where = periodCondition + QStringLiteral(" AND t.\"TransportCarID\" IN (%1)").arg(marks.join(u','));
        // Each vehicle's sheets, gathered under its node's key; they come vehicle by vehicle.
        struct Sheets {
            QString key;
            QList<QVariantList> rows;
        };
        QList<Sheets> byVehicle;
        QHash<qint64, int> place; // a vehicle's place in the batch
        for (int i = current_; i < end; ++i) {
            const Vehicle& vehicle = vehicles_.at(i);
            place.insert(vehicle.id, i - current_);
            byVehicle.append({nodeKey(vehicle.id), {}});
            byVehicle.last().rows.reserve(vehicle.sheets);
        }
        static const int carColumn = 1 + tripType().columnIndex(QStringLiteral("TransportCarID"));
        qint64 lastCar = -1;
        int at = 0;
        const ListRows read = readListRows(session, tripType(), where, values, userNameExpression,
                     QStringLiteral("t.\"TransportCarID\", ") + newestFirst, 0, noPreview,
                     [&](const StoredRow& stored, QVariantList& row) {
                         if (const qint64 car = stored.value(carColumn).toLongLong(); car != lastCar) {
                             at = place.value(car);
                             lastCar = car;
                         }
                         completeSheet(vehicles_.at(current_ + at), byVehicle.at(at).key, row);
                         byVehicle[at].rows.append(std::move(row));
                     });
        typed_ = typed_ && read.typed;
        for (Sheets& sheets : byVehicle) {
            if (!sheets.rows.isEmpty()) { // unless its sheets went meanwhile
                giveNode(vehicles_.at(current_));
                giveSheets(sheets.rows);
            }
            ++current_;
        }
    }

    // The current vehicle's node, then a page of its sheets after the last one given.
    void readPage(Session& session, int wanted)
    {
        const Vehicle& vehicle = vehicles_.at(current_);
        const bool counted = vehicle.sheets >= 0;
        if (!nodeGiven_ && (counted || named_.contains(vehicle.id))) {
            giveNode(vehicle);
            nodeGiven_ = true;
            if (--wanted == 0)
                return;
        }
        QString where = periodCondition + vehicleCondition(vehicle.id, search_ && search_->byNumbers(vehicle.id));
        QVariantList values = period_;
        values << vehicle.id;
        if (search_)
            where += search_->condition(vehicle.id, values);
        if (hasLast_) {
            where += QStringLiteral(" AND (t.\"Date\" < ? OR (t.\"Date\" = ? AND t.\"ID\" < ?))");
            values << lastDate_ << lastDate_ << lastId_;
        }
        const int limit = std::max(1, wanted);
        static const int dateColumn = 1 + tripType().columnIndex(QStringLiteral("Date"));
        const QString key = nodeKey(vehicle.id);
        int given = 0;
        ListRows read =
            readListRows(session, tripType(), where, values, userNameExpression, newestFirst, limit, noPreview,
                         [&](const StoredRow& stored, QVariantList& row) {
                             completeSheet(vehicle, key, row);
                             // A full page's last sheet is where the next page goes on: its date as stored.
                             if (++given == limit) {
                                 lastDate_ = stored.value(dateColumn);
                                 lastId_ = stored.value(0).toLongLong();
                             }
                         });
        typed_ = typed_ && read.typed;
        QList<QVariantList>& items = read.rows;
        if (!nodeGiven_ && !items.isEmpty()) {
            giveNode(vehicle); // one not counted shows only once it has a sheet in the period
            nodeGiven_ = true;
        }
        if (items.size() < limit) {
            ++current_;
            nodeGiven_ = hasLast_ = false;
        } else {
            hasLast_ = true; // at the last sheet read
        }
        giveSheets(items);
    }

    std::weak_ptr<Session> session_;
    QVariantList period_;
    QList<Vehicle> vehicles_;
    int expected_ = 0;
    int current_ = 0;           // the vehicle being read
    QList<QVariantList> ready_; // rows read and not given yet
    bool typed_ = true;         // every value read so far came out of its field's type
    bool nodeGiven_ = false;    // the current vehicle's node has been given
    bool hasLast_ = false;      // and some of its sheets, the last of them this one:
    QVariant lastDate_;
    qint64 lastId_ = 0;
    std::shared_ptr<const TripSearch> search_; // the sheets searched for, when narrowed
    QSet<qint64> named_;                       // vehicles whose node shows the text searched for
};

} // namespace

namespace {

Vehicle vehicleOf(const QVariantList& row, int sheets)
{
    bool typed = true; // a text always is
    return {row.at(0).toLongLong(), typedOrAsIs(row.at(1), vx::FieldType::Text, typed),
            typedOrAsIs(row.at(2), vx::FieldType::Text, typed),
            QStringLiteral("%1 %2").arg(row.at(1).toString(), row.at(2).toString()).trimmed(), sheets};
}

// The vehicles with sheets in a bounded period, each with its count: one pass
// over the period's sheets.
QList<Vehicle> countedVehicles(Database& db, const QString& where, const QVariantList& values, int& expected)
{
    const Rows found = db.query(
        QStringLiteral("SELECT g.id, c.\"Name\", c.\"Code\", g.sheets FROM (SELECT COALESCE(t.\"TransportCarID\", 0) AS id, "
                       "COUNT(*) AS sheets FROM transport_trip t WHERE %1 GROUP BY COALESCE(t.\"TransportCarID\", 0)) g "
                       "LEFT JOIN transport_car c ON c.\"ID\" = g.id")
            .arg(where),
        values);
    QList<Vehicle> vehicles;
    for (const QVariantList& row : found.values) {
        vehicles.append(vehicleOf(row, row.at(3).toInt()));
        expected += 1 + row.at(3).toInt();
    }
    return vehicles;
}

// Every vehicle that has sheets at all, found by stepping through the index
// of sheets by vehicle (one seek per vehicle), without counting: a list with
// no lower bound would otherwise read every sheet before showing any. Which
// of them has sheets in the period is seen as their sheets are read.
QList<Vehicle> vehiclesWithSheets(Database& db)
{
    const Rows found = db.query(vehiclesWithSheetsCte() +
                                QStringLiteral("SELECT v.id, c.\"Name\", c.\"Code\" FROM v LEFT JOIN transport_car c ON c.\"ID\" = v.id "
                                               "WHERE v.id IS NOT NULL AND v.id <> 0"));
    QList<Vehicle> vehicles;
    for (const QVariantList& row : found.values)
        vehicles.append(vehicleOf(row, -1));
    if (db.scalar(QStringLiteral("SELECT 1 FROM transport_trip WHERE \"TransportCarID\" IS NULL OR \"TransportCarID\" = 0 LIMIT 1"))
            .isValid())
        vehicles.append(vehicleOf({0, QVariant(), QVariant()}, -1));
    return vehicles;
}

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
    Database& db = storeOf(session);
    const bool oneVehicle = vx::oid::isOfType(args.text(0), carType) && vx::oid::hasRecord(args.text(0));
    QList<Vehicle> vehicles;
    int expected = -1;
    if (oneVehicle || from > vx::dates::noDate()) {
        QString where = periodCondition;
        QVariantList values = period;
        if (oneVehicle) {
            where += QStringLiteral(" AND t.\"TransportCarID\" = ?");
            values << vx::oid::recordNumber(args.text(0));
        }
        expected = 0;
        vehicles = countedVehicles(db, where, values, expected);
    } else {
        vehicles = vehiclesWithSheets(db);
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
