#include "platform/bo/object_types.h"

#include <QHash>

namespace bo {

bool ObjectType::hasColumn(const QString& name) const
{
    for (const ColumnDef& c : columns)
        if (c.name == name)
            return true;
    return name == QLatin1String("ID") || name == QLatin1String("CreationDate");
}

int ObjectType::columnIndex(const QString& name) const
{
    for (int i = 0; i < columns.size(); ++i)
        if (columns.at(i).name == name)
            return i;
    return -1;
}

QList<vx::FieldDef> ObjectType::recordFields() const
{
    QList<vx::FieldDef> fields{{QStringLiteral("ID"), vx::FieldType::Integer}};
    for (const ColumnDef& c : columns)
        fields.append({c.name, c.type});
    fields.append({QStringLiteral("CreationDate"), vx::FieldType::DateTime});
    fields.append({QStringLiteral("OIDR"), vx::FieldType::Text});
    fields.append({QStringLiteral("Preview"), vx::FieldType::Text});
    if (grouped)
        fields.append({QStringLiteral("PreviewPath"), vx::FieldType::Text});
    return fields;
}

namespace {

QString nameOf(const char* table, const char* idColumn)
{
    return QStringLiteral("(SELECT x.\"Name\" FROM %1 x WHERE x.\"ID\" = t.\"%2\")")
        .arg(QLatin1String(table), QLatin1String(idColumn));
}

QHash<QString, QString> previews()
{
    const QString nameAndCode =
        QStringLiteral("TRIM(COALESCE(t.\"Name\", '') || ' ' || COALESCE(t.\"Code\", ''))");
    const QString nameAndDate =
        QStringLiteral("TRIM(COALESCE(t.\"Name\", '') || ' ' || COALESCE({datetext:t.\"Date\"}, ''))");
    QHash<QString, QString> p = {
        {QStringLiteral("O4000100"), nameAndDate},
        {QStringLiteral("O4000200"), nameOf("ref_route", "TransportRouteID")},
        {QStringLiteral("O4000300"), nameAndDate},
        {QStringLiteral("O4000400"), nameAndCode},
        {QStringLiteral("O4000500"), nameOf("ref_fuel_norm", "TransportFuelNormID")},
        {QStringLiteral("O4000700"), nameOf("ref_fuel_tank_type", "TransportFuelTankTypeID")},
        {QStringLiteral("O4000800"),
         QStringLiteral("CASE WHEN t.\"GroupFlag\" = 1 THEN COALESCE(t.\"Name\", '') "
                        "WHEN COALESCE(t.\"Name\", '') = '' THEN COALESCE(t.\"Number\", '') "
                        "ELSE COALESCE(t.\"Number\", '') || ' – ' || t.\"Name\" END")},
        {QStringLiteral("O4000900"),
         QStringLiteral("(SELECT COALESCE(x.\"Number\", '') FROM transport_tyre x WHERE x.\"ID\" = t.\"TyreID\")")},
        {QStringLiteral("O4001000"),
         QStringLiteral("(SELECT TRIM(COALESCE(x.\"Name\", '') || ' ' || COALESCE(x.\"LastName\", '')) "
                        "FROM employee x WHERE x.\"ID\" = t.\"UserID\")")},
        {QStringLiteral("O4001100"), nameOf("ref_document_type", "DocTypeID")},
        {QStringLiteral("O4001200"), nameOf("ref_fuel_tank_type", "TransportFuelTankTypeID")},
        {QStringLiteral("O0001401"),
         QStringLiteral("TRIM(COALESCE(t.\"Name\", '') || ' ' || COALESCE(t.\"LastName\", ''))")},
        {QStringLiteral("O0201500"), QStringLiteral("COALESCE(t.\"Code\", '')")},
        {QStringLiteral("O0002200"),
         QStringLiteral("TRIM(COALESCE((SELECT x.\"Code\" FROM currency x WHERE x.\"ID\" = t.\"CurrencyID\"), '') "
                        "|| ' ' || COALESCE({datetext:t.\"Date\"}, ''))")},
    };
    return p;
}

} // namespace

QString ObjectType::previewExpression() const
{
    static const QHash<QString, QString> table = previews();
    const auto found = table.constFind(typeId);
    if (found != table.constEnd())
        return *found;
    return QStringLiteral("COALESCE(t.\"Name\", '')");
}

const QList<ObjectType>& objectTypes()
{
    static const QList<ObjectType> all = {
        {QStringLiteral("O4000100"), QStringLiteral("Kelionės lapai"), QStringLiteral("transport_trip"), QStringLiteral("Trip"), false, QString(), QString(),
         {{QStringLiteral("ParentID"), vx::FieldType::Integer, QString()},
          {QStringLiteral("GroupFlag"), vx::FieldType::SmallInt, QString()},
          {QStringLiteral("OType"), vx::FieldType::Text, QString()},
          {QStringLiteral("Name"), vx::FieldType::Text, QString()},
          {QStringLiteral("Code"), vx::FieldType::Text, QString()},
          {QStringLiteral("AutoNumber"), vx::FieldType::Integer, QString()},
          {QStringLiteral("Date"), vx::FieldType::DateTime, QString()},
          {QStringLiteral("DateTo"), vx::FieldType::DateTime, QString()},
          {QStringLiteral("TransportCarID"), vx::FieldType::Integer, QStringLiteral("O4000400")},
          {QStringLiteral("UserID"), vx::FieldType::Integer, QStringLiteral("O0001401")},
          {QStringLiteral("DistanceRest"), vx::FieldType::Double, QString()},
          {QStringLiteral("DistanceEnd"), vx::FieldType::Double, QString()},
          {QStringLiteral("FuelTankTypeID1"), vx::FieldType::Integer, QStringLiteral("O4000604")},
          {QStringLiteral("FuelTankTypeID2"), vx::FieldType::Integer, QStringLiteral("O4000604")},
          {QStringLiteral("FuelRest1"), vx::FieldType::Double, QString()},
          {QStringLiteral("FuelRest2"), vx::FieldType::Double, QString()},
          {QStringLiteral("FinalRest1Indication"), vx::FieldType::SmallInt, QString()},
          {QStringLiteral("FinalRest2Indication"), vx::FieldType::SmallInt, QString()},
          {QStringLiteral("FinalRest1"), vx::FieldType::Double, QString()},
          {QStringLiteral("FinalRest2"), vx::FieldType::Double, QString()},
          {QStringLiteral("CreatedByUserID"), vx::FieldType::Integer, QStringLiteral("O0001401")},
          {QStringLiteral("ModifyDate"), vx::FieldType::DateTime, QString()},
          {QStringLiteral("ModifiedByUserID"), vx::FieldType::Integer, QStringLiteral("O0001401")}}},
        {QStringLiteral("O4000200"), QStringLiteral("Kelionės lapo atkarpos"), QStringLiteral("transport_trip_route"), QStringLiteral("C"), false, QStringLiteral("TransportTripID"), QStringLiteral("O4000100"),
         {{QStringLiteral("TransportTripID"), vx::FieldType::Integer, QStringLiteral("O4000100")},
          {QStringLiteral("TransportRouteID"), vx::FieldType::Integer, QStringLiteral("O4000601")},
          {QStringLiteral("TransportFuelNormID"), vx::FieldType::Integer, QStringLiteral("O4000603")},
          {QStringLiteral("FuelNormByDistance"), vx::FieldType::Double, QString()},
          {QStringLiteral("FuelNormByDuration"), vx::FieldType::Double, QString()},
          {QStringLiteral("UserID"), vx::FieldType::Integer, QStringLiteral("O0001401")},
          {QStringLiteral("Date"), vx::FieldType::DateTime, QString()},
          {QStringLiteral("Distance"), vx::FieldType::Double, QString()},
          {QStringLiteral("Duration"), vx::FieldType::Double, QString()},
          {QStringLiteral("Note"), vx::FieldType::Text, QString()}}},
        {QStringLiteral("O4000300"), QStringLiteral("Čekiai"), QStringLiteral("transport_cheque"), QStringLiteral("C"), true, QStringLiteral("TransportTripID"), QStringLiteral("O4000100"),
         {{QStringLiteral("ParentID"), vx::FieldType::Integer, QString()},
          {QStringLiteral("GroupFlag"), vx::FieldType::SmallInt, QString()},
          {QStringLiteral("OType"), vx::FieldType::Text, QString()},
          {QStringLiteral("TransportTripID"), vx::FieldType::Integer, QStringLiteral("O4000100")},
          {QStringLiteral("Name"), vx::FieldType::Text, QString()},
          {QStringLiteral("Code"), vx::FieldType::Text, QString()},
          {QStringLiteral("Date"), vx::FieldType::Date, QString()},
          {QStringLiteral("FirmID"), vx::FieldType::Integer, QStringLiteral("O0000100")},
          {QStringLiteral("TransportFuelTypeID"), vx::FieldType::Integer, QStringLiteral("O4000602")},
          {QStringLiteral("FuelAmount"), vx::FieldType::Double, QString()},
          {QStringLiteral("SumCurr"), vx::FieldType::Double, QString()},
          {QStringLiteral("CurrencyID"), vx::FieldType::Integer, QStringLiteral("O0201500")},
          {QStringLiteral("CashFlag"), vx::FieldType::SmallInt, QString()}}},
        {QStringLiteral("O4000400"), QStringLiteral("Automobiliai"), QStringLiteral("transport_car"), QStringLiteral("Car"), true, QString(), QString(),
         {{QStringLiteral("ParentID"), vx::FieldType::Integer, QString()},
          {QStringLiteral("GroupFlag"), vx::FieldType::SmallInt, QString()},
          {QStringLiteral("OType"), vx::FieldType::Text, QString()},
          {QStringLiteral("Name"), vx::FieldType::Text, QString()},
          {QStringLiteral("Code"), vx::FieldType::Text, QString()},
          {QStringLiteral("TypeID"), vx::FieldType::Integer, QStringLiteral("O4000607")},
          {QStringLiteral("CarLenth"), vx::FieldType::Double, QString()},
          {QStringLiteral("CarHeight"), vx::FieldType::Double, QString()},
          {QStringLiteral("CarWidth"), vx::FieldType::Double, QString()},
          {QStringLiteral("CarVolume"), vx::FieldType::Double, QString()},
          {QStringLiteral("InitialRun"), vx::FieldType::Integer, QString()},
          {QStringLiteral("ChasisNumber"), vx::FieldType::Text, QString()},
          {QStringLiteral("PropertiesID"), vx::FieldType::Integer, QStringLiteral("O4000608")},
          {QStringLiteral("CargoWeight"), vx::FieldType::Integer, QString()},
          {QStringLiteral("TotalMass"), vx::FieldType::Integer, QString()},
          {QStringLiteral("Palettes"), vx::FieldType::Integer, QString()},
          {QStringLiteral("FuelTankTypeID1"), vx::FieldType::Integer, QStringLiteral("O4000604")},
          {QStringLiteral("FuelTankTypeID2"), vx::FieldType::Integer, QStringLiteral("O4000604")},
          {QStringLiteral("ChasisDate"), vx::FieldType::Date, QString()},
          {QStringLiteral("DateWriteOff"), vx::FieldType::Date, QString()},
          {QStringLiteral("Comment"), vx::FieldType::Text, QString()}}},
        {QStringLiteral("O4000500"), QStringLiteral("Automobilių kuro normos"), QStringLiteral("transport_car_fuel_norm"), QStringLiteral("C"), false, QStringLiteral("TransportCarID"), QStringLiteral("O4000400"),
         {{QStringLiteral("TransportCarID"), vx::FieldType::Integer, QStringLiteral("O4000400")},
          {QStringLiteral("TransportFuelNormID"), vx::FieldType::Integer, QStringLiteral("O4000603")}}},
        {QStringLiteral("O4000601"), QStringLiteral("Atkarpos"), QStringLiteral("ref_route"), QStringLiteral("O4000601"), true, QString(), QString(),
         {{QStringLiteral("ParentID"), vx::FieldType::Integer, QString()},
          {QStringLiteral("GroupFlag"), vx::FieldType::SmallInt, QString()},
          {QStringLiteral("OType"), vx::FieldType::Text, QString()},
          {QStringLiteral("Name"), vx::FieldType::Text, QString()},
          {QStringLiteral("Code"), vx::FieldType::Text, QString()},
          {QStringLiteral("Distance"), vx::FieldType::Double, QString()},
          {QStringLiteral("Duration"), vx::FieldType::Double, QString()},
          {QStringLiteral("Note"), vx::FieldType::Text, QString()}}},
        {QStringLiteral("O4000602"), QStringLiteral("Kuro tipai"), QStringLiteral("ref_fuel_type"), QStringLiteral("O4000602"), true, QString(), QString(),
         {{QStringLiteral("ParentID"), vx::FieldType::Integer, QString()},
          {QStringLiteral("GroupFlag"), vx::FieldType::SmallInt, QString()},
          {QStringLiteral("OType"), vx::FieldType::Text, QString()},
          {QStringLiteral("Name"), vx::FieldType::Text, QString()},
          {QStringLiteral("Code"), vx::FieldType::Text, QString()},
          {QStringLiteral("TransportFuelTankTypeID"), vx::FieldType::Integer, QStringLiteral("O4000604")}}},
        {QStringLiteral("O4000603"), QStringLiteral("Kuro normos"), QStringLiteral("ref_fuel_norm"), QStringLiteral("O4000603"), true, QString(), QString(),
         {{QStringLiteral("ParentID"), vx::FieldType::Integer, QString()},
          {QStringLiteral("GroupFlag"), vx::FieldType::SmallInt, QString()},
          {QStringLiteral("OType"), vx::FieldType::Text, QString()},
          {QStringLiteral("Name"), vx::FieldType::Text, QString()},
          {QStringLiteral("Code"), vx::FieldType::Text, QString()},
          {QStringLiteral("Value"), vx::FieldType::Double, QString()},
          {QStringLiteral("DurationValue"), vx::FieldType::Double, QString()},
          {QStringLiteral("TransportFuelTypeID"), vx::FieldType::Integer, QStringLiteral("O4000602")}}},
        {QStringLiteral("O4000604"), QStringLiteral("Kuro bakų tipai"), QStringLiteral("ref_fuel_tank_type"), QStringLiteral("O4000604"), true, QString(), QString(),
         {{QStringLiteral("ParentID"), vx::FieldType::Integer, QString()},
          {QStringLiteral("GroupFlag"), vx::FieldType::SmallInt, QString()},
          {QStringLiteral("OType"), vx::FieldType::Text, QString()},
          {QStringLiteral("Name"), vx::FieldType::Text, QString()},
          {QStringLiteral("Code"), vx::FieldType::Text, QString()}}},
        {QStringLiteral("O4000605"), QStringLiteral("Padangų matmenys"), QStringLiteral("ref_tyre_size"), QStringLiteral("O4000605"), true, QString(), QString(),
         {{QStringLiteral("ParentID"), vx::FieldType::Integer, QString()},
          {QStringLiteral("GroupFlag"), vx::FieldType::SmallInt, QString()},
          {QStringLiteral("OType"), vx::FieldType::Text, QString()},
          {QStringLiteral("Name"), vx::FieldType::Text, QString()},
          {QStringLiteral("Code"), vx::FieldType::Text, QString()}}},
        {QStringLiteral("O4000606"), QStringLiteral("Padangų markės"), QStringLiteral("ref_tyre_type"), QStringLiteral("O4000606"), true, QString(), QString(),
         {{QStringLiteral("ParentID"), vx::FieldType::Integer, QString()},
          {QStringLiteral("GroupFlag"), vx::FieldType::SmallInt, QString()},
          {QStringLiteral("OType"), vx::FieldType::Text, QString()},
          {QStringLiteral("Name"), vx::FieldType::Text, QString()},
          {QStringLiteral("Code"), vx::FieldType::Text, QString()}}},
        {QStringLiteral("O4000607"), QStringLiteral("Transporto tipai"), QStringLiteral("ref_car_type"), QStringLiteral("O4000607"), true, QString(), QString(),
         {{QStringLiteral("ParentID"), vx::FieldType::Integer, QString()},
          {QStringLiteral("GroupFlag"), vx::FieldType::SmallInt, QString()},
          {QStringLiteral("OType"), vx::FieldType::Text, QString()},
          {QStringLiteral("Name"), vx::FieldType::Text, QString()},
          {QStringLiteral("Code"), vx::FieldType::Text, QString()}}},
        {QStringLiteral("O4000608"), QStringLiteral("Transporto savybės"), QStringLiteral("ref_car_property"), QStringLiteral("O4000608"), true, QString(), QString(),
         {{QStringLiteral("ParentID"), vx::FieldType::Integer, QString()},
          {QStringLiteral("GroupFlag"), vx::FieldType::SmallInt, QString()},
          {QStringLiteral("OType"), vx::FieldType::Text, QString()},
          {QStringLiteral("Name"), vx::FieldType::Text, QString()},
          {QStringLiteral("Code"), vx::FieldType::Text, QString()}}},
        {QStringLiteral("O4000609"), QStringLiteral("Dokumentų tipai"), QStringLiteral("ref_document_type"), QStringLiteral("O4000609"), true, QString(), QString(),
         {{QStringLiteral("ParentID"), vx::FieldType::Integer, QString()},
          {QStringLiteral("GroupFlag"), vx::FieldType::SmallInt, QString()},
          {QStringLiteral("OType"), vx::FieldType::Text, QString()},
          {QStringLiteral("Name"), vx::FieldType::Text, QString()},
          {QStringLiteral("Code"), vx::FieldType::Text, QString()}}},
        {QStringLiteral("O4000700"), QStringLiteral("Kelionės lapo kuro bakai"), QStringLiteral("transport_trip_fuel_tank"), QStringLiteral("C"), false, QStringLiteral("TransportTripID"), QStringLiteral("O4000100"),
         {{QStringLiteral("TransportTripID"), vx::FieldType::Integer, QStringLiteral("O4000100")},
          {QStringLiteral("TransportFuelTankTypeID"), vx::FieldType::Integer, QStringLiteral("O4000604")},
          {QStringLiteral("FuelRest"), vx::FieldType::Double, QString()}}},
        {QStringLiteral("O4000800"), QStringLiteral("Padangos"), QStringLiteral("transport_tyre"), QStringLiteral("Tyre"), true, QString(), QString(),
         {{QStringLiteral("ParentID"), vx::FieldType::Integer, QString()},
          {QStringLiteral("GroupFlag"), vx::FieldType::SmallInt, QString()},
          {QStringLiteral("OType"), vx::FieldType::Text, QString()},
          {QStringLiteral("Name"), vx::FieldType::Text, QString()},
          {QStringLiteral("Number"), vx::FieldType::Text, QString()},
          {QStringLiteral("TyreTypeID"), vx::FieldType::Integer, QStringLiteral("O4000606")},
          {QStringLiteral("TyreSizeID"), vx::FieldType::Integer, QStringLiteral("O4000605")},
          {QStringLiteral("DateFrom"), vx::FieldType::Date, QString()},
          {QStringLiteral("DateTo"), vx::FieldType::Date, QString()},
          {QStringLiteral("MaxRun"), vx::FieldType::Integer, QString()},
          {QStringLiteral("Comment"), vx::FieldType::Text, QString()}}},
        {QStringLiteral("O4000900"), QStringLiteral("Transporto padangos"), QStringLiteral("transport_car_tyre"), QStringLiteral("C"), false, QStringLiteral("TransportID"), QStringLiteral("O4000400"),
         {{QStringLiteral("TransportID"), vx::FieldType::Integer, QStringLiteral("O4000400")},
          {QStringLiteral("TyreID"), vx::FieldType::Integer, QStringLiteral("O4000800")},
          {QStringLiteral("Axis"), vx::FieldType::SmallInt, QString()},
          {QStringLiteral("CarSide"), vx::FieldType::SmallInt, QString()},
          {QStringLiteral("PositionOnAxis"), vx::FieldType::SmallInt, QString()},
          {QStringLiteral("DateFrom"), vx::FieldType::Date, QString()},
          {QStringLiteral("DateTo"), vx::FieldType::Date, QString()},
          {QStringLiteral("TyreRunFrom"), vx::FieldType::Integer, QString()},
          {QStringLiteral("TyreRunTo"), vx::FieldType::Integer, QString()}}},
        {QStringLiteral("O4001000"), QStringLiteral("Transporto vairuotojai"), QStringLiteral("transport_car_driver"), QStringLiteral("C"), false, QStringLiteral("TransportID"), QStringLiteral("O4000400"),
         {{QStringLiteral("TransportID"), vx::FieldType::Integer, QStringLiteral("O4000400")},
          {QStringLiteral("UserID"), vx::FieldType::Integer, QStringLiteral("O0001401")},
          {QStringLiteral("DateFrom"), vx::FieldType::Date, QString()},
          {QStringLiteral("DateTo"), vx::FieldType::Date, QString()},
          {QStringLiteral("Order"), vx::FieldType::Text, QString()}}},
        {QStringLiteral("O4001100"), QStringLiteral("Transporto dokumentai"), QStringLiteral("transport_car_document"), QStringLiteral("C"), false, QStringLiteral("TransportID"), QStringLiteral("O4000400"),
         {{QStringLiteral("TransportID"), vx::FieldType::Integer, QStringLiteral("O4000400")},
          {QStringLiteral("DocTypeID"), vx::FieldType::Integer, QStringLiteral("O4000609")},
          {QStringLiteral("DocShape"), vx::FieldType::Text, QString()},
          {QStringLiteral("DocNumber"), vx::FieldType::Text, QString()},
          {QStringLiteral("DateFrom"), vx::FieldType::Date, QString()},
          {QStringLiteral("DateTo"), vx::FieldType::Date, QString()},
          {QStringLiteral("DocDescription"), vx::FieldType::Text, QString()}}},
        {QStringLiteral("O4001200"), QStringLiteral("Transporto kuro bako tipai"), QStringLiteral("transport_car_fuel_tank"), QStringLiteral("C"), false, QStringLiteral("TransportCarID"), QStringLiteral("O4000400"),
         {{QStringLiteral("TransportCarID"), vx::FieldType::Integer, QStringLiteral("O4000400")},
          {QStringLiteral("TransportFuelTankTypeID"), vx::FieldType::Integer, QStringLiteral("O4000604")}}},
        {QStringLiteral("O0000100"), QStringLiteral("Įmonės"), QStringLiteral("firm"), QStringLiteral("C"), true, QString(), QString(),
         {{QStringLiteral("ParentID"), vx::FieldType::Integer, QString()},
          {QStringLiteral("GroupFlag"), vx::FieldType::SmallInt, QString()},
          {QStringLiteral("OType"), vx::FieldType::Text, QString()},
          {QStringLiteral("Name"), vx::FieldType::Text, QString()},
          {QStringLiteral("Code"), vx::FieldType::Text, QString()},
          {QStringLiteral("VatCode"), vx::FieldType::Text, QString()},
          {QStringLiteral("Address"), vx::FieldType::Text, QString()}}},
        {QStringLiteral("O0001401"), QStringLiteral("Darbuotojai"), QStringLiteral("employee"), QStringLiteral("C"), true, QString(), QString(),
         {{QStringLiteral("ParentID"), vx::FieldType::Integer, QString()},
          {QStringLiteral("GroupFlag"), vx::FieldType::SmallInt, QString()},
          {QStringLiteral("OType"), vx::FieldType::Text, QString()},
          {QStringLiteral("Name"), vx::FieldType::Text, QString()},
          {QStringLiteral("LastName"), vx::FieldType::Text, QString()},
          {QStringLiteral("Code"), vx::FieldType::Text, QString()},
          {QStringLiteral("UserPref"), vx::FieldType::Text, QString()},
          {QStringLiteral("DriverFlag"), vx::FieldType::SmallInt, QString()},
          {QStringLiteral("Login"), vx::FieldType::Text, QString()},
          {QStringLiteral("PasswordHash"), vx::FieldType::Text, QString()}}},
        {QStringLiteral("O0001601"), QStringLiteral("Žinynai"), QStringLiteral("reference_catalogue"), QStringLiteral("C"), true, QString(), QString(),
         {{QStringLiteral("ParentID"), vx::FieldType::Integer, QString()},
          {QStringLiteral("GroupFlag"), vx::FieldType::SmallInt, QString()},
          {QStringLiteral("OType"), vx::FieldType::Text, QString()},
          {QStringLiteral("Name"), vx::FieldType::Text, QString()},
          {QStringLiteral("Code"), vx::FieldType::Text, QString()}}},
        {QStringLiteral("O0201500"), QStringLiteral("Valiutos"), QStringLiteral("currency"), QStringLiteral("C"), false, QString(), QString(),
         {{QStringLiteral("Code"), vx::FieldType::Text, QString()},
          {QStringLiteral("Name"), vx::FieldType::Text, QString()},
          {QStringLiteral("BaseCurrency"), vx::FieldType::SmallInt, QString()}}},
        {QStringLiteral("O0002200"), QStringLiteral("Valiutų kursai"), QStringLiteral("currency_rate"), QStringLiteral("C"), false, QStringLiteral("CurrencyID"), QStringLiteral("O0201500"),
         {{QStringLiteral("CurrencyID"), vx::FieldType::Integer, QStringLiteral("O0201500")},
          {QStringLiteral("Date"), vx::FieldType::Date, QString()},
          {QStringLiteral("Rate"), vx::FieldType::Double, QString()}}},
    };
    return all;
}

const ObjectType* objectType(const QString& typeId)
{
    for (const ObjectType& type : objectTypes())
        if (type.typeId == typeId)
            return &type;
    return nullptr;
}

bool isCatalogueItemType(const QString& typeId)
{
    return typeId.size() == 8 && typeId.startsWith(QLatin1String("O400060")) && typeId != QLatin1String("O4000600");
}

} // namespace bo
