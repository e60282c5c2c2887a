#pragma once

#include "platform/contract/ui_records.h"
#include "platform/contract/vx_object_uio.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

// The module's one registry of cards by class name. Controllers and editors
// create every card through it, so a card built later replaces its entry here
// (plugin/card_registrations.cpp) and no caller changes.
namespace module {

// Makes a new card: a widget that implements vx::VxCard.
using CardMaker = std::function<std::unique_ptr<QWidget>()>;

// Registers (or replaces) the card of a class name.
void registerCard(const QString& className, CardMaker maker);
bool hasCard(const QString& className);

// A new card of the class holding `editor` (which it loads at once); a null
// card for a class nobody registered. Whoever receives the card owns it.
vx::CardRef createCard(const QString& className, const vx::VxObjectUIOPtr& editor);

} // namespace module
