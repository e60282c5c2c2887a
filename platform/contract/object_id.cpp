#include "platform/contract/object_id.h"

namespace vx::oid {

QString typeId(QStringView id)
{
    return id.left(typeIdLength).toString();
}

bool isTypeId(QStringView text)
{
    if (text.size() != typeIdLength || text.at(0) != QLatin1Char('O'))
        return false;
    for (qsizetype i = 1; i < typeIdLength; ++i)
        if (text.at(i) < QLatin1Char('0') || text.at(i) > QLatin1Char('9'))
            return false;
    return true;
}

bool hasRecord(QStringView id)
{
    return id.size() > typeIdLength;
}

qint64 recordNumber(QStringView id)
{
    if (!hasRecord(id))
        return 0;
    qint64 number = 0;
    for (QChar c : id.mid(typeIdLength)) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        if (number > (std::numeric_limits<qint64>::max() - 9) / 10)
            return 0;
        number = number * 10 + (c.unicode() - u'0');
    }
    return number;
}

QString make(QStringView typeId, qint64 number)
{
    if (number <= 0)
        return typeId.toString();
    return typeId.toString() + QString::number(number);
}

bool isOfType(QStringView id, QStringView type)
{
    return id.size() >= typeIdLength && id.left(typeIdLength) == type;
}

} // namespace vx::oid
