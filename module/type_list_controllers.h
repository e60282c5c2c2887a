#pragma once

#include "module/controllers/grouped_list.h"
#include "module/list_controller_base.h"

#include <functional>

// The twelve list controllers, one per object type. Their menus and clicks
// live in module/controllers/, one file per kind of list.

// Trip sheets, limited to the user's view period.
class UI4000100 final : public ListController {
public:
    UI4000100();
    QString className() const override { return QStringLiteral("UI4000100"); }

    vx::MenuItems GetMenu(const QString& id, const QString& objectType, const QString& context) override;
    vx::ClickResult ClickMenu(const QString& id, const QString& objectType, const QString& menuKey,
                              const QString& context) override;
    bool AddToDeskTopVxObject(const QString& id) override;
    void setVxS(const vx::VxSPtr& services) override;

    // The period the list is limited to, as the host last gave it.
    const vx::PeriodRecord& period() const { return period_; }

protected:
    QString listParameter(const QString& parentId, const QString& context, const QString& command) override;
    QString componentKey() const override { return QStringLiteral("CTransportTrips"); }

private:
    vx::ClickResult clickNewTripSheet(const QString& id, const QString& objectType, const QString& context);
    vx::ClickResult clickViewPeriod();
    vx::ClickResult clickTransportSettings();

    vx::PeriodRecord period_;
};

// Route lines of a trip sheet: no menu, clicks do nothing.
class UI4000200 final : public ListController {
public:
    UI4000200();
    QString className() const override { return QStringLiteral("UI4000200"); }

protected:
    bool readsTitle() const override { return false; }
    bool marshalsModifiedOnly() const override { return false; }
};

// Fuel cheques. A cheque is entered and shown on its trip sheet, so the list
// opens the trip sheet card.
class UI4000300 final : public ListController {
public:
    UI4000300();
    QString className() const override { return QStringLiteral("UI4000300"); }

    vx::MenuItems GetMenu(const QString& id, const QString& objectType, const QString& context) override;
    vx::ClickResult ClickMenu(const QString& id, const QString& objectType, const QString& menuKey,
                              const QString& context) override;
    bool AddToDeskTopVxObject(const QString& id) override;

private:
    // The card of the trip sheet the cheque belongs to; `missing` tells
    // whether the cheque or its sheet could not be read.
    vx::CardRef tripSheetCard(const QString& chequeId, bool* missing);
    vx::ClickResult clickNewTripSheet();
};

// Vehicles and their groups.
class UI4000400 final : public GroupedListController {
public:
    UI4000400();
    QString className() const override { return QStringLiteral("UI4000400"); }

    vx::MenuItems GetMenu(const QString& id, const QString& objectType, const QString& context) override;
    // Any command but "&Atrinkti" drops the filter text first.
    vx::RecordsetPtr GetVxObjectList(const QString& parentId, const QString& context, const QString& command) override;

    const QString& filterText() const { return filter_; }

protected:
    QString listParameter(const QString& parentId, const QString& context, const QString& command) override;
    QString componentKey() const override { return QStringLiteral("CTransportCars"); }
    bool newGoesBeside(const QString& objectType) const override;
    vx::RecordsetPtr filteredList(const QString& filter) override;
    void filterChosen(const QString& filter) override { filter_ = filter; }

private:
    QString filter_;
};

// Reference catalogues: route segments have the module's card, everything
// else is the host's catalogue framework ("O0001600").
class UI4000600 final : public ListController {
public:
    UI4000600();
    QString className() const override { return QStringLiteral("UI4000600"); }

    vx::MenuItems GetMenu(const QString& id, const QString& objectType, const QString& context) override;
    vx::ClickResult ClickMenu(const QString& id, const QString& objectType, const QString& menuKey,
                              const QString& context) override;
    bool AddToDeskTopVxObject(const QString& id) override;

protected:
    QString listParameter(const QString& parentId, const QString& context, const QString& command) override;

private:
    // The route segment card of a record; `prepare` fills a new record before the card loads it.
    vx::CardRef routeCard(const QString& id, const std::function<void(vx::VxObjectUIO&)>& prepare = {});
    vx::VxObjectUIPtr hostCatalogues() const;
};

// Tyres and their groups.
class UI4000800 final : public GroupedListController {
public:
    UI4000800();
    QString className() const override { return QStringLiteral("UI4000800"); }

    vx::MenuItems GetMenu(const QString& id, const QString& objectType, const QString& context) override;

protected:
    QString listParameter(const QString& parentId, const QString& context, const QString& command) override;
    QString componentKey() const override { return QStringLiteral("CTransportTyres"); }
    vx::RecordsetPtr filteredList(const QString& filter) override;
};

// The lists shown inside a vehicle's or a trip sheet's card: open and delete
// in the menu, clicks left to the card that shows the list.
class SubListController : public ListController {
public:
    vx::MenuItems GetMenu(const QString& id, const QString& objectType, const QString& context) override;

protected:
    using ListController::ListController;
};

// Fuel norms of a vehicle.
class UI4000500 final : public SubListController {
public:
    UI4000500();
    QString className() const override { return QStringLiteral("UI4000500"); }
};

// Fuel tanks of a trip sheet.
class UI4000700 final : public SubListController {
public:
    UI4000700();
    QString className() const override { return QStringLiteral("UI4000700"); }
};

// Tyres mounted on a vehicle.
class UI4000900 final : public SubListController {
public:
    UI4000900();
    QString className() const override { return QStringLiteral("UI4000900"); }
};

// Drivers of a vehicle.
class UI4001000 final : public SubListController {
public:
    UI4001000();
    QString className() const override { return QStringLiteral("UI4001000"); }
};

// Documents of a vehicle.
class UI4001100 final : public SubListController {
public:
    UI4001100();
    QString className() const override { return QStringLiteral("UI4001100"); }
};

// Fuel tanks of a vehicle.
class UI4001200 final : public SubListController {
public:
    UI4001200();
    QString className() const override { return QStringLiteral("UI4001200"); }
};
