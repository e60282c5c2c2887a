#include "platform/shell/host_dialog_functions.h"

#include "platform/bo/object_types.h"
#include "platform/contract/object_id.h"
#include "platform/shell/dialog_runner.h"
#include "platform/shell/group_select_dialog.h"
#include "platform/shell/host_services.h"
#include "platform/shell/modal_card_window.h"
#include "platform/shell/object_card_dialog.h"
#include "platform/shell/period_dialog.h"

#include <QApplication>

namespace shell {
namespace {

vx::CallResult newPeriod(HostServices& services)
{
    const vx::PeriodRecord stored = services.storedPeriod();
    vx::PeriodRecord chosen;
    if (const auto ahead = services.takeNextPeriod()) {
        chosen = *ahead;
    } else {
        PeriodDialog dialog(QApplication::activeWindow());
        dialog.setPeriod(stored);
        if (runDialog(dialog) != QDialog::Accepted)
            return vx::CallResult::success(QVariant::fromValue(stored));
        chosen = dialog.period();
    }
    services.storePeriod(chosen);
    // Storing reports its failures to the session only; reading back tells.
    if (services.storedPeriod() != chosen)
        return vx::CallResult::failure(
            QStringLiteral("Nepavyko išsaugoti peržiūros laikotarpio.\n%1").arg(services.session()->lastError()));
    return vx::CallResult::success(QVariant::fromValue(chosen));
}

} // namespace

std::optional<vx::CallResult> newObjectInItsCard(const vx::VxObjectUIOPtr& editor)
{
    const vx::CallResult form = editor->Properties(QStringLiteral("GetObjectForm"), QString());
    const auto card = form.Code == 0 ? form.Value.value<vx::CardRef>() : vx::CardRef();
    if (card.isNull())
        return std::nullopt;
    ModalCardWindow window(card, QApplication::activeWindow());
    if (!window.handOver())
        return std::nullopt;
    runDialog(window);
    if (const vx::RecordsetPtr saved = window.savedRecord())
        return vx::CallResult::success(QVariant::fromValue(saved));
    return vx::CallResult::success();
}

namespace {

vx::CallResult newObject(HostServices& services, const QString& param)
{
    QString typeId = param.trimmed();
    if (typeId.size() >= 2 && typeId.startsWith(QLatin1Char('\'')) && typeId.endsWith(QLatin1Char('\'')))
        typeId = typeId.mid(1, typeId.size() - 2);
    const bo::ObjectType* type = bo::objectType(vx::oid::typeId(typeId));
    if (!type)
        return vx::CallResult::failure(QStringLiteral("Nežinomas objekto tipas: %1").arg(param));
    vx::VxObjectUIOPtr editor = services.Objects().GetVxObject(type->typeId);
    if (!editor)
        return vx::CallResult::failure(QStringLiteral("Nepavyko sukurti naujo įrašo: %1").arg(type->caption));
    if (const std::optional<vx::CallResult> shown = newObjectInItsCard(editor))
        return *shown;
    ObjectCardDialog card(services.session(), editor, *type, QApplication::activeWindow());
    if (runDialog(card) != QDialog::Accepted)
        return vx::CallResult::success();
    return vx::CallResult::success(QVariant::fromValue(card.savedRecord()));
}

vx::CallResult groupSelect(HostServices& services, const QString& param)
{
    const GroupSelectRequest request = readGroupSelectRequest(param);
    if (!request.ok)
        return vx::CallResult::failure(QStringLiteral("Netinkamas pasirinkimo parametras: %1").arg(param));
    const vx::CallResult result = services.session()->call(request.query, request.param);
    if (result.Code != 0)
        return result;
    const auto rows = result.Value.value<vx::RecordsetPtr>();
    if (!rows)
        return vx::CallResult::failure(QStringLiteral("Užklausa %1 negrąžino įrašų.").arg(request.query));
    GroupSelectDialog dialog(rows, request.title, QApplication::activeWindow());
    if (runDialog(dialog) != QDialog::Accepted || dialog.chosenRow() < 0)
        return vx::CallResult::success();
    rows->setPosition(dialog.chosenRow());
    return vx::CallResult::success(QVariant::fromValue(rows));
}

} // namespace

GroupSelectRequest readGroupSelectRequest(const QString& text)
{
    qsizetype split = -1;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size() && split < 0; ++i) {
        if (text.at(i) == QLatin1Char('\''))
            quoted = !quoted;
        else if (!quoted && text.mid(i, 2) == QLatin1String(";;"))
            split = i;
    }
    GroupSelectRequest request;
    const QString call = (split < 0 ? text : text.left(split)).trimmed();
    request.title = split < 0 ? QString() : text.mid(split + 2).trimmed();
    const qsizetype open = call.indexOf(QLatin1Char('('));
    if (open < 0) {
        request.query = call;
    } else {
        if (!call.endsWith(QLatin1Char(')')))
            return request;
        request.query = call.left(open).trimmed();
        request.param = call.mid(open + 1, call.size() - open - 2);
    }
    request.ok = !request.query.isEmpty();
    return request;
}

void addDialogFunctions(HostServices& services)
{
    // The services own these functions, so the reference outlives every call.
    services.setFunction(QStringLiteral("GetNewPeriod"), [&services](const QString&) { return newPeriod(services); });
    services.setFunction(QStringLiteral("ShowVxObjectModal"),
                         [&services](const QString& param) { return newObject(services, param); });
    services.setFunction(QStringLiteral("VxGroupSelect"),
                         [&services](const QString& param) { return groupSelect(services, param); });
}

} // namespace shell
