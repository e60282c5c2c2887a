#pragma once

#include "module/catalogue_host.h"
#include "module/live_objects.h"
#include "platform/contract/vx_object_ui.h"
#include "platform/contract/vx_services.h"

// What every list controller shares: it wraps the host's generic list object
// of its type, forwards the record operations to it, keeps the icon table and
// the message title, and makes the type's editors. The protected helpers are
// the menu clicks several controllers answer alike.
class ListController : public vx::VxObjectUI {
public:
    QString OID() const override;
    void setOID(const QString& oid) override;
    QString OName() const override;
    vx::MenuItems GetMenu(const QString& id, const QString& objectType, const QString& context) override;
    vx::ClickResult ClickMenu(const QString& id, const QString& objectType, const QString& menuKey,
                              const QString& context) override;
    bool DragOK(const QString& source, const QString& target, const QString& data) override;
    bool DropOK(const QString& data) override;
    vx::RecordsetPtr GetVxObjectList(const QString& parentId, const QString& context, const QString& command) override;
    bool AddToDeskTopVxObject(const QString& id) override;
    vx::VxObjectUIOPtr GetVxObject(const QString& id) override;
    vx::IconTable GetIconsTable() const override;
    int DeleteVxObject(const QString& id) override;
    void setVxS(const vx::VxSPtr& services) override;
    void setBO(const vx::VxBusinessObjectPtr& bo) override;
    vx::VxBusinessObjectPtr BO() const override;

    const QString& typeId() const { return typeId_; }
    const QString& title() const { return title_; }
    const vx::VxObjectUIPtr& genericList() const { return generic_; }

protected:
    ListController(QString typeId, vx::IconTable icons);

    // The parameter text the generic list object receives for a list request.
    virtual QString listParameter(const QString& parentId, const QString& context, const QString& command);
    // Whether the controller reads the product name as its title when it gets the services.
    virtual bool readsTitle() const { return true; }
    // Whether editors made here send only modified records back.
    virtual bool marshalsModifiedOnly() const { return true; }
    // The security component whose rights gate the menus and the cards; empty for none.
    virtual QString componentKey() const { return QString(); }

    // The rights of componentKey() (none without services or without a key).
    Catalogue::AccessRights rights() const;
    // Whether a clicked id is the list itself (its background) rather than a row.
    bool isOwn(const QString& id) const { return id == OID(); }

    // "Elementas panaikintas!" under the title: the clicked record is not
    // there. When the last read failed for another reason (the store could not
    // be reached), that reason is shown instead: the record may well be there.
    void reportMissing() const;
    // A card of `cardClass` holding `editor`, given to the host to show (Action 1);
    // Action 0 when there is no card.
    static vx::ClickResult showCard(const vx::CardRef& card);
    // Opens the record's card: the record cannot be read → reportMissing(), Action 0.
    vx::ClickResult clickOpen(const QString& id, const QString& cardClass);
    // Asks before deleting; Action 2 when the generic list object deleted the record.
    vx::ClickResult clickDelete(const QString& id);
    // The whole list, unfiltered (Action 4).
    vx::ClickResult clickShowAll();
    // The host's filter dialog for this list; an empty text gives Action 0,
    // otherwise the filtered list and the text (Action 4).
    vx::ClickResult clickFilter();

    // The open-card operation: the record's card when it can be read and, for a
    // controller with a component key, the user may open it.
    vx::CardRef openCard(const QString& id, const QString& cardClass);
    // Gives a card to the desktop; false when there is none.
    static bool addToDesktop(const vx::CardRef& card);

    // The list for a filter text the user chose; the filter clicks show it.
    virtual vx::RecordsetPtr filteredList(const QString& filter);
    // Told every filter text the dialog gives, an empty one included.
    virtual void filterChosen(const QString& filter) { Q_UNUSED(filter); }

private:
    QString typeId_;
    QString ownOid_; // used only when the host offers no generic list object
    vx::IconTable icons_;
    QString title_;
    vx::Status readFailure_; // of the last GetVxObject
    vx::VxObjectUIPtr generic_;
    vx::VxBusinessObjectPtr bo_;
    LiveObject live_;
};
