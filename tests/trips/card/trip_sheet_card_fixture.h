#pragma once

#include "module/card_pattern/choice_field.h"
#include "module/card_pattern/report_list.h"
#include "module/catalogue.h"
#include "module/catalogue_conversions.h"
#include "tests/trips/trip_fleet.h"
#include "trips/card/trip_number_field.h"
#include "trips/card/trip_sheet_card.h"

// The card's controls, complete, for every test that works them.
#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <memory>

// The trip sheet card on a real store: a vehicle with a diesel and a petrol
// tank, its driver, and cards opened as the host opens them. The user may
// open, write and delete trip sheets unless a test takes the rights away.
class TripSheetCardTest : public TripFleet {
protected:
    void SetUp() override;

    // The card of a sheet (a new sheet's editor too), loaded.
    std::unique_ptr<frmTransportTripsSV> openCard(const vx::VxObjectUIOPtr& editor);
    // A saved sheet of the vehicle, with its fields beyond the vehicle and date.
    qint64 savedSheet(const QVariantMap& extra = {});

    // A user's typing: enter the field, type, leave it.
    static void type(QLineEdit* field, const QString& text)
    {
        enter(field);
        typeKeys(field, text);
        leave(field);
    }

    const TripSheetControls& ui(const frmTransportTripsSV& card) const { return card.controls(); }

    // Entry dialogs are played here; one nobody plays is cancelled.
    testhost::ScriptedDialogs dialogs;
    qint64 car = 0, driver = 0, otherDriver = 0;
    const QDate start{2026, 11, 2};
};
