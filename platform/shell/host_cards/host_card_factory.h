#pragma once

#include "platform/shell/host_cards/host_card.h"

namespace shell {

// The host's card for a record of a host type or a catalogue item: employees
// and currencies have their own, every other type the plain fields card.
// The card is loaded from the editor at once.
vx::CardRef makeHostCard(const HostCardContext& context, const vx::VxObjectUIOPtr& editor);

// A card that receives its editor later (through setVxObjectUIO): a catalogue
// item's, whose fields the property grid shows.
HostCard* makeEmptyHostCard(const HostCardContext& context);

} // namespace shell
