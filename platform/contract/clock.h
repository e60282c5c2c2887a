#pragma once

#include <QDate>
#include <QDateTime>

// The one source of "today" and "now" for the whole application. Tests and
// scripted sessions fix it so that dates computed from today are repeatable.
namespace vx::clock {

QDateTime now();
QDate today();

// Freezes the clock at the given moment until reset() is called.
void setFixed(const QDateTime& moment);
void reset();
bool isFixed();

} // namespace vx::clock
