// The commands that work the main window's navigation and lists, and lists in general.
#include "platform/contract/object_id.h"
#include "platform/contract/vx_object_ui.h"
#include "platform/shell/desktop_tabs.h"
#include "platform/shell/host_services.h"
#include "platform/shell/main_window.h"
#include "platform/shell/object_list_model.h"
#include "platform/shell/script/script_commands.h"
#include "platform/shell/script/script_controls.h"
#include "platform/shell/script/script_runner.h"
#include "platform/shell/script/script_support.h"
#include "platform/shell/script/synthetic_input.h"

#include <QAbstractItemView>
#include <QTreeView>

namespace shell::script::commands {
namespace {

void carryOut(Runner& r, const vx::ClickResult& result)
{
    if (result.Action == vx::ActionShowCard && result.Value.canConvert<vx::CardRef>())
        r.window().desktop()->AddForm(result.Value.value<vx::CardRef>());
    else if (result.Action == vx::ActionDeleted || result.Action == vx::ActionReloadList)
        r.window().reloadList();
}

// Selects the row and shows it, as a click on it would.
QModelIndex selectRow(Runner& r, const QStringList& a)
{
    QAbstractItemView* view = listFor(r, a.at(0));
    if (!view)
        return {};
    const QModelIndex row = findRow(view, a.at(1));
    if (!row.isValid()) {
        r.fail(QStringLiteral("%1 has no row %2").arg(a.at(0), a.at(1)));
        return {};
    }
    if (auto* tree = qobject_cast<QTreeView*>(view))
        for (QModelIndex parent = row.parent(); parent.isValid(); parent = parent.parent())
            tree->expand(parent);
    view->scrollTo(row);
    view->setCurrentIndex(row);
    return row;
}

} // namespace

void node(Runner& r, const QStringList& a)
{
    if (!r.window().selectNode(a.at(0)))
        r.fail(QStringLiteral("no navigation node %1 (or it is disabled)").arg(a.at(0)));
}

void menu(Runner& r, const QStringList& a)
{
    const auto controller = r.window().currentController();
    if (!controller) {
        r.fail(QStringLiteral("the shown node has no list"));
        return;
    }
    const bool background = a.at(0) == QLatin1String("-");
    QString id = controller->OID();
    QString type, context;
    if (!background) {
        ObjectListModel* model = r.window().listModel();
        const QModelIndex row = model->indexOfKey(a.at(0));
        if (!row.isValid()) {
            r.fail(QStringLiteral("the list has no row %1").arg(a.at(0)));
            return;
        }
        id = a.at(0);
        type = model->data(row, ObjectListModel::TypeRole).toString();
        context = model->data(row, ObjectListModel::ContextRole).toString();
    }
    bool offered = false;
    for (const vx::MenuItem& item : controller->GetMenu(id, type, context))
        offered = offered || item.Key == a.at(1);
    if (!offered) {
        r.fail(QStringLiteral("the menu of %1 has no item %2").arg(a.at(0), a.at(1)));
        return;
    }
    r.window().runMenuItem(background ? QString() : a.at(0), a.at(1));
}

void open(Runner& r, const QStringList& a)
{
    const QString& id = a.at(0);
    const vx::VxObjectUIPtr controller = r.services().Objects().GetVxObjectUI(vx::oid::typeId(id));
    if (!controller) {
        r.fail(QStringLiteral("no list controller for %1").arg(id));
        return;
    }
    const bool bareType = id == vx::oid::typeId(id);
    const vx::ClickResult result = controller->ClickMenu(id, QString(), bareType ? QStringLiteral("1") : QStringLiteral("0"), QString());
    if (result.Action != vx::ActionShowCard)
        r.fail(QStringLiteral("%1 did not open").arg(id));
    carryOut(r, result);
}

void select(Runner& r, const QStringList& a)
{
    selectRow(r, a);
}

void dblclick(Runner& r, const QStringList& a)
{
    const QModelIndex row = selectRow(r, a);
    if (!row.isValid())
        return;
    auto* view = qobject_cast<QAbstractItemView*>(findControl(r.activeWindow(), a.at(0)));
    const QPoint centre = view->visualRect(row).center();
    // A double-click counts on the row its first click pressed.
    input::mouseDoubleClick(view->viewport(), centre);
}

} // namespace shell::script::commands
