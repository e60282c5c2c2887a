#include "module/catalogue_dialogs.h"
#include "module/type_object_editors.h"

#include <QStringList>

UIO4000400::UIO4000400() : ObjectEditor(QStringLiteral("O4000400")), title_(Catalogue::MessageTitle()) {}

vx::CallResult UIO4000400::Properties(const QString& name, const QString& param)
{
    static const QStringList askedWithGet = {QStringLiteral("TypeName"),   QStringLiteral("PropertyName"),
                                             QStringLiteral("DriverName"), QStringLiteral("CarTyres"),
                                             QStringLiteral("CarDrivers"), QStringLiteral("CarDocuments")};
    if (name == QLatin1String("Parent"))
        return parentGroup();
    if (name == QLatin1String("O4000500"))
        return businessProperty(QStringLiteral("GetTransportCarFuelNorms"), OIDR(), title_);
    if (name == QLatin1String("O4001200"))
        return businessProperty(QStringLiteral("GetCarFuelTanks"), OIDR(), title_);
    if (askedWithGet.contains(name))
        return businessProperty(QStringLiteral("Get") + name, param, title_);
    return {};
}
