#include "platform/shell/field_captions.h"

#include "platform/bo/object_types.h"
#include "platform/shell/object_list_model.h"

#include <QHash>

namespace shell {

QString fieldCaption(const QString& field, const QString& refType)
{
    // Fields the list pane does not show, so its captions do not name them.
    static const QHash<QString, QString> captions = {
        {QStringLiteral("Name"), QStringLiteral("Pavadinimas")},
        {QStringLiteral("Description"), QStringLiteral("Aprašymas")},
        {QStringLiteral("UserPref"), QStringLiteral("Vartotojo prefiksas")},
        {QStringLiteral("DriverFlag"), QStringLiteral("Vairuotojas")},
        {QStringLiteral("Login"), QStringLiteral("Prisijungimo vardas")},
        {QStringLiteral("VatCode"), QStringLiteral("PVM kodas")},
        {QStringLiteral("Address"), QStringLiteral("Adresas")},
        {QStringLiteral("BaseCurrency"), QStringLiteral("Bazinė valiuta")},
        {QStringLiteral("CurrencyID"), QStringLiteral("Valiuta")},
        {QStringLiteral("TransportFuelTypeID"), QStringLiteral("Kuro tipas")},
        {QStringLiteral("TransportFuelTankTypeID"), QStringLiteral("Kuro bako tipas")},
        {QStringLiteral("TransportFuelNormName"), QStringLiteral("Kuro norma")},
        {QStringLiteral("TransportFuelNormCode"), QStringLiteral("Kodas")},
        {QStringLiteral("TransportFuelTypeName"), QStringLiteral("Kuro tipas")},
        {QStringLiteral("FuelNormByDistance"), QStringLiteral("Norma (l/100 km)")},
        {QStringLiteral("FuelNormByDuration"), QStringLiteral("Norma (l/val.)")},
        {QStringLiteral("MaxRun"), QStringLiteral("Didžiausia rida")},
        {QStringLiteral("CashFlag"), QStringLiteral("Grynais")},
    };
    if (const auto found = captions.constFind(field); found != captions.constEnd())
        return *found;
    const QString listed = ObjectListModel::caption(field);
    if (listed != field)
        return listed;
    if (const bo::ObjectType* type = bo::objectType(refType))
        return type->caption;
    return field;
}

} // namespace shell
