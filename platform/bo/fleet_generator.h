#pragma once

#include "platform/bo/session.h"

#include <QDate>

#include <functional>

namespace bo {

// What a generated fleet is to hold: vehicles driving daily trip sheets over
// the years that end at `today`. The same numbers give the same store.
struct FleetSize {
    int vehicles = 500;
    int years = 8;
    QDate today;
    quint64 seed = 20261206;
};

struct GeneratedFleet {
    qint64 vehicles = 0;
    qint64 sheets = 0;
    qint64 routeLines = 0;
    qint64 cheques = 0;
};

// Fills an empty store with the demo fleet and its catalogues, then with a
// large fleet of its own on those catalogues: each vehicle drives sheets of
// one or two days, with route lines, fuel cheques and the speedometer and fuel
// rest carried from sheet to sheet. A few vehicles join only in the last
// weeks, so stores hold vehicles with few sheets beside those with thousands.
// Rows are written in batched transactions; `progress` hears of each batch.
// Throws StorageError when the store is not empty or a write fails.
GeneratedFleet generateFleet(Session& session, const FleetSize& size, const std::function<void(const GeneratedFleet&)>& progress);

} // namespace bo
