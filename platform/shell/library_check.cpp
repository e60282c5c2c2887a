#include "platform/shell/library_check.h"

#include "kelmira/plugin_build.h"
#include "platform/contract/plugin_api.h"
#include "platform/shell/library_file.h"

namespace shell {
namespace {

// What differs between the library's description and this host, each part with both values.
QStringList differences(const vx::plugin::ReadDescription& description, const QString& expectedName)
{
    QStringList differ;
    if (!expectedName.isEmpty() && description.name.compare(expectedName, Qt::CaseInsensitive) != 0)
        differ << QStringLiteral("bibliotekos vardas „%1“, laukta „%2“").arg(description.name, expectedName);
    if (description.contractVersion != vx::plugin::contractVersion)
        differ << QStringLiteral("sąsajos versija %1, programos %2")
                      .arg(description.contractVersion)
                      .arg(vx::plugin::contractVersion);
    if (description.buildId != QLatin1String(vx::plugin::buildId))
        differ << QStringLiteral("surinkimo žymė %1, programos %2")
                      .arg(description.buildId, QLatin1String(vx::plugin::buildId));
    return differ;
}

} // namespace

QString missingPartsText(const QString& filePath, const QStringList& missing)
{
    return QStringLiteral("Biblioteka %1 nėra komponentų biblioteka: trūksta %2.")
        .arg(filePath, missing.join(QStringLiteral(", ")));
}

QString refusalOf(const QString& filePath, const QString& expectedName)
{
    const LibraryFile file = readLibraryFile(filePath, vx::plugin::descriptionSection);
    if (!file.error.isEmpty())
        return QStringLiteral("Nepavyko įkelti bibliotekos %1: %2").arg(filePath, file.error);
    const vx::plugin::ReadDescription description = vx::plugin::readDescription(file.section);
    QStringList missing;
    if (!description.valid)
        missing << QStringLiteral("aprašo (sekcijos %1)").arg(QLatin1String(vx::plugin::descriptionSection));
    for (const char* symbol : vx::plugin::entryPointSymbols)
        if (!file.exportedSymbols.contains(QLatin1String(symbol)))
            missing << QLatin1String(symbol);
    if (!missing.isEmpty())
        return missingPartsText(filePath, missing);
    const QStringList differ = differences(description, expectedName);
    if (!differ.isEmpty())
        return QStringLiteral("Biblioteka %1 netinka šiai programai: %2. Reikia modulio, surinkto kartu su programa.")
            .arg(filePath, differ.join(QStringLiteral("; ")));
    return QString();
}

} // namespace shell
