#include "platform/contract/object_id.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace vx::oid {
namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The number the digits spell, 0 for no digits, any other character or a
// number too large to hold.
qint64 digitsValue(QStringView digits)
{
    if (digits.isEmpty())
        return 0;
    qint64 number = 0;
    for (QChar c : digits) {
        if (!isDigit(c) || number > (std::numeric_limits<qint64>::max() - 9) / 10)
            return 0;
        number = number * 10 + (c.unicode() - u'0');
    }
    return number;
}

} // namespace

QString typeId(QStringView id)
{
    return id.left(typeIdLength).toString();
}

bool isTypeId(QStringView text)
{
    if (text.size() != typeIdLength || text.at(0) != QLatin1Char('O'))
        return false;
    for (qsizetype i = 1; i < typeIdLength; ++i)
        if (!isDigit(text.at(i)))
            return false;
    return true;
}

bool hasRecord(QStringView id)
{
    return id.size() > typeIdLength;
}

qint64 recordNumber(QStringView id)
{
    if (!hasRecord(id) || !isTypeId(id.left(typeIdLength)))
        return 0;
    return digitsValue(id.mid(typeIdLength));
}

bool isWellFormed(QStringView id)
{
    return isTypeId(id) || recordNumber(id) > 0;
}

QString make(QStringView typeId, qint64 number)
{
    if (number <= 0)
        return typeId.toString();
    // Written at once into a text of its final length: lists make one per row.
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof(digits), number).ptr;
    QString id(typeId.size() + (end - digits), Qt::Uninitialized);
    QChar* out = std::copy(typeId.begin(), typeId.end(), id.data());
    for (const char* digit = digits; digit != end; ++digit)
        *out++ = QLatin1Char(*digit);
    return id;
}

bool isOfType(QStringView id, QStringView type)
{
    return isWellFormed(id) && id.left(typeIdLength) == type;
}

} // namespace vx::oid
