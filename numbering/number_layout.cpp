#include "numbering/number_layout.h"

#include "module/catalogue_numbering.h"

#include <limits>

namespace numbering {

QString composeNumber(const QStringList& parts, qint64 counter, const QString& prefix, const QDate& date,
                      const QString& userPrefix, const QString& numberTemplate)
{
    QString number;
    for (const QString& part : parts) {
        if (!number.isEmpty())
            number += QLatin1Char('-');
        number += Catalogue::AutoNumberPart(part, counter, prefix, date, userPrefix, numberTemplate);
    }
    return number;
}

CounterReading counterIn(const QStringList& parts, const QString& name)
{
    const qsizetype position = parts.indexOf(QStringLiteral("AutoNumber"));
    if (position < 0)
        return {};
    const QStringList pieces = name.split(QLatin1Char('-'));
    if (position >= pieces.size())
        return {};
    const QString piece = pieces.at(position).trimmed();
    if (piece.isEmpty())
        return {};
    for (const QChar c : piece)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return {};
    // Leading zeros are padding; the value is what remains.
    QString digits = piece;
    while (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    bool fits = false;
    const qint64 value = digits.toLongLong(&fits);
    if (fits && value <= std::numeric_limits<qint32>::max())
        return {QVariant(value), QString()};
    return {QVariant(), digits};
}

} // namespace numbering
