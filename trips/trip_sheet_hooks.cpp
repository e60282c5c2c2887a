#include "trips/trip_sheet_hooks.h"

#include <QHash>
#include <QStringList>

namespace trips {
namespace {

const QStringList& hookedNames()
{
    static const QStringList names = {QStringLiteral("Print"), QStringLiteral("PrintParameters"),
                                      QStringLiteral("ExportToWord"), QStringLiteral("GetAutoNumber"),
                                      QStringLiteral("Validate")};
    return names;
}

QHash<QString, SheetMethod>& handlers()
{
    static QHash<QString, SheetMethod> table;
    return table;
}

AutoNumberDerivation& derivation()
{
    static AutoNumberDerivation installed;
    return installed;
}

} // namespace

bool isHookedMethod(const QString& name)
{
    return hookedNames().contains(name);
}

SheetMethod setSheetMethod(const QString& name, SheetMethod handler)
{
    if (!isHookedMethod(name))
        return {};
    SheetMethod previous = handlers().take(name);
    if (handler)
        handlers().insert(name, std::move(handler));
    return previous;
}

SheetMethod sheetMethod(const QString& name)
{
    return handlers().value(name);
}

AutoNumberDerivation setAutoNumberDerivation(AutoNumberDerivation replacement)
{
    AutoNumberDerivation previous = std::move(derivation());
    derivation() = std::move(replacement);
    return previous;
}

const AutoNumberDerivation& autoNumberDerivation()
{
    return derivation();
}

vx::CallResult notAvailable(const QString& name)
{
    return vx::CallResult::failure(QStringLiteral("Ši galimybė dar neprieinama: %1.").arg(name));
}

} // namespace trips
