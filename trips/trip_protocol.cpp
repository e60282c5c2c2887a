#include "trips/trip_protocol.h"

#include "module/catalogue_conversions.h"
#include "module/catalogue_host.h"
#include "platform/contract/date_text.h"
#include "platform/contract/object_id.h"

namespace trips {
namespace {

QString person(const vx::RecordFields& sheet, const QString& field, const PersonName& personName)
{
    const qint64 id = Catalogue::LongOrZero(sheet.value(field));
    return id > 0 ? personName(id) : QStringLiteral("Sistemos Administratorius");
}

QDateTime momentOf(const vx::RecordFields& sheet, const QString& field)
{
    return Catalogue::DateTimeOrDefault(sheet.value(field), QDateTime());
}

} // namespace

QString protocolDateTime(const QDateTime& moment)
{
    if (!moment.isValid())
        return QString();
    const QString date = vx::dates::toText(moment.date());
    if (moment.time() == QTime(0, 0))
        return date;
    return date + QLatin1Char(' ') + moment.time().toString(vx::dates::longTimeFormat.toString());
}

QString protocolText(const vx::RecordFields& sheet, const PersonName& personName)
{
    QString text = QStringLiteral("Sukūrė: ") + person(sheet, QStringLiteral("CreatedByUserID"), personName)
                   + QStringLiteral(" (") + protocolDateTime(momentOf(sheet, QStringLiteral("CreationDate")))
                   + QLatin1Char(')');
    const QDateTime modified = momentOf(sheet, QStringLiteral("ModifyDate"));
    if (modified.isValid())
        text += QStringLiteral(", koregavo: ") + person(sheet, QStringLiteral("ModifiedByUserID"), personName)
                + QStringLiteral(" (") + protocolDateTime(modified) + QLatin1Char(')');
    return text;
}

QString employeeName(qint64 personId)
{
    const vx::VxObjectUIOPtr employee = Catalogue::GetEditor(vx::oid::make(QStringLiteral("O0001401"), personId));
    if (!employee)
        return QString();
    const vx::RecordFields fields = employee->Fields();
    return Catalogue::TextOrEmpty(fields.value(QStringLiteral("Name"))) + QLatin1Char(' ')
           + Catalogue::TextOrEmpty(fields.value(QStringLiteral("LastName")));
}

} // namespace trips
