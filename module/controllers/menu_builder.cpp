#include "module/controllers/menu_builder.h"

MenuBuilder::MenuBuilder(QString newCaption, QString filterCaption)
    : newCaption_(std::move(newCaption)),
      filterCaption_(std::move(filterCaption))
{
}

MenuBuilder& MenuBuilder::add(std::initializer_list<const char*> keys)
{
    for (const char* key : keys) {
        const QString text = QLatin1String(key);
        items_.append({captionOf(text), text, {}, false});
    }
    return *this;
}

MenuBuilder& MenuBuilder::addIf(bool granted, std::initializer_list<const char*> keys)
{
    return granted ? add(keys) : *this;
}

QString MenuBuilder::captionOf(const QString& key) const
{
    if (key == QLatin1String("0"))
        return QStringLiteral("Padėti &ant darbo stalo");
    if (key == QLatin1String("1"))
        return newCaption_;
    if (key == QLatin1String("2"))
        return QStringLiteral("Nauja &grupė");
    if (key == QLatin1String("3"))
        return filterCaption_;
    if (key == QLatin1String("4"))
        return QStringLiteral("&Panaikinti");
    if (key == QLatin1String("6"))
        return QStringLiteral("Transporto nustatymai");
    if (key == QLatin1String("100"))
        return QStringLiteral("-");
    return QString();
}
