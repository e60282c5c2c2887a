#pragma once

#include "platform/bo/session.h"

#include <QDate>

namespace bo {

// Whether the store holds no fleet data yet: no catalogue items, vehicles,
// trip sheets, firms, currencies or employees other than the users the store
// starts with. The reference catalogue framework itself does not count.
bool isEmptyStore(Session& session);

// Fills an empty store with a believable demo fleet: catalogues, currencies
// and day rates, fuel sellers, drivers, vehicles in groups with their norms,
// drivers, documents and tyres, and three and a half months of trip sheets
// ending at `today`, each with route lines and fuel cheques and with the
// speedometer and fuel rests carried from sheet to sheet. Everything is saved
// through the generic editor in one transaction and is the same on every run
// for the same `today`. Throws StorageError (nothing saved) when the store is
// not empty or a save is refused.
void seedDemo(Session& session, QDate today);

} // namespace bo
