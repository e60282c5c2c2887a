#include "module/catalogue_dialogs.h"
#include "module/type_object_editors.h"

#include <QStringList>

UIO4000800::UIO4000800() : ObjectEditor(QStringLiteral("O4000800")), title_(Catalogue::MessageTitle()) {}

vx::CallResult UIO4000800::Properties(const QString& name, const QString& param)
{
    static const QStringList askedWithGet = {QStringLiteral("TyreType"), QStringLiteral("TyreSize"),
                                             QStringLiteral("TyreHistory")};
    if (name == QLatin1String("Parent"))
        return parentGroup();
    if (askedWithGet.contains(name))
        return businessProperty(QStringLiteral("Get") + name, param, title_);
    return {};
}
