#include "module/catalogue_dialogs.h"
#include "module/type_object_editors.h"

#include <QStringList>

UIO4000900::UIO4000900() : ObjectEditor(QStringLiteral("O4000900")), title_(Catalogue::MessageTitle()) {}

vx::CallResult UIO4000900::Properties(const QString& name, const QString& param)
{
    static const QStringList askedWithGet = {QStringLiteral("CheckPosition"), QStringLiteral("CheckTyreInUse"),
                                             QStringLiteral("TyreRun"), QStringLiteral("CarRun")};
    if (askedWithGet.contains(name))
        return businessProperty(QStringLiteral("Get") + name, param, title_);
    return {};
}
