#pragma once

#include "module/card_pattern/choice_field.h"
#include "module/card_pattern/number_field.h"
#include "module/catalogue.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/trips/trip_fleet.h"

// The dialogs' controls, complete, for every test that works them.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <memory>

// The trip fleet with what the entry dialogs reach: a driver, a firm, the
// base currency and a foreign one, and one saved trip sheet of a vehicle
// from 2026.11.01 to 2026.11.10. Today is 2026.11.16.
class EntryFleet : public TripFleet {
protected:
    void SetUp() override
    {
        TripFleet::SetUp();
        if (!session)
            return;
        car = vehicle(diesel, petrol);
        driver = employee("Jonas", "Petraitis");
        otherDriver = employee("Rasa", "Kazlauskė");
        firm = record("O0000100", fields({{"Name", QStringLiteral("Degalinė")}}));
        euro = record("O0201500", fields({{"Code", QStringLiteral("EUR")}, {"BaseCurrency", 1}}));
        dollar = record("O0201500", fields({{"Code", QStringLiteral("USD")}, {"BaseCurrency", 0}}));
        record("O0002200", fields({{"CurrencyID", dollar}, {"Date", QDate(2026, 11, 5)}, {"Rate", 3.4528}}));
        sheet = record("O4000100", fields({{"OType", QStringLiteral("Trip")}, {"Name", QStringLiteral("KL-1")},
                                           {"TransportCarID", car}, {"UserID", driver},
                                           {"Date", QDateTime(tripStart, QTime(0, 0))},
                                           {"DateTo", QDateTime(tripEnd, QTime(0, 0))}}));
    }

    qint64 car = 0, driver = 0, otherDriver = 0, firm = 0, sheet = 0;
    qint64 euro = 0, dollar = 0;
    QDate tripStart{2026, 11, 1}, tripEnd{2026, 11, 10};
};
