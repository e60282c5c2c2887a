#include "module/catalogue_numbering.h"

#include "module/catalogue_conversions.h"
#include "module/module_services.h"
#include "platform/contract/recordset.h"
#include "platform/contract/vx_services.h"

namespace Catalogue {
namespace {

const QString noUserPrefix = QStringLiteral("??");

QString currentUserPrefix()
{
    const vx::VxSPtr services = module::services();
    if (!services)
        return noUserPrefix;
    const vx::RecordsetPtr user = services->Environment().CurrentUser().Record;
    if (!user || user->RecordCount() == 0)
        return noUserPrefix;
    if (user->isBOF() || user->isEOF())
        user->MoveFirst();
    return TextOrEmpty(user->value(u"UserPref"));
}

QString paddedNumber(qint64 number, qsizetype width)
{
    // The sign stands before the padding, as a number format would put it.
    QString digits = QString::number(number);
    const bool negative = digits.startsWith(QLatin1Char('-'));
    if (negative)
        digits.remove(0, 1);
    digits = digits.rightJustified(width, QLatin1Char('0'));
    return negative ? QLatin1Char('-') + digits : digits;
}

} // namespace

QString AutoNumberPart(const QString& partName, qint64 number, const QString& prefix, const QDate& date,
                       const QString& userPrefix, const QString& width)
{
    if (partName == QLatin1String("Date"))
        return date.toString(QStringLiteral("yyMMdd"));
    if (partName == QLatin1String("UserPrefix"))
        return userPrefix.isEmpty() ? currentUserPrefix() : userPrefix;
    if (partName == QLatin1String("AutoNumber"))
        return paddedNumber(number, width.size());
    if (partName == QLatin1String("Prefix"))
        return prefix;
    return QString();
}

} // namespace Catalogue
