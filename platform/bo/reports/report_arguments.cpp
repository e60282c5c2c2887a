// What a report asks, on the way to its named call: the argument text, the
// heading lines of the report document and the words of the command line, all
// in the one order of Parameter, so a report that asks less takes fewer items.

#include "platform/bo/reports/report_catalogue.h"

#include "platform/contract/argument_text.h"
#include "platform/contract/date_text.h"

namespace bo::reports {

QString parameterText(const ReportDefinition& report, const ReportArguments& args)
{
    QVariantList values;
    if (report.parameters & Period)
        values << args.from << args.to;
    if (report.parameters & Day)
        values << args.day;
    if (report.parameters & Number)
        values << args.number;
    if (report.parameters & Vehicles)
        values << args.vehicles.join(QLatin1Char(','));
    if (report.parameters & Driver)
        values << args.driver;
    return vx::arguments::write(values);
}

QStringList headingLines(const ReportDefinition& report, const ReportArguments& args)
{
    QStringList lines;
    if (report.parameters & Period)
        lines << QStringLiteral("Laikotarpis: %1 – %2").arg(vx::dates::toText(args.from), vx::dates::toText(args.to));
    if (report.parameters & Day)
        lines << QStringLiteral("Data: %1").arg(vx::dates::toText(args.day));
    if (report.parameters & Number)
        lines << QStringLiteral("%1: %2 %3").arg(report.number.caption).arg(args.number).arg(report.number.unit).trimmed();
    if (report.parameters & Vehicles)
        lines << (args.vehicles.isEmpty() ? QStringLiteral("Automobiliai: visi")
                                          : QStringLiteral("Automobiliai: %1").arg(args.vehicleNames.join(QStringLiteral(", "))));
    if (!args.driver.isEmpty())
        lines << QStringLiteral("Vairuotojas: %1").arg(args.driverName);
    return lines;
}

namespace {

std::optional<QDate> dateWord(const QString& word)
{
    const std::optional<QDate> date = vx::dates::readDate(word);
    return date && date->isValid() ? date : std::nullopt;
}

} // namespace

std::optional<ReportArguments> argumentsFromWords(const ReportDefinition& report, const QStringList& words,
                                                  QString* error)
{
    ReportArguments args;
    int next = 0;
    const auto refuse = [&](const QString& what) {
        if (error)
            *error = QStringLiteral("%1 (%2: %3).").arg(what, report.key, wordsUsage(report));
        return std::nullopt;
    };
    if (report.parameters & Period) {
        const std::optional<QDate> from = dateWord(words.value(next++));
        const std::optional<QDate> to = dateWord(words.value(next++));
        if (!from || !to)
            return refuse(QStringLiteral("Netinkamas laikotarpis: %1 %2, rašykite yyyy.MM.dd").arg(words.value(0), words.value(1)));
        args.from = *from;
        args.to = *to;
    }
    if (report.parameters & Day) {
        const std::optional<QDate> day = dateWord(words.value(next++));
        if (!day)
            return refuse(QStringLiteral("Netinkama data: %1, rašykite yyyy.MM.dd").arg(words.value(next - 1)));
        args.day = *day;
    }
    if (report.parameters & Number) {
        bool ok = false;
        args.number = words.value(next++).toInt(&ok);
        if (!ok || args.number < report.number.minimum || args.number > report.number.maximum)
            return refuse(QStringLiteral("%1 turi būti sveikasis skaičius nuo %2 iki %3")
                              .arg(report.number.caption)
                              .arg(report.number.minimum)
                              .arg(report.number.maximum));
    }
    if (report.parameters & Vehicles)
        args.vehicles = words.value(next++).split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (report.parameters & Driver)
        args.driver = words.value(next++);
    if (words.size() > next)
        return refuse(QStringLiteral("Per daug žodžių"));
    return args;
}

QString wordsUsage(const ReportDefinition& report)
{
    QStringList words;
    if (report.parameters & Period)
        words << QStringLiteral("FROM TO");
    if (report.parameters & Day)
        words << QStringLiteral("DATE");
    if (report.parameters & Number)
        words << QStringLiteral("NUMBER");
    QString optional;
    if (report.parameters & Driver)
        optional = QStringLiteral(" [DRIVER]");
    if (report.parameters & Vehicles)
        optional = QStringLiteral(" [VEHICLES%1]").arg(optional);
    return (words.join(QLatin1Char(' ')) + optional).trimmed();
}

} // namespace bo::reports
