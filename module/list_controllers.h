#pragma once

#include "module/list_controller.h"

// The twelve list controllers, one per object type.

// Trip sheets.
class UI4000100 final : public ListController {
public:
    UI4000100();
    QString className() const override { return QStringLiteral("UI4000100"); }
};

// Route lines of a trip sheet.
class UI4000200 final : public ListController {
public:
    UI4000200();
    QString className() const override { return QStringLiteral("UI4000200"); }

protected:
    bool readsTitle() const override { return false; }
    bool marshalsModifiedOnly() const override { return false; }
};

// Fuel cheques.
class UI4000300 final : public ListController {
public:
    UI4000300();
    QString className() const override { return QStringLiteral("UI4000300"); }
};

// Vehicles and their groups.
class UI4000400 final : public ListController {
public:
    UI4000400();
    QString className() const override { return QStringLiteral("UI4000400"); }
};

// Fuel norms of a vehicle.
class UI4000500 final : public ListController {
public:
    UI4000500();
    QString className() const override { return QStringLiteral("UI4000500"); }
};

// Reference catalogues (route segments, fuel types, norms, ...).
class UI4000600 final : public ListController {
public:
    UI4000600();
    QString className() const override { return QStringLiteral("UI4000600"); }
};

// Fuel tanks of a trip sheet.
class UI4000700 final : public ListController {
public:
    UI4000700();
    QString className() const override { return QStringLiteral("UI4000700"); }
};

// Tyres and their groups.
class UI4000800 final : public ListController {
public:
    UI4000800();
    QString className() const override { return QStringLiteral("UI4000800"); }
};

// Tyres mounted on a vehicle.
class UI4000900 final : public ListController {
public:
    UI4000900();
    QString className() const override { return QStringLiteral("UI4000900"); }
};

// Drivers of a vehicle.
class UI4001000 final : public ListController {
public:
    UI4001000();
    QString className() const override { return QStringLiteral("UI4001000"); }
};

// Documents of a vehicle.
class UI4001100 final : public ListController {
public:
    UI4001100();
    QString className() const override { return QStringLiteral("UI4001100"); }
};

// Fuel tanks of a vehicle.
class UI4001200 final : public ListController {
public:
    UI4001200();
    QString className() const override { return QStringLiteral("UI4001200"); }
};
