// The trip sheet list (UI4000100): its view period, menus and clicks.

#include "module/card_factory.h"
#include "module/catalogue_conversions.h"
#include "module/catalogue_dialogs.h"
#include "platform/contract/argument_text.h"
#include "module/controllers/menu_builder.h"
#include "module/controllers/new_trip_sheet.h"
#include "module/module_services.h"
#include "module/type_list_controllers.h"
#include "platform/contract/clock.h"
#include "platform/contract/date_text.h"
#include "platform/contract/object_id.h"

namespace {

const QString tripSheetCard = QStringLiteral("frmTransportTripsSV");

// Rows that group sheets (by date, vehicle or driver) rather than being one.
bool isGroupingNode(const QString& objectType)
{
    for (const char* kind : {"User", "Date", "Car", "Group"})
        if (objectType == QLatin1String(kind))
            return true;
    return false;
}

// The period record a host function answers with, if it answered with one.
std::optional<vx::PeriodRecord> periodIn(const vx::CallResult& answer)
{
    if (answer.Code != 0 || answer.Value.metaType() != QMetaType::fromType<vx::PeriodRecord>())
        return std::nullopt;
    return answer.Value.value<vx::PeriodRecord>();
}

} // namespace

void UI4000100::setVxS(const vx::VxSPtr& services)
{
    ListController::setVxS(services);
    if (const vx::VxSPtr stored = module::services())
        if (const auto stored_period =
                periodIn(stored->Objects().CallFunction(QStringLiteral("GetOldPeriod"), QString())))
            period_ = *stored_period;
}

QString UI4000100::listParameter(const QString& parentId, const QString& context, const QString& command)
{
    QDate from = period_.PeriodFrom;
    QDate to = period_.PeriodTo;
    if (!period_.UsePeriod) {
        from = vx::clock::today().addDays(-period_.DaysBack);
        to = vx::dates::calendarEnd();
    }
    using vx::arguments::quoted;
    return QStringList{quoted(parentId), quoted(context), quoted(command), quoted(vx::dates::toText(from)),
                       quoted(vx::dates::toText(to))}
        .join(QLatin1Char(','));
}

vx::MenuItems UI4000100::GetMenu(const QString& id, const QString& objectType, const QString&)
{
    const Catalogue::AccessRights granted = rights();
    MenuBuilder menu(MenuCaption::newTripSheet, MenuCaption::viewPeriod);
    if (isOwn(id))
        menu.addIf(granted.New, {"1", "100", "6", "100"});
    else if (isGroupingNode(objectType))
        menu.addIf(granted.New, {"1", "100"});
    else
        menu.addIf(granted.Open, {"0", "100"}).addIf(granted.New, {"1", "100"}).addIf(granted.Delete, {"4", "100"});
    return menu.add({"3"}).items();
}

vx::ClickResult UI4000100::ClickMenu(const QString& id, const QString& objectType, const QString& menuKey,
                                     const QString& context)
{
    if (menuKey == QLatin1String("0"))
        return clickOpen(id, tripSheetCard);
    if (menuKey == QLatin1String("1"))
        return clickNewTripSheet(id, objectType, context);
    if (menuKey == QLatin1String("3"))
        return clickViewPeriod();
    if (menuKey == QLatin1String("4"))
        return clickDelete(id);
    if (menuKey == QLatin1String("6"))
        return clickTransportSettings();
    return {};
}

bool UI4000100::AddToDeskTopVxObject(const QString& id)
{
    return addToDesktop(openCard(id, tripSheetCard));
}

// A new sheet takes what the clicked row stands for: its date, its vehicle,
// its driver, or (a sheet) the vehicle and driver of that sheet.
vx::ClickResult UI4000100::clickNewTripSheet(const QString& id, const QString& objectType, const QString& context)
{
    const vx::VxObjectUIOPtr sheet = GetVxObject(typeId());
    if (!sheet)
        return {};
    NewTripSheet::startBlank(*sheet);
    const vx::RecordFields fields = sheet->Fields();
    if (objectType == QLatin1String("Date")) {
        if (const auto date = vx::dates::readDateTime(context))
            fields.setValue(QStringLiteral("Date"), *date);
    } else if (objectType == QLatin1String("Car")) {
        fields.setValue(QStringLiteral("TransportCarID"), vx::oid::recordNumber(context));
    } else if (objectType == QLatin1String("User")) {
        fields.setValue(QStringLiteral("UserID"), vx::oid::recordNumber(context));
    } else if (objectType == QLatin1String("Trip")) {
        if (const vx::VxObjectUIOPtr clicked = GetVxObject(id))
            for (const QString& field : {QStringLiteral("TransportCarID"), QStringLiteral("UserID")})
                fields.setValue(field, clicked->Fields().value(field));
    }
    NewTripSheet::finish(*sheet);
    return showCard(module::createCard(tripSheetCard, sheet));
}

vx::ClickResult UI4000100::clickViewPeriod()
{
    const vx::VxSPtr services = module::services();
    if (!services)
        return {};
    const vx::CallResult answer = services->Objects().CallFunction(QStringLiteral("GetNewPeriod"), QString());
    if (answer.Code != 0) {
        Catalogue::ShowError(answer.Message, title());
        return {};
    }
    const auto chosen = periodIn(answer);
    if (!chosen || *chosen == period_)
        return {};
    period_ = *chosen;
    return {vx::ActionReloadList, QVariant()};
}

// The settings card is shown on the desktop rather than in the click result.
vx::ClickResult UI4000100::clickTransportSettings()
{
    const vx::VxObjectUIOPtr settings = GetVxObject(QString());
    if (!settings)
        return {};
    settings->setOIDR(settings->OID() + QStringLiteral("AutoNumber"));
    settings->setOType(QStringLiteral("C0001800"));
    settings->setPreview(QStringLiteral("Transporto nustatymai"));
    addToDesktop(module::createCard(QStringLiteral("frmAutoNumber"), settings));
    return {};
}
