#include "numbering/auto_number_settings.h"

#include "module/catalogue_conversions.h"
#include "platform/contract/argument_text.h"

#include <QStringList>

namespace numbering {

const QStringList& partNames()
{
    static const QStringList names = {QStringLiteral("Date"), QStringLiteral("UserPrefix"),
                                      QStringLiteral("AutoNumber"), QStringLiteral("Prefix")};
    return names;
}

QString partLabel(const QString& partName)
{
    if (partName == QLatin1String("Date"))
        return QStringLiteral("Data");
    if (partName == QLatin1String("UserPrefix"))
        return QStringLiteral("Darbuotojo kodas");
    if (partName == QLatin1String("AutoNumber"))
        return QStringLiteral("Auto-numeris");
    if (partName == QLatin1String("Prefix"))
        return QStringLiteral("Prefiksas");
    return partName;
}

QStringList AutoNumberSettings::parts() const
{
    return mask.isEmpty() ? QStringList() : mask.split(QLatin1Char('_'));
}

std::optional<AutoNumberSettings> settingsFrom(const vx::RecordsetPtr& rows)
{
    if (!rows || rows->RecordCount() == 0)
        return std::nullopt;
    if (rows->isBOF() || rows->isEOF())
        rows->MoveFirst();
    AutoNumberSettings s;
    s.id = Catalogue::LongOrZero(rows->value(u"ID"));
    s.mask = Catalogue::TextOrEmpty(rows->value(u"ANMask"));
    s.prefix = Catalogue::TextOrEmpty(rows->value(u"ANPrefix"));
    s.cycle = Catalogue::IntegerOrZero(rows->value(u"ANCycle"));
    s.minimal = Catalogue::LongOrZero(rows->value(u"ANMinimal"));
    s.numberTemplate = Catalogue::TextOrEmpty(rows->value(u"ANTemplate"));
    s.groupBy = Catalogue::IntegerOrZero(rows->value(u"ANGroupBy"));
    s.allowDuplicated = Catalogue::IntegerOrZero(rows->value(u"AllowDuplicated")) == 1;
    return s;
}

QString settingsText(const AutoNumberSettings& s, const QString& minimalDigits)
{
    using vx::arguments::quoted;
    return QStringList{QString::number(s.id),      quoted(s.mask),           quoted(s.prefix),
                       QString::number(s.cycle),   minimalDigits,            quoted(s.numberTemplate),
                       QString::number(s.groupBy), QString::number(s.allowDuplicated ? 1 : 0)}
        .join(QLatin1Char(','));
}

} // namespace numbering
