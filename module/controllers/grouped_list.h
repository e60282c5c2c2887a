#pragma once

#include "module/list_controller_base.h"

// The lists whose records the user arranges in groups (vehicles, tyres): new
// records and groups are made under the clicked row and shown in the type's card.
class GroupedListController : public ListController {
public:
    bool AddToDeskTopVxObject(const QString& id) override;
    // Open, new record or group, filter, delete and show all.
    vx::ClickResult ClickMenu(const QString& id, const QString& objectType, const QString& menuKey,
                              const QString& context) override;

protected:
    GroupedListController(QString typeId, vx::IconTable icons, QString recordKind, QString cardClass);

    // "1" a new record, "2" a new group, under the clicked row (the top of the
    // tree on the background).
    vx::ClickResult clickNew(const QString& id, const QString& objectType, const QString& menuKey);
    // Whether a clicked row of this kind puts the new record beside itself
    // (under its own parent) rather than under itself.
    virtual bool newGoesBeside(const QString& objectType) const
    {
        Q_UNUSED(objectType);
        return false;
    }

    const QString& cardClass() const { return cardClass_; }

private:
    QString recordKind_;
    QString cardClass_;
};
