#include "platform/bo/schema_history.h"

#include "platform/bo/database.h"
#include "platform/bo/references.h"
#include "platform/bo/trip_search_text.h"

namespace bo {
namespace {

// The reference catalogues the module's catalogue items live in, and the first
// user: "admin", every right, no password.
void seedFirstVersion(Database& db)
{
    const QString catalogue = QStringLiteral(
        "INSERT INTO reference_catalogue (\"ParentID\", \"GroupFlag\", \"OType\", \"Name\", \"Code\") "
        "VALUES (?, ?, ?, ?, ?) RETURNING \"ID\"");
    const qint64 root = db.insert(catalogue, {0, 1, QStringLiteral("Group"), QStringLiteral("Žinynai"),
                                              QStringLiteral("O4000600")});
    const QList<QPair<const char*, const char*>> items = {
        {"O4000601", "Atkarpos"},         {"O4000602", "Kuro tipai"},       {"O4000603", "Kuro normos"},
        {"O4000604", "Kuro bakų tipai"},  {"O4000605", "Padangų matmenys"}, {"O4000606", "Padangų markės"},
        {"O4000607", "Transporto tipai"}, {"O4000608", "Transporto savybės"}, {"O4000609", "Dokumentų tipai"},
    };
    for (const auto& [code, name] : items)
        db.insert(catalogue, {root, 0, QStringLiteral("C"), QString::fromUtf8(name), QLatin1String(code)});

    db.insert(QStringLiteral("INSERT INTO employee (\"ParentID\", \"GroupFlag\", \"OType\", \"Name\", \"LastName\", "
                             "\"Code\", \"Login\", \"DriverFlag\") VALUES (?, ?, ?, ?, ?, ?, ?, ?) RETURNING \"ID\""),
              {0, 0, QStringLiteral("C"), QStringLiteral("Sistemos"), QStringLiteral("Administratorius"),
               QStringLiteral("ADMIN"), QStringLiteral("admin"), 0});
}

// The administrator used to be whoever logged in as "admin"; he keeps the
// power as the administrator's right, so no store is left without one.
void grantAdministratorRight(Database& db)
{
    const QString component = QStringLiteral("CAdministrator");
    const Rows admins = db.query(QStringLiteral("SELECT \"ID\" FROM employee WHERE \"Login\" = ?"), {QStringLiteral("admin")});
    for (const QVariantList& row : admins.values) {
        db.execute(QStringLiteral("DELETE FROM user_right WHERE \"UserID\" = ? AND \"ComponentKey\" = ?"),
                   {row.at(0), component});
        db.execute(QStringLiteral("INSERT INTO user_right (\"UserID\", \"ComponentKey\", \"CanOpen\", \"CanDelete\", "
                                  "\"CanWrite\", \"CanAdd\") VALUES (?, ?, ?, ?, ?, ?)"),
                   {row.at(0), component, 1, 1, 1, 1});
    }
}

} // namespace

QList<Migration> schemaHistory()
{
    return {
        {1,
         QStringLiteral("fleet, trip sheets, catalogues, firms, employees, currencies, settings, rights"),
         {
             QStringLiteral("CREATE TABLE transport_trip (\"ID\" {id}, \"ParentID\" {int}, \"GroupFlag\" {smallint}, \"OType\" {text}, \"Name\" {text}, \"Code\" {text}, \"AutoNumber\" {int}, \"Date\" {datetime}, \"DateTo\" {datetime}, \"TransportCarID\" {int}, \"UserID\" {int}, \"DistanceRest\" {double}, \"DistanceEnd\" {double}, \"FuelTankTypeID1\" {int}, \"FuelTankTypeID2\" {int}, \"FuelRest1\" {double}, \"FuelRest2\" {double}, \"FinalRest1Indication\" {smallint}, \"FinalRest2Indication\" {smallint}, \"FinalRest1\" {double}, \"FinalRest2\" {double}, \"CreatedByUserID\" {int}, \"ModifyDate\" {datetime}, \"ModifiedByUserID\" {int}, \"CreationDate\" {datetime})"),
             QStringLiteral("CREATE TABLE transport_trip_route (\"ID\" {id}, \"TransportTripID\" {int}, \"TransportRouteID\" {int}, \"TransportFuelNormID\" {int}, \"FuelNormByDistance\" {double}, \"FuelNormByDuration\" {double}, \"UserID\" {int}, \"Date\" {datetime}, \"Distance\" {double}, \"Duration\" {double}, \"Note\" {text}, \"CreationDate\" {datetime})"),
             QStringLiteral("CREATE TABLE transport_cheque (\"ID\" {id}, \"ParentID\" {int}, \"GroupFlag\" {smallint}, \"OType\" {text}, \"TransportTripID\" {int}, \"Name\" {text}, \"Code\" {text}, \"Date\" {date}, \"FirmID\" {int}, \"TransportFuelTypeID\" {int}, \"FuelAmount\" {double}, \"SumCurr\" {double}, \"CurrencyID\" {int}, \"CashFlag\" {smallint}, \"CreationDate\" {datetime})"),
             QStringLiteral("CREATE TABLE transport_car (\"ID\" {id}, \"ParentID\" {int}, \"GroupFlag\" {smallint}, \"OType\" {text}, \"Name\" {text}, \"Code\" {text}, \"TypeID\" {int}, \"CarLenth\" {double}, \"CarHeight\" {double}, \"CarWidth\" {double}, \"CarVolume\" {double}, \"InitialRun\" {int}, \"ChasisNumber\" {text}, \"PropertiesID\" {int}, \"CargoWeight\" {int}, \"TotalMass\" {int}, \"Palettes\" {int}, \"FuelTankTypeID1\" {int}, \"FuelTankTypeID2\" {int}, \"ChasisDate\" {date}, \"DateWriteOff\" {date}, \"Comment\" {text}, \"CreationDate\" {datetime})"),
             QStringLiteral("CREATE TABLE transport_car_fuel_norm (\"ID\" {id}, \"TransportCarID\" {int}, \"TransportFuelNormID\" {int}, \"CreationDate\" {datetime})"),
             QStringLiteral("CREATE TABLE ref_route (\"ID\" {id}, \"ParentID\" {int}, \"GroupFlag\" {smallint}, \"OType\" {text}, \"Name\" {text}, \"Code\" {text}, \"Distance\" {double}, \"Duration\" {double}, \"Note\" {text}, \"CreationDate\" {datetime})"),
             QStringLiteral("CREATE TABLE ref_fuel_type (\"ID\" {id}, \"ParentID\" {int}, \"GroupFlag\" {smallint}, \"OType\" {text}, \"Name\" {text}, \"Code\" {text}, \"TransportFuelTankTypeID\" {int}, \"CreationDate\" {datetime})"),
             QStringLiteral("CREATE TABLE ref_fuel_norm (\"ID\" {id}, \"ParentID\" {int}, \"GroupFlag\" {smallint}, \"OType\" {text}, \"Name\" {text}, \"Code\" {text}, \"Value\" {double}, \"DurationValue\" {double}, \"TransportFuelTypeID\" {int}, \"CreationDate\" {datetime})"),
             QStringLiteral("CREATE TABLE ref_fuel_tank_type (\"ID\" {id}, \"ParentID\" {int}, \"GroupFlag\" {smallint}, \"OType\" {text}, \"Name\" {text}, \"Code\" {text}, \"CreationDate\" {datetime})"),
             QStringLiteral("CREATE TABLE ref_tyre_size (\"ID\" {id}, \"ParentID\" {int}, \"GroupFlag\" {smallint}, \"OType\" {text}, \"Name\" {text}, \"Code\" {text}, \"CreationDate\" {datetime})"),
             QStringLiteral("CREATE TABLE ref_tyre_type (\"ID\" {id}, \"ParentID\" {int}, \"GroupFlag\" {smallint}, \"OType\" {text}, \"Name\" {text}, \"Code\" {text}, \"CreationDate\" {datetime})"),
             QStringLiteral("CREATE TABLE ref_car_type (\"ID\" {id}, \"ParentID\" {int}, \"GroupFlag\" {smallint}, \"OType\" {text}, \"Name\" {text}, \"Code\" {text}, \"CreationDate\" {datetime})"),
             QStringLiteral("CREATE TABLE ref_car_property (\"ID\" {id}, \"ParentID\" {int}, \"GroupFlag\" {smallint}, \"OType\" {text}, \"Name\" {text}, \"Code\" {text}, \"CreationDate\" {datetime})"),
             QStringLiteral("CREATE TABLE ref_document_type (\"ID\" {id}, \"ParentID\" {int}, \"GroupFlag\" {smallint}, \"OType\" {text}, \"Name\" {text}, \"Code\" {text}, \"CreationDate\" {datetime})"),
             QStringLiteral("CREATE TABLE transport_trip_fuel_tank (\"ID\" {id}, \"TransportTripID\" {int}, \"TransportFuelTankTypeID\" {int}, \"FuelRest\" {double}, \"CreationDate\" {datetime})"),
             QStringLiteral("CREATE TABLE transport_tyre (\"ID\" {id}, \"ParentID\" {int}, \"GroupFlag\" {smallint}, \"OType\" {text}, \"Name\" {text}, \"Number\" {text}, \"TyreTypeID\" {int}, \"TyreSizeID\" {int}, \"DateFrom\" {date}, \"DateTo\" {date}, \"MaxRun\" {int}, \"Comment\" {text}, \"CreationDate\" {datetime})"),
             QStringLiteral("CREATE TABLE transport_car_tyre (\"ID\" {id}, \"TransportID\" {int}, \"TyreID\" {int}, \"Axis\" {smallint}, \"CarSide\" {smallint}, \"PositionOnAxis\" {smallint}, \"DateFrom\" {date}, \"DateTo\" {date}, \"TyreRunFrom\" {int}, \"TyreRunTo\" {int}, \"CreationDate\" {datetime})"),
             QStringLiteral("CREATE TABLE transport_car_driver (\"ID\" {id}, \"TransportID\" {int}, \"UserID\" {int}, \"DateFrom\" {date}, \"DateTo\" {date}, \"Order\" {text}, \"CreationDate\" {datetime})"),
             QStringLiteral("CREATE TABLE transport_car_document (\"ID\" {id}, \"TransportID\" {int}, \"DocTypeID\" {int}, \"DocShape\" {text}, \"DocNumber\" {text}, \"DateFrom\" {date}, \"DateTo\" {date}, \"DocDescription\" {text}, \"CreationDate\" {datetime})"),
             QStringLiteral("CREATE TABLE transport_car_fuel_tank (\"ID\" {id}, \"TransportCarID\" {int}, \"TransportFuelTankTypeID\" {int}, \"CreationDate\" {datetime})"),
             QStringLiteral("CREATE TABLE firm (\"ID\" {id}, \"ParentID\" {int}, \"GroupFlag\" {smallint}, \"OType\" {text}, \"Name\" {text}, \"Code\" {text}, \"VatCode\" {text}, \"Address\" {text}, \"CreationDate\" {datetime})"),
             QStringLiteral("CREATE TABLE employee (\"ID\" {id}, \"ParentID\" {int}, \"GroupFlag\" {smallint}, \"OType\" {text}, \"Name\" {text}, \"LastName\" {text}, \"Code\" {text}, \"UserPref\" {text}, \"DriverFlag\" {smallint}, \"Login\" {text}, \"PasswordHash\" {text}, \"CreationDate\" {datetime})"),
             QStringLiteral("CREATE TABLE reference_catalogue (\"ID\" {id}, \"ParentID\" {int}, \"GroupFlag\" {smallint}, \"OType\" {text}, \"Name\" {text}, \"Code\" {text}, \"CreationDate\" {datetime})"),
             QStringLiteral("CREATE TABLE currency (\"ID\" {id}, \"Code\" {text}, \"Name\" {text}, \"BaseCurrency\" {smallint}, \"CreationDate\" {datetime})"),
             QStringLiteral("CREATE TABLE currency_rate (\"ID\" {id}, \"CurrencyID\" {int}, \"Date\" {date}, \"Rate\" {double}, \"CreationDate\" {datetime})"),
             QStringLiteral("CREATE TABLE auto_number_settings (\"ID\" {id}, \"ObjectType\" {text} NOT NULL UNIQUE, \"ANMask\" {text}, \"ANPrefix\" {text}, \"ANCycle\" {smallint}, \"ANMinimal\" {int}, \"ANTemplate\" {text}, \"ANGroupBy\" {smallint}, \"AllowDuplicated\" {smallint}, \"ModifyDate\" {datetime}, \"ModifiedByUserID\" {int})"),
             QStringLiteral("CREATE TABLE setting (\"UserID\" {int} NOT NULL, \"ObjectType\" {text} NOT NULL, \"Section\" {text} NOT NULL, \"Key\" {text} NOT NULL, \"Value\" {text}, PRIMARY KEY (\"UserID\", \"ObjectType\", \"Section\", \"Key\"))"),
             QStringLiteral("CREATE TABLE user_right (\"UserID\" {int} NOT NULL, \"ComponentKey\" {text} NOT NULL, \"CanOpen\" {smallint} NOT NULL, \"CanWrite\" {smallint} NOT NULL, \"CanDelete\" {smallint} NOT NULL, \"CanAdd\" {smallint} NOT NULL, PRIMARY KEY (\"UserID\", \"ComponentKey\"))"),
             QStringLiteral("CREATE TABLE library_registry (\"Name\" {text} PRIMARY KEY, \"Path\" {text} NOT NULL)"),
             QStringLiteral("CREATE INDEX ix_transport_trip_transportcarid_date_id ON transport_trip (\"TransportCarID\", \"Date\", \"ID\")"),
             QStringLiteral("CREATE INDEX ix_transport_trip_date ON transport_trip (\"Date\")"),
             QStringLiteral("CREATE INDEX ix_transport_trip_userid_date ON transport_trip (\"UserID\", \"Date\")"),
             QStringLiteral("CREATE INDEX ix_transport_trip_name ON transport_trip (\"Name\")"),
             QStringLiteral("CREATE INDEX ix_transport_trip_route_transporttripid_date_id ON transport_trip_route (\"TransportTripID\", \"Date\", \"ID\")"),
             QStringLiteral("CREATE INDEX ix_transport_trip_route_transportrouteid_date ON transport_trip_route (\"TransportRouteID\", \"Date\")"),
             QStringLiteral("CREATE INDEX ix_transport_trip_route_transportfuelnormid ON transport_trip_route (\"TransportFuelNormID\")"),
             QStringLiteral("CREATE INDEX ix_transport_trip_route_userid ON transport_trip_route (\"UserID\")"),
             QStringLiteral("CREATE INDEX ix_transport_cheque_transporttripid_date_id ON transport_cheque (\"TransportTripID\", \"Date\", \"ID\")"),
             QStringLiteral("CREATE INDEX ix_transport_cheque_parentid ON transport_cheque (\"ParentID\")"),
             QStringLiteral("CREATE INDEX ix_transport_cheque_firmid ON transport_cheque (\"FirmID\")"),
             QStringLiteral("CREATE INDEX ix_transport_cheque_transportfueltypeid ON transport_cheque (\"TransportFuelTypeID\")"),
             QStringLiteral("CREATE INDEX ix_transport_trip_fuel_tank_transporttripid ON transport_trip_fuel_tank (\"TransportTripID\")"),
             QStringLiteral("CREATE INDEX ix_transport_car_parentid_groupflag_name ON transport_car (\"ParentID\", \"GroupFlag\", \"Name\")"),
             QStringLiteral("CREATE UNIQUE INDEX ix_transport_car_fuel_norm_transportcarid_transportfuelnormid ON transport_car_fuel_norm (\"TransportCarID\", \"TransportFuelNormID\")"),
             QStringLiteral("CREATE INDEX ix_transport_car_fuel_norm_transportfuelnormid ON transport_car_fuel_norm (\"TransportFuelNormID\")"),
             QStringLiteral("CREATE INDEX ix_transport_car_fuel_tank_transportcarid ON transport_car_fuel_tank (\"TransportCarID\")"),
             QStringLiteral("CREATE INDEX ix_transport_car_driver_transportid_datefrom_id ON transport_car_driver (\"TransportID\", \"DateFrom\", \"ID\")"),
             QStringLiteral("CREATE INDEX ix_transport_car_driver_userid ON transport_car_driver (\"UserID\")"),
             QStringLiteral("CREATE INDEX ix_transport_car_document_transportid_datefrom_id ON transport_car_document (\"TransportID\", \"DateFrom\", \"ID\")"),
             QStringLiteral("CREATE INDEX ix_transport_car_tyre_tyreid_dateto ON transport_car_tyre (\"TyreID\", \"DateTo\")"),
             QStringLiteral("CREATE INDEX ix_transport_car_tyre_transportid_axis_carside_positiononaxis_dateto ON transport_car_tyre (\"TransportID\", \"Axis\", \"CarSide\", \"PositionOnAxis\", \"DateTo\")"),
             QStringLiteral("CREATE INDEX ix_transport_tyre_parentid_groupflag ON transport_tyre (\"ParentID\", \"GroupFlag\")"),
             QStringLiteral("CREATE INDEX ix_transport_tyre_number ON transport_tyre (\"Number\")"),
             QStringLiteral("CREATE INDEX ix_ref_fuel_type_transportfueltanktypeid ON ref_fuel_type (\"TransportFuelTankTypeID\")"),
             QStringLiteral("CREATE INDEX ix_ref_fuel_norm_transportfueltypeid ON ref_fuel_norm (\"TransportFuelTypeID\")"),
             QStringLiteral("CREATE INDEX ix_firm_parentid_groupflag ON firm (\"ParentID\", \"GroupFlag\")"),
             QStringLiteral("CREATE INDEX ix_employee_parentid_groupflag ON employee (\"ParentID\", \"GroupFlag\")"),
             QStringLiteral("CREATE INDEX ix_reference_catalogue_parentid ON reference_catalogue (\"ParentID\")"),
             QStringLiteral("CREATE UNIQUE INDEX ix_currency_rate_currencyid_date ON currency_rate (\"CurrencyID\", \"Date\")"),
             QStringLiteral("CREATE INDEX ix_ref_route_parentid_groupflag_name ON ref_route (\"ParentID\", \"GroupFlag\", \"Name\")"),
             QStringLiteral("CREATE INDEX ix_ref_fuel_type_parentid_groupflag_name ON ref_fuel_type (\"ParentID\", \"GroupFlag\", \"Name\")"),
             QStringLiteral("CREATE INDEX ix_ref_fuel_norm_parentid_groupflag_name ON ref_fuel_norm (\"ParentID\", \"GroupFlag\", \"Name\")"),
             QStringLiteral("CREATE INDEX ix_ref_fuel_tank_type_parentid_groupflag_name ON ref_fuel_tank_type (\"ParentID\", \"GroupFlag\", \"Name\")"),
             QStringLiteral("CREATE INDEX ix_ref_tyre_size_parentid_groupflag_name ON ref_tyre_size (\"ParentID\", \"GroupFlag\", \"Name\")"),
             QStringLiteral("CREATE INDEX ix_ref_tyre_type_parentid_groupflag_name ON ref_tyre_type (\"ParentID\", \"GroupFlag\", \"Name\")"),
             QStringLiteral("CREATE INDEX ix_ref_car_type_parentid_groupflag_name ON ref_car_type (\"ParentID\", \"GroupFlag\", \"Name\")"),
             QStringLiteral("CREATE INDEX ix_ref_car_property_parentid_groupflag_name ON ref_car_property (\"ParentID\", \"GroupFlag\", \"Name\")"),
             QStringLiteral("CREATE INDEX ix_ref_document_type_parentid_groupflag_name ON ref_document_type (\"ParentID\", \"GroupFlag\", \"Name\")"),
             QStringLiteral("CREATE UNIQUE INDEX ix_currency_code ON currency (\"Code\")"),
             QStringLiteral("CREATE UNIQUE INDEX ix_employee_login ON employee (\"Login\")"),
         },
         seedFirstVersion},
        // The host keeps its library registry in a file of its own; the table was never used.
        {2, QStringLiteral("no library registry in the store"), {QStringLiteral("DROP TABLE IF EXISTS library_registry")}, nullptr},
        // Indexes that keep the calls quick on a store of a million trip sheets.
        {3, QStringLiteral("indexes for large stores"),
         {
             QStringLiteral("CREATE INDEX ix_transport_cheque_currencyid ON transport_cheque (\"CurrencyID\")"),
         },
         nullptr},
        {4, QStringLiteral("administrator as a right"), {}, grantAdministratorRight},
        // The reports pick cheques by their date and documents by their end date.
        {5, QStringLiteral("indexes for the reports"),
         {
             QStringLiteral("CREATE INDEX ix_transport_cheque_date ON transport_cheque (\"Date\")"),
             QStringLiteral("CREATE INDEX ix_transport_car_document_dateto ON transport_car_document (\"DateTo\")"),
         },
         nullptr},
        // Every reference the object types describe becomes a foreign key.
        {6, QStringLiteral("foreign keys"), {}, addForeignKeys},
        // The trip list of a period counts each vehicle's sheets from the index alone.
        {7, QStringLiteral("trip sheets by date with their vehicle"),
         {
             QStringLiteral("CREATE INDEX ix_transport_trip_date_transportcarid ON transport_trip (\"Date\", \"TransportCarID\")"),
             QStringLiteral("DROP INDEX ix_transport_trip_date"),
         },
         nullptr},
        // A search typed into the trip list is answered by the store from each sheet's shown texts.
        {8, QStringLiteral("search texts of trip sheets"),
         {QStringLiteral("ALTER TABLE transport_trip ADD COLUMN \"SearchText\" {text}"),
          QStringLiteral("CREATE INDEX ix_transport_trip_userid_transportcarid ON transport_trip (\"UserID\", \"TransportCarID\")")},
         addTripSearchText},
        // On PostgreSQL a search finds the sheets holding the text through an index.
        {9, QStringLiteral("trigram index of trip sheet search texts"), {}, addTripSearchIndex},
    };
}

} // namespace bo
