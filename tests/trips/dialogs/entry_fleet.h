#pragma once

#include "tests/trips/card/trip_sheet_card_fixture.h"
#include "tests/support/shown_state.h"

// What the entry dialogs reach besides: a firm, the base currency and a
// foreign one with a rate on 2026.11.05, and a sheet from 2026.11.01 to
// 2026.11.10. Today is 2026.11.16.
class EntryFleet : public TripSheetCardTest {
protected:
    void SetUp() override
    {
        TripSheetCardTest::SetUp();
        if (!session)
            return;
        firm = record("O0000100", fields({{"Name", QStringLiteral("Degalinė")}}));
        euro = record("O0201500", fields({{"Code", QStringLiteral("EUR")}, {"BaseCurrency", 1}}));
        dollar = record("O0201500", fields({{"Code", QStringLiteral("USD")}, {"BaseCurrency", 0}}));
        record("O0002200", fields({{"CurrencyID", dollar}, {"Date", QDate(2026, 11, 5)}, {"Rate", 3.4528}}));
        sheet = savedSheet(fields({{"Date", QDateTime(tripStart, QTime(0, 0))},
                                   {"DateTo", QDateTime(tripEnd, QTime(0, 0))}}));
    }

    // The date a saved entry holds in the store.
    QDate storedDate(const QString& id) { return stored(id)->Fields().value(QStringLiteral("Date")).toDate(); }

    qint64 firm = 0, sheet = 0, euro = 0, dollar = 0;
    const QDate tripStart{2026, 11, 1}, tripEnd{2026, 11, 10};
};
