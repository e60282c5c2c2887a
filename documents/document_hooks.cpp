#include "documents/document_hooks.h"

#include "documents/print_parameters_dialog.h"
#include "documents/sheet_export.h"
#include "documents/sheet_print.h"
#include "module/catalogue_dialogs.h"
#include "module/module_services.h"
#include "trips/trip_sheet_editor.h"
#include "trips/trip_sheet_hooks.h"

namespace documents {
namespace {

vx::CallResult wrongArguments(const QString& method, const QString& expected)
{
    return vx::CallResult::failure(QStringLiteral("Metodas \"%1\": %2").arg(method, expected));
}

vx::CallResult print(UIO4000100& editor, const vx::arguments::ItemList& args)
{
    if (args.size() > 1 || (args.size() == 1 && args.text(0).isEmpty()))
        return wrongArguments(QStringLiteral("Print"), QStringLiteral("parametrų nereikia arba PDF failo vardas."));
    return printSheet(editor, args.text(0));
}

vx::CallResult printParameters(UIO4000100&, const vx::arguments::ItemList& args)
{
    if (args.size() != 0)
        return wrongArguments(QStringLiteral("PrintParameters"), QStringLiteral("parametrų nereikia."));
    const vx::VxSPtr services = module::services();
    if (!services)
        return vx::CallResult::failure(QStringLiteral("Nepasiekiami programos nustatymai."));
    frmTransportTripPrintParameters dialog(parametersOrder(), services->Environment());
    Catalogue::RunModal(dialog);
    return {};
}

vx::CallResult exportToWord(UIO4000100& editor, const vx::arguments::ItemList& args)
{
    if (args.size() == 2 && !args.text(0).isEmpty() && !args.text(1).isEmpty())
        return exportSheet(editor, args.text(0), args.text(1));
    if (args.size() != 0)
        return wrongArguments(QStringLiteral("ExportToWord"),
                              QStringLiteral("parametrų nereikia arba šablono ir dokumento failų vardai."));
    // The user has been told whatever stopped the export; the method itself has no result.
    const vx::CallResult result = exportSheet(editor);
    return result.Code == 0 ? result : vx::CallResult();
}

} // namespace

void installSheetMethods()
{
    trips::setSheetMethod(QStringLiteral("Print"), print);
    trips::setSheetMethod(QStringLiteral("PrintParameters"), printParameters);
    trips::setSheetMethod(QStringLiteral("ExportToWord"), exportToWord);
}

} // namespace documents
