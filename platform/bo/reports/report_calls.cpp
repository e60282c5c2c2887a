#include "platform/bo/reports/report_calls.h"

#include "platform/contract/date_text.h"
#include "platform/contract/object_id.h"

#include <QCollator>
#include <QLocale>

#include <cmath>

namespace bo::reports {

std::optional<QString> chosenVehicles(const QString& list)
{
    QString numbers = QStringLiteral(",");
    for (const QString& item : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString id = item.trimmed();
        if (!vx::oid::isOfType(id, QStringLiteral("O4000400")) || !vx::oid::hasRecord(id))
            return std::nullopt;
        numbers += QString::number(vx::oid::recordNumber(id)) + QLatin1Char(',');
    }
    return numbers;
}

vx::CallResult notVehicles(const QString& call, const QString& list)
{
    return vx::CallResult::failure(QStringLiteral("%1: \"%2\" nėra automobilių identifikatorių sąrašas.").arg(call, list));
}

QList<ExpectedArgument> periodArguments()
{
    return {{QStringLiteral("from"), ArgumentType::Date},
            {QStringLiteral("to"), ArgumentType::Date},
            {QStringLiteral("vehicles"), ArgumentType::Text, true}};
}

std::optional<vx::CallResult> readPeriodChoice(const QString& call, const TypedArguments& args, PeriodChoice& choice)
{
    choice.from = args.date(0).isValid() ? args.date(0) : vx::dates::noDate();
    choice.to = args.date(1).isValid() ? args.date(1) : vx::dates::calendarEnd();
    if (choice.to < choice.from)
        return vx::CallResult::failure(QStringLiteral("%1: laikotarpio pabaiga ankstesnė už pradžią.").arg(call));
    const std::optional<QString> vehicles = chosenVehicles(args.text(2));
    if (!vehicles)
        return notVehicles(call, args.text(2));
    choice.vehicles = *vehicles;
    return std::nullopt;
}

QString chosenCte()
{
    return QStringLiteral(
        "WITH RECURSIVE chosen(id) AS ("
        " SELECT \"ID\" FROM transport_car WHERE ? LIKE '%,' || CAST(\"ID\" AS TEXT) || ',%'"
        " UNION SELECT c.\"ID\" FROM transport_car c JOIN chosen ON c.\"ParentID\" = chosen.id) ");
}

QString chosenFilter(const QString& carColumn)
{
    return QStringLiteral("(? = 0 OR %1 IN (SELECT id FROM chosen))").arg(carColumn);
}

QVariantList chosenFilterValues(const QString& chosen)
{
    return {chosen == QLatin1String(",") ? 0 : 1};
}

QString carNameSql(const QString& alias)
{
    return QStringLiteral("TRIM(COALESCE(%1.\"Name\", '') || ' ' || COALESCE(%1.\"Code\", ''))").arg(alias);
}

bool lessLithuanian(const QString& a, const QString& b)
{
    thread_local const QCollator collator{QLocale(QLocale::Lithuanian, QLocale::Lithuania)};
    return collator.compare(a, b) < 0;
}

double rounded(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::nearbyint(value * scale) / scale + 0.0;
}

} // namespace bo::reports
