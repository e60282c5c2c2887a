#pragma once

#include "platform/contract/host_records.h"

#include <initializer_list>

// Builds a context menu from menu keys. Every key has one caption, except
// "1" (new record) and "3" (filter or view period), whose captions each
// controller gives; "100" is the separator.
class MenuBuilder {
public:
    explicit MenuBuilder(QString newCaption = QString(), QString filterCaption = QString());

    MenuBuilder& add(std::initializer_list<const char*> keys);
    // Adds the keys only when `granted`.
    MenuBuilder& addIf(bool granted, std::initializer_list<const char*> keys);

    const vx::MenuItems& items() const { return items_; }

private:
    QString captionOf(const QString& key) const;

    QString newCaption_;
    QString filterCaption_;
    vx::MenuItems items_;
};

// The captions of the menu keys that differ per controller.
namespace MenuCaption {
inline const QString newVehicle = QStringLiteral("&Naujas automobilis");
inline const QString newTyre = QStringLiteral("&Nauja padanga");
inline const QString newTripSheet = QStringLiteral("&Naujas kelionės lapas");
inline const QString newCard = QStringLiteral("&Nauja kortelė");
inline const QString filter = QStringLiteral("&Atrinkti");
inline const QString viewPeriod = QStringLiteral("P&eržiūros nustatymai");
} // namespace MenuCaption
