// The demo fleet's currencies with their day rates, fuel sellers and people.

#include "platform/bo/demo_seed_parts.h"

#include <cmath>

namespace bo::demo {
namespace {

qint64 currency(Writer& writer, const QString& code, const QString& name, bool base)
{
    return writer.create(u"O0201500", {{u"Code", code}, {u"Name", name}, {u"BaseCurrency", base ? 1 : 0}});
}

// A rate for every day of the period, so a cheque on any day finds the rate of its own day.
void dayRates(Writer& writer, Random& random, const Period& period, qint64 currencyId, double rate, double step)
{
    for (QDate day = period.first.addDays(-7); day <= period.today; day = day.addDays(1)) {
        rate += random.between(-step, step);
        writer.create(u"O0002200", {{u"CurrencyID", currencyId},
                                    {u"Date", day},
                                    {u"Rate", std::round(rate * 1e6) / 1e6}});
    }
}

struct FirmRow {
    const char16_t* name;
    const char16_t* code;
    const char16_t* vat;
    const char16_t* address;
};

qint64 firm(Writer& writer, qint64 group, const FirmRow& row)
{
    return writer.create(u"O0000100", {{u"ParentID", group},
                                       {u"Name", QString::fromUtf16(row.name)},
                                       {u"Code", QString::fromUtf16(row.code)},
                                       {u"VatCode", QString::fromUtf16(row.vat)},
                                       {u"Address", QString::fromUtf16(row.address)}});
}

const FirmRow homeSellerRows[] = {
    {u"UAB Degalų prekyba", u"302418765", u"LT100004871219", u"Savanorių pr. 178, Vilnius"},
    {u"UAB Pakelės kuras", u"304112583", u"LT100010372914", u"Taikos pr. 141, Kaunas"},
};
const FirmRow foreignSellerRow = {u"Paliwa Mazury sp. z o.o.", u"8442219650", u"PL8442219650", u"ul. Sejneńska 12, Suwałki"};
const FirmRow serviceRows[] = {
    {u"AB Kelių servisas", u"110293847", u"LT102938471", u"Metalo g. 5, Vilnius"},
    {u"UAB Padangų centras", u"303567120", u"LT100009120517", u"Pramonės pr. 16, Kaunas"},
};

struct Person {
    const char16_t* name;
    const char16_t* lastName;
    const char16_t* prefix;
};

const Person driverRows[] = {
    {u"Jonas", u"Jonaitis", u"JJ"},       {u"Petras", u"Petraitis", u"PP"},     {u"Ona", u"Onaitienė", u"OO"},
    {u"Tomas", u"Kazlauskas", u"TK"},     {u"Rūta", u"Žukauskienė", u"RŽ"},     {u"Mindaugas", u"Žilinskas", u"MŽ"},
    {u"Darius", u"Vaitkus", u"DV"},
};

} // namespace

Parties seedParties(Writer& writer, Random& random, const Period& period)
{
    Parties p;
    p.eur = currency(writer, QStringLiteral("EUR"), QStringLiteral("Euras"), true);
    p.usd = currency(writer, QStringLiteral("USD"), QStringLiteral("JAV doleris"), false);
    p.pln = currency(writer, QStringLiteral("PLN"), QStringLiteral("Lenkijos zlotas"), false);
    dayRates(writer, random, period, p.usd, 0.9215, 0.0025);
    dayRates(writer, random, period, p.pln, 0.2331, 0.0004);

    const qint64 sellers = writer.group(u"O0000100", QStringLiteral("Degalų tiekėjai"));
    for (const FirmRow& row : homeSellerRows)
        p.homeSellers << firm(writer, sellers, row);
    p.foreignSeller = firm(writer, sellers, foreignSellerRow);
    const qint64 services = writer.group(u"O0000100", QStringLiteral("Aptarnavimas"));
    for (const FirmRow& row : serviceRows)
        firm(writer, services, row);

    const qint64 driversGroup = writer.group(u"O0001401", QStringLiteral("Vairuotojai"));
    int number = 0;
    for (const Person& person : driverRows)
        p.drivers << writer.create(u"O0001401", {{u"ParentID", driversGroup},
                                                 {u"Name", QString::fromUtf16(person.name)},
                                                 {u"LastName", QString::fromUtf16(person.lastName)},
                                                 {u"Code", QStringLiteral("V-%1").arg(++number, 3, 10, QLatin1Char('0'))},
                                                 {u"UserPref", QString::fromUtf16(person.prefix)},
                                                 {u"DriverFlag", 1}});
    const qint64 office = writer.group(u"O0001401", QStringLiteral("Administracija"));
    writer.create(u"O0001401", {{u"ParentID", office}, {u"Name", QStringLiteral("Aistė")},
                                {u"LastName", QStringLiteral("Šimkutė")}, {u"Code", QStringLiteral("A-001")},
                                {u"UserPref", QStringLiteral("AŠ")}, {u"DriverFlag", 0}});
    return p;
}

} // namespace bo::demo
