// "ReportFuelCheques" ('from','to','vehicle and group ids'): the fuel cheques
// dated within the period (of the chosen vehicles' trip sheets), summed per
// seller, fuel type and currency: cheques, litres, the sum in the cheque's
// currency and in the base currency. Each cheque is converted as its own row
// is (its day's rate, 2 decimals), so the sums agree with the cheque lists; a
// cheque whose currency has no rate for its day counts 0 in the base currency
// and is counted under "NoRate". Each seller is followed by its total, the list
// by a grand total; a total's currency sum is empty when its rows' currencies differ.

#include "platform/bo/reports/report_calls.h"
#include "platform/bo/session_store.h"
#include "platform/contract/date_text.h"
#include "platform/contract/number_text.h"

#include <algorithm>

namespace bo::reports {
namespace {

using FT = vx::FieldType;

const QString chequesSql = QStringLiteral(
    "SELECT ch.\"FirmID\", COALESCE(f.\"Name\", ''), COALESCE(ft.\"Name\", ''), "
    "COALESCE(cur.\"Code\", (SELECT MIN(b.\"Code\") FROM currency b WHERE b.\"BaseCurrency\" = 1), ''), "
    "CASE WHEN cur.\"ID\" IS NULL OR COALESCE(cur.\"BaseCurrency\", 0) <> 0 THEN 1 ELSE 0 END, "
    "r.\"Rate\", ch.\"FuelAmount\", ch.\"SumCurr\" "
    "FROM transport_cheque ch "
    "LEFT JOIN transport_trip t ON t.\"ID\" = ch.\"TransportTripID\" "
    "LEFT JOIN firm f ON f.\"ID\" = ch.\"FirmID\" "
    "LEFT JOIN ref_fuel_type ft ON ft.\"ID\" = ch.\"TransportFuelTypeID\" "
    "LEFT JOIN currency cur ON cur.\"ID\" = ch.\"CurrencyID\" "
    "LEFT JOIN currency_rate r ON r.\"CurrencyID\" = ch.\"CurrencyID\" AND r.\"Date\" = ch.\"Date\" "
    "WHERE COALESCE(ch.\"GroupFlag\", 0) = 0 AND ch.\"Date\" >= ? AND ch.\"Date\" <= ? AND %1");

struct Sum {
    int kind = 0; // 0 seller, fuel type and currency; 1 seller total; 2 grand total
    qint64 firm = 0;
    QString firmName, fuel, currency;
    bool mixed = false; // of more than one currency
    int cheques = 0, noRate = 0;
    double litres = 0, sum = 0, base = 0;

    void add(const Sum& other)
    {
        mixed = mixed || (cheques > 0 && other.currency != currency) || other.mixed;
        currency = other.currency;
        cheques += other.cheques;
        noRate += other.noRate;
        litres += other.litres;
        sum += other.sum;
        base += other.base;
    }
    bool sameLine(const Sum& o) const { return firm == o.firm && fuel == o.fuel && currency == o.currency; }
};

// One sum per seller, fuel type and currency, in the order they are listed.
QList<Sum> lineSums(const Rows& cheques)
{
    QList<Sum> lines;
    for (const QVariantList& c : cheques.values) {
        Sum cheque;
        cheque.firm = c.at(0).toLongLong();
        cheque.firmName = c.at(1).toString();
        cheque.fuel = c.at(2).toString();
        cheque.currency = c.at(3).toString();
        const bool base = c.at(4).toInt() != 0;
        const double rate = base ? 1.0 : c.at(5).toDouble();
        cheque.cheques = 1;
        cheque.noRate = rate > 0 ? 0 : 1;
        cheque.litres = c.at(6).toDouble();
        cheque.sum = c.at(7).toDouble();
        cheque.base = vx::numbers::readLocale(vx::numbers::fixed(cheque.sum * rate, 2)).value_or(0.0);
        const auto same = std::find_if(lines.begin(), lines.end(), [&](const Sum& l) { return l.sameLine(cheque); });
        if (same != lines.end())
            same->add(cheque);
        else
            lines.append(cheque);
    }
    std::sort(lines.begin(), lines.end(), [](const Sum& a, const Sum& b) {
        if (a.firmName != b.firmName)
            return lessLithuanian(a.firmName, b.firmName);
        if (a.firm != b.firm)
            return a.firm < b.firm;
        if (a.fuel != b.fuel)
            return lessLithuanian(a.fuel, b.fuel);
        return a.currency < b.currency;
    });
    return lines;
}

QList<Sum> withTotals(const QList<Sum>& lines)
{
    QList<Sum> rows;
    Sum grand;
    grand.kind = 2;
    Sum seller;
    for (int i = 0; i < lines.size(); ++i) {
        if (i == 0 || lines.at(i).firm != lines.at(i - 1).firm) {
            seller = Sum();
            seller.kind = 1;
            seller.firm = lines.at(i).firm;
            seller.firmName = lines.at(i).firmName;
        }
        rows.append(lines.at(i));
        seller.add(lines.at(i));
        grand.add(lines.at(i));
        if (i + 1 == lines.size() || lines.at(i + 1).firm != seller.firm)
            rows.append(seller);
    }
    if (!lines.isEmpty())
        rows.append(grand);
    return rows;
}

vx::CallResult fuelCheques(Session& session, const TypedArguments& args)
{
    static const QList<vx::FieldDef> fields = {
        {QStringLiteral("RowKind"), FT::Integer}, {QStringLiteral("FirmName"), FT::Text},
        {QStringLiteral("FuelName"), FT::Text},   {QStringLiteral("Cheques"), FT::Integer},
        {QStringLiteral("FuelAmount"), FT::Double}, {QStringLiteral("SumCurr"), FT::Double},
        {QStringLiteral("CurrCode"), FT::Text},   {QStringLiteral("SumBase"), FT::Double},
        {QStringLiteral("NoRate"), FT::Integer},
    };
    const QString name = QStringLiteral("ReportFuelCheques");
    PeriodChoice choice;
    if (const std::optional<vx::CallResult> refused = readPeriodChoice(name, args, choice))
        return *refused;
    const QDate from = choice.from, to = choice.to;
    const QString& vehicles = choice.vehicles;
    const Rows cheques = storeOf(session).query(chosenCte() + chequesSql.arg(chosenFilter(QStringLiteral("t.\"TransportCarID\""))),
                                                QVariantList{vehicles, from, to} + chosenFilterValues(vehicles));
    Rows out;
    for (const Sum& s : withTotals(lineSums(cheques)))
        out.values.append({s.kind, s.kind == 2 ? QString() : s.firmName, s.kind == 0 ? s.fuel : QString(), s.cheques,
                           rounded(s.litres, 3), s.mixed ? QVariant() : QVariant(rounded(s.sum, 2)),
                           s.mixed ? QString() : s.currency, rounded(s.base, 2), s.noRate});
    return vx::CallResult::success(QVariant::fromValue(recordsetFrom(out, fields)));
}

} // namespace

void addFuelChequesCall(NamedCalls& calls)
{
    const QString name = QStringLiteral("ReportFuelCheques");
    calls.add(name, withArguments(name, periodArguments(), fuelCheques));
}

} // namespace bo::reports
