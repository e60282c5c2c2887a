#include "module/controllers/grouped_list.h"

#include "module/card_factory.h"
#include "module/catalogue_conversions.h"

GroupedListController::GroupedListController(QString typeId, vx::IconTable icons, QString recordKind, QString cardClass)
    : ListController(std::move(typeId), std::move(icons)),
      recordKind_(std::move(recordKind)),
      cardClass_(std::move(cardClass))
{
}

bool GroupedListController::AddToDeskTopVxObject(const QString& id)
{
    return addToDesktop(openCard(id, cardClass_));
}

vx::ClickResult GroupedListController::clickNew(const QString& id, const QString& objectType, const QString& menuKey)
{
    qint32 parent = 0;
    if (!isOwn(id)) {
        const vx::VxObjectUIOPtr clicked = GetVxObject(id);
        if (!clicked) {
            reportMissing();
            return {};
        }
        const QString field = newGoesBeside(objectType) ? QStringLiteral("ParentID") : QStringLiteral("ID");
        parent = Catalogue::LongOrZero(clicked->Fields().value(field));
    }
    const vx::VxObjectUIOPtr editor = GetVxObject(typeId());
    if (!editor)
        return {};
    const bool group = menuKey == QLatin1String("2");
    editor->Fields().setValue(QStringLiteral("ParentID"), parent);
    editor->Fields().setValue(QStringLiteral("GroupFlag"), group ? 1 : 0);
    editor->setOType(group ? QStringLiteral("Group") : recordKind_);
    return showCard(module::createCard(cardClass_, editor));
}

vx::ClickResult GroupedListController::ClickMenu(const QString& id, const QString& objectType, const QString& menuKey,
                                                 const QString&)
{
    if (menuKey == QLatin1String("0"))
        return clickOpen(id, cardClass());
    if (menuKey == QLatin1String("1") || menuKey == QLatin1String("2"))
        return clickNew(id, objectType, menuKey);
    if (menuKey == QLatin1String("3") || menuKey == QLatin1String("70S2"))
        return clickFilter();
    if (menuKey == QLatin1String("4"))
        return clickDelete(id);
    if (menuKey == QLatin1String("116S0"))
        return clickShowAll();
    return {};
}
