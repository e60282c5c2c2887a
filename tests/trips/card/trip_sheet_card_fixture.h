#pragma once

#include "module/card_pattern/report_list.h"
#include "module/catalogue.h"
#include "module/catalogue_conversions.h"
#include "tests/support/shown_state.h"
#include "tests/trips/trip_fleet.h"
#include "trips/card/trip_number_field.h"
#include "trips/card/trip_sheet_card.h"

#include <QAction>
#include <QCoreApplication>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <memory>
#include <tuple>
#include <utility>

// The trip sheet card and its entry dialogs, driven offscreen on the fleet.
class TripSheetCardTest : public TripFleet {
protected:
    // The card of a sheet (a new sheet's editor too), loaded.
    static std::unique_ptr<frmTransportTripsSV> openCard(const vx::VxObjectUIOPtr& editor)
    {
        return ::openCard<frmTransportTripsSV>(editor);
    }
    std::unique_ptr<frmTransportTripsSV> openSaved(qint64 sheet) { return openCard(open(sheetId(sheet))); }
    static const TripSheetControls& ui(const frmTransportTripsSV& card) { return card.controls(); }

    // A user's typing: enter the field, type, leave it.
    static void fill(QLineEdit* field, const QString& text)
    {
        enter(field);
        typeKeys(field, text);
        leave(field);
    }

    // Entry dialogs are played here; one nobody plays is cancelled. `takeDialogs`
    // gives the names of those run since the last call, joined by "|".
    testhost::ScriptedDialogs dialogs;
    std::string takeDialogs() { return std::exchange(dialogs.shown, {}).join(u'|').toStdString(); }
};
