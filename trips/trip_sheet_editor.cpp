#include "trips/trip_sheet_editor.h"

#include "module/catalogue_conversions.h"
#include "module/catalogue_dialogs.h"
#include "module/module_services.h"
#include "platform/contract/clock.h"
#include "platform/contract/date_text.h"
#include "platform/contract/object_id.h"
#include "trips/carry_over.h"
#include "trips/row_value.h"
#include "trips/trip_balance.h"
#include "trips/trip_protocol.h"
#include "trips/trip_sheet_fields.h"
#include "trips/trip_sheet_hooks.h"

#include <QHash>

namespace {

const QString sheetType = QStringLiteral("O4000100");

vx::CallResult wrongArguments(const QString& method, const QString& reason)
{
    return vx::CallResult::failure(QStringLiteral("Metodas \"%1\": %2").arg(method, reason));
}

// The argument count a method expects; the typed methods check the rest.
int expectedArguments(const QString& method)
{
    static const QHash<QString, int> counts = {{QStringLiteral("FillDistanceRest"), 1},
                                               {QStringLiteral("FillCarFuelTanks"), 1},
                                               {QStringLiteral("GetLastTripFuelRest"), 3},
                                               {QStringLiteral("AddUpdateAutoNumber"), 1}};
    return counts.value(method, -1);
}

} // namespace

UIO4000100::UIO4000100() : ObjectEditor(sheetType), title_(Catalogue::MessageTitle()) {}

vx::CallResult UIO4000100::ask(const QString& callName, const QString& param)
{
    const vx::VxBusinessObjectPtr bo = BO();
    if (!bo)
        return vx::CallResult::failure(QStringLiteral("Nepasiekiamas verslo objektų sluoksnis."));
    vx::CallResult result = bo->GetProperty(callName, param, 0);
    if (result.Code != 0)
        result.Value = QVariant();
    return result;
}

vx::CallResult UIO4000100::Properties(const QString& name, const QString& param)
{
    if (name == QLatin1String("ReCalculate"))
        return reCalculate();
    if (name == QLatin1String("GetProtocol"))
        return vx::CallResult::success(Fields().isNull() ? QString() : trips::protocolText(Fields(), trips::employeeName));
    if (name == QLatin1String("TripFuelRest") || name == QLatin1String("LastTrip"))
        return ask(QStringLiteral("Get") + name, param);
    if (name == QLatin1String("CheckNumber"))
        return ask(name, param);
    if (name == QLatin1String("AutoNumberSettings"))
        return ask(QStringLiteral("Get") + name, QStringLiteral("None"));
    return ask(name, OIDR());
}

// Totals from the stored start reading and the stored route lines; a failed
// read counts as a sheet without lines, so the answer is always Code 0.
vx::CallResult UIO4000100::reCalculate()
{
    const vx::CallResult routes = ask(QStringLiteral("GetTransportTripRoutes"), OIDR());
    const trips::RouteTotals totals = trips::routeTotals(routes.Value.value<vx::RecordsetPtr>());
    const double start =
        Fields().isNull() ? 0.0 : Catalogue::DoubleOrZero(Fields().value(QStringLiteral("DistanceRest")));
    return vx::CallResult::success(QVariantList{totals.distance, start + totals.distance, totals.duration});
}

vx::CallResult UIO4000100::Methods(const QString& name, const QString& param)
{
    if (trips::isHookedMethod(name)) {
        const vx::arguments::ItemList args = vx::arguments::read(param);
        if (!args.ok())
            return wrongArguments(name, args.error);
        const trips::SheetMethod handler = trips::sheetMethod(name);
        return handler ? handler(*this, args) : trips::notAvailable(name);
    }
    const int expected = expectedArguments(name);
    if (expected < 0)
        return {};
    const vx::arguments::ItemList args = vx::arguments::read(param);
    if (!args.ok())
        return wrongArguments(name, args.error);
    if (args.size() != expected)
        return wrongArguments(name, QStringLiteral("reikia %1 parametrų, gauta %2.").arg(expected).arg(args.size()));
    return runWithArguments(name, args);
}

vx::CallResult UIO4000100::runWithArguments(const QString& name, const vx::arguments::ItemList& args)
{
    if (name == QLatin1String("FillDistanceRest"))
        return fillDistanceRest(args.text(0));
    if (name == QLatin1String("FillCarFuelTanks"))
        return fillCarFuelTanks(args.text(0));
    if (name == QLatin1String("AddUpdateAutoNumber"))
        return addUpdateAutoNumber(args.text(0));
    bool whole = false;
    const qint64 tankType = args.text(1).toLongLong(&whole);
    if (!whole)
        return wrongArguments(name, QStringLiteral("kuro bako tipas \"%1\" nėra sveikas skaičius.").arg(args.text(1)));
    QString dateText;
    if (!args.text(2).isEmpty()) {
        const std::optional<QDate> date = vx::dates::readDate(args.text(2));
        if (!date)
            return wrongArguments(name, QStringLiteral("\"%1\" nėra data.").arg(args.text(2)));
        dateText = vx::dates::toText(*date);
    }
    return lastTripFuelRest(args.text(0), tankType, dateText);
}

