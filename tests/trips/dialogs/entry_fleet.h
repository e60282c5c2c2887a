#pragma once

#include "tests/trips/trip_fleet.h"

#include <QLineEdit>
#include <QString>

// The trip fleet with what the entry dialogs reach: a driver, a firm, the
// base currency and a foreign one, and one saved trip sheet of a vehicle
// from 2026.11.01 to 2026.11.10. Today is 2026.11.16.
class EntryFleet : public TripFleet {
protected:
    void SetUp() override;

    // Types ASCII text into a field, as keys, after selecting what is there.
    static void type(QLineEdit* field, const char* text);
    // Moves the focus away from a field, as Tab does.
    static void leave(QWidget* field);
    // The next object selector chooses `id` shown as `caption`.
    void selectorChooses(const QString& id, const QString& caption);

    // The text of the last message box; empty when none appeared.
    QString lastMessage() const;

    qint64 car = 0, driver = 0, otherDriver = 0, firm = 0, sheet = 0;
    qint64 euro = 0, dollar = 0;
    QDate tripStart{2026, 11, 1}, tripEnd{2026, 11, 10};
};
