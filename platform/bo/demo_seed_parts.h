#pragma once

// The pieces the demo fleet is built from, shared by the files of the demo seed.

#include "platform/bo/session.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QVariant>

#include <initializer_list>
#include <utility>

namespace bo::demo {

// A small generator of its own with a fixed seed, so the demo fleet is the
// same on every machine and with every standard library.
class Random {
public:
    explicit Random(quint64 seed) : state_(seed) {}
    quint64 next();
    int between(int low, int high);          // both ends included
    double between(double low, double high); // low included, high not
    bool chance(double probability);
    template <typename T>
    const T& pick(const QList<T>& items) { return items.at(between(0, int(items.size()) - 1)); }

private:
    quint64 state_;
};

using FieldValues = std::initializer_list<std::pair<QStringView, QVariant>>;

// Saves new records through the generic editor, as a card would: read a new
// record of the type, set its fields, save. A refused save throws StorageError.
class Writer {
public:
    explicit Writer(Session& session) : session_(session) {}
    qint64 create(QStringView typeId, FieldValues fields);
    // A group of a grouped type, under `parentId` (0 = top level).
    qint64 group(QStringView typeId, const QString& name, qint64 parentId = 0);

private:
    Session& session_;
    QHash<QString, vx::VxObjectUIOPtr> editors_;
};

double round2(double value);

// Catalogue records the fleet refers to, by short code.
struct Segment {
    qint64 id = 0;
    double distance = 0;
    double duration = 0;
};

struct Norm {
    qint64 id = 0;
    double perDistance = 0; // l/100 km
    double perHour = 0;     // l/h
    QString fuelCode;       // the norm's fuel type
};

struct Catalogues {
    QHash<QString, qint64> tankTypes;    // "DT", "A95", "SND"
    QHash<QString, qint64> fuelTypes;    // "DT", "A95", "A98", "SND"
    QHash<QString, QString> tankOfFuel;  // fuel type code -> tank type code
    QHash<QString, Segment> segments;    // "V-K", "K-Kl", ...
    QHash<QString, Norm> norms;          // "MAN-S", "MAN-W", ...
    QHash<QString, qint64> tyreSizes;    // by size text
    QList<qint64> tyreBrands;
    QHash<QString, qint64> vehicleTypes;      // "VLK" tractor, "MAB" minibus, "LA" car
    QHash<QString, qint64> vehicleProperties; // "ŠLD", "TNT", "KRV", "DUJ"
    QHash<QString, qint64> documentTypes;     // "RL", "TA", "CA", "TACH"
};

// Currencies, fuel sellers and people.
struct Parties {
    qint64 eur = 0;
    qint64 usd = 0;
    qint64 pln = 0;
    QList<qint64> homeSellers; // firms selling fuel in euros
    qint64 foreignSeller = 0;  // a seller across the border, in zlotys
    QList<qint64> drivers;
};

// One fuel tank of a vehicle and the norms its route lines use in summer and in winter.
struct Tank {
    QString code;        // tank type code
    double capacity = 0; // litres
    QString summerNorm;
    QString winterNorm;
    double share = 1;    // part of the route lines run on this tank
};

// The fixed description of one demo vehicle.
struct VehicleModel {
    QString group;    // "Vilkikai", "Mikroautobusai", "Lengvieji"
    QString kind;     // vehicle type code "VLK", "MAB" or "LA": also sets its runs and tyres
    QString name;
    QString plate;
    QString vinPrefix;
    QString property; // vehicle property code, empty = none
    QList<Tank> tanks;
    int firstReading = 0; // speedometer at the start of the demo period
    int sheetDaysMin = 7;
    int sheetDaysMax = 7;
    bool worksSaturdays = false;
    int driver = 0;       // index into Parties::drivers
    int laterDriver = -1; // takes the vehicle over in the middle of the period; -1 = none
    QDate built;
    double length = 0, height = 0, width = 0, volume = 0; // m, m³
    int cargoWeight = 0, totalMass = 0, palettes = 0;     // kg, kg, euro pallets
    QString tyreSize;
};

// A stored vehicle and what the trip sheets need to know about it.
struct Vehicle {
    const VehicleModel* model = nullptr;
    qint64 id = 0;
    struct Assignment {
        qint64 userId = 0;
        QDate from;
        QDate to; // null = open
    };
    QList<Assignment> drivers;
    QMap<QDate, double> readings; // speedometer at the start of each sheet's first day, and after the last

    // The speedometer at the start of `day`, read between the known readings
    // and extended backwards at the vehicle's average daily distance.
    double readingOn(const QDate& day) const;
};

const QList<VehicleModel>& vehicleModels();

// The demo period: three and a half months ending today.
struct Period {
    QDate first;
    QDate today;
};

Catalogues seedCatalogues(Writer& writer);
Parties seedParties(Writer& writer, Random& random, const Period& period);
QList<Vehicle> seedVehicles(Writer& writer, Random& random, const Catalogues& catalogues, const Parties& parties,
                            const Period& period);
void seedTrips(Writer& writer, Random& random, const Catalogues& catalogues, const Parties& parties,
               QList<Vehicle>& vehicles, const Period& period, qint64 userId);
void seedTyres(Writer& writer, Random& random, const Catalogues& catalogues, const QList<Vehicle>& vehicles,
               const Period& period);

} // namespace bo::demo