vx::CallResult UIO4000100::fillDistanceRest(const QString& vehicleId)
{
    const vx::CallResult last = Properties(QStringLiteral("LastTrip"), trips::latestTripArgument(vehicleId));
    if (last.Code != 0)
        return {last.Code, last.Message, false};
    const std::optional<QVariant> end = trips::previousEndReading(last.Value.value<vx::RecordsetPtr>());
    if (!end)
        return vx::CallResult::success(false);
    Fields().setValue(QStringLiteral("DistanceRest"), *end);
    return vx::CallResult::success(true);
}

// A failed rest lookup still leaves 0 in the tank (what a sheet without a
// previous one gets) but its Code and Message are handed on.
vx::CallResult UIO4000100::fillCarFuelTanks(const QString& vehicleId)
{
    const vx::VxBusinessObjectPtr bo = BO();
    if (!bo)
        return {1, QStringLiteral("Nepasiekiamas verslo objektų sluoksnis."), false};
    const vx::CallResult read = bo->CallDataObject(QStringLiteral("DO4000400_GetVxObject"), vehicleId, 0);
    if (read.Code != 0)
        return {read.Code, read.Message, false};
    const auto vehicle = read.Value.value<vx::RecordsetPtr>();
    if (!vehicle || vehicle->RecordCount() == 0)
        return vx::CallResult::success(false);

    vx::CallResult result = vx::CallResult::success(true);
    const vx::RecordFields sheet = Fields();
    const QString dateText =
        vx::dates::toText(Catalogue::DateOrDefault(sheet.value(QStringLiteral("Date")), QDate()));
    for (int tank = 1; tank <= trips::fields::tankCount; ++tank) {
        const qint64 tankType = Catalogue::LongOrZero(trips::rowValue(*vehicle, 0, trips::fields::fuelTankTypeId(tank)));
        if (tankType <= 0) {
            sheet.setValue(trips::fields::fuelTankTypeId(tank), QVariant());
            sheet.setValue(trips::fields::fuelRest(tank), 0.0);
            continue;
        }
        sheet.setValue(trips::fields::fuelTankTypeId(tank), tankType);
        const vx::CallResult rest = lastTripFuelRest(vehicleId, tankType, dateText);
        sheet.setValue(trips::fields::fuelRest(tank), Catalogue::DoubleOrZero(rest.Value));
        if (rest.Code != 0 && result.Code == 0) {
            result.Code = rest.Code;
            result.Message = rest.Message;
        }
    }
    return result;
}

vx::CallResult UIO4000100::lastTripFuelRest(const QString& vehicleId, qint64 tankTypeId, const QString& dateText)
{
    const vx::CallResult previous = Properties(
        QStringLiteral("TripFuelRest"), trips::tripFuelRestArgument(vehicleId, tankTypeId, dateText, OIDR()));
    const double rest = trips::carriedFuelRest(previous.Value.value<vx::RecordsetPtr>());
    return {previous.Code, previous.Message, rest};
}

vx::CallResult UIO4000100::addUpdateAutoNumber(const QString& settings)
{
    const vx::VxBusinessObjectPtr bo = BO();
    if (!bo)
        return vx::CallResult::failure(QStringLiteral("Nepasiekiamas verslo objektų sluoksnis."));
    const vx::Status status = bo->RunMethod(QStringLiteral("AddUpdateAutoNumber"), settings, 0);
    return {status.Code, status.Message, QVariant()};
}

vx::Status UIO4000100::Save(const vx::RecordsetPtr& rs2, const vx::RecordsetPtr& rs3)
{
    if (!Fields().isNull()) {
        stampAudit();
        if (const trips::AutoNumberDerivation& derive = trips::autoNumberDerivation())
            derive(*this);
    }
    return ObjectEditor::Save(rs2, rs3);
}

// The first save names its creator; every later one its modifier and the
// moment, the moment even when nobody is logged in.
void UIO4000100::stampAudit()
{
    const vx::VxSPtr services = module::services();
    const QString user = services ? services->Environment().CurrentUser().ID : QString();
    const QVariant userNumber = user.isEmpty() ? QVariant() : QVariant(vx::oid::recordNumber(user));
    const vx::RecordFields sheet = Fields();
    const bool saved = Catalogue::DateTimeOrDefault(sheet.value(QStringLiteral("CreationDate")), QDateTime()).isValid();
    if (!saved) {
        if (userNumber.isValid())
            sheet.setValue(QStringLiteral("CreatedByUserID"), userNumber);
        return;
    }
    if (userNumber.isValid())
        sheet.setValue(QStringLiteral("ModifiedByUserID"), userNumber);
    sheet.setValue(QStringLiteral("ModifyDate"), vx::clock::now());
}
