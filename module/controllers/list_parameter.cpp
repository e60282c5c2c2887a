#include "module/controllers/list_parameter.h"

namespace ListParameter {

QString quoted(const QString& item)
{
    const QChar quote = QLatin1Char('\'');
    QString text = item;
    text.replace(quote, QStringLiteral("''"));
    return quote + text + quote;
}

} // namespace ListParameter
