#include "platform/shell/reports/report_list_controller.h"

#include "platform/bo/reports/report_catalogue.h"
#include "platform/contract/vx_services.h"
#include "platform/shell/reports/report_runner.h"

#include <QApplication>

namespace shell {

ReportListController::ReportListController(bo::SessionPtr session, std::weak_ptr<vx::VxS> services,
                                           std::function<vx::PeriodRecord()> period)
    : PlainObjectList(QStringLiteral("O0001900")), session_(std::move(session)), services_(std::move(services)),
      period_(std::move(period))
{
}

bool ReportListController::mayOpen() const
{
    const auto services = services_.lock();
    return !services || services->Security().CanOpen(bo::reports::rightsComponent());
}

vx::MenuItems ReportListController::GetMenu(const QString& id, const QString&, const QString&)
{
    if (!bo::reports::reportOfId(id) || !mayOpen())
        return {};
    return {{QStringLiteral("&Atidaryti"), QStringLiteral("0"), {}, false}};
}

vx::ClickResult ReportListController::ClickMenu(const QString& id, const QString&, const QString& menuKey,
                                                const QString&)
{
    const bo::reports::ReportDefinition* report = bo::reports::reportOfId(id);
    if (report && menuKey == QLatin1String("0") && mayOpen())
        runReport(*session_, services_.lock(), *report, period_ ? period_() : vx::PeriodRecord{},
                  QApplication::activeWindow());
    return {};
}

vx::RecordsetPtr ReportListController::GetVxObjectList(const QString&, const QString& context, const QString&)
{
    vx::RecordsetPtr rows = vx::Recordset::create({{QStringLiteral("OIDR"), vx::FieldType::Text},
                                                   {QStringLiteral("Preview"), vx::FieldType::Text},
                                                   {QStringLiteral("Description"), vx::FieldType::Text}});
    if (!mayOpen())
        return rows;
    for (const bo::reports::ReportDefinition& report : bo::reports::catalogue()) {
        if (!context.isEmpty() && report.objectType != context)
            continue;
        rows->AddNew();
        rows->setValue(QStringLiteral("OIDR"), bo::reports::idOf(report));
        rows->setValue(QStringLiteral("Preview"), report.name);
        rows->setValue(QStringLiteral("Description"), report.description);
    }
    rows->MoveFirst();
    return rows;
}

} // namespace shell
