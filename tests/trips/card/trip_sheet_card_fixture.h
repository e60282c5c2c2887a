#pragma once

#include "module/card_factory.h"
#include "module/card_pattern/choice_field.h"
#include "module/card_pattern/number_field.h"
#include "module/card_pattern/report_list.h"
#include "module/catalogue.h"
#include "module/catalogue_conversions.h"
#include "tests/trips/trip_fleet.h"
#include "trips/card/trip_number_field.h"
#include "trips/card/trip_sheet_card.h"

// The controls of the card and its entry dialogs, complete, for every test that works them.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <memory>

// The trip sheet card and its entry dialogs, driven offscreen on the fleet.
class TripSheetCardTest : public TripFleet {
protected:
    // The card of a sheet (a new sheet's editor too), loaded.
    static std::unique_ptr<frmTransportTripsSV> openCard(const vx::VxObjectUIOPtr& editor)
    {
        auto* card = dynamic_cast<frmTransportTripsSV*>(
            module::createCard(QStringLiteral("frmTransportTripsSV"), editor).widget.data());
        EXPECT_TRUE(card);
        return std::unique_ptr<frmTransportTripsSV>(card);
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

    // Entry dialogs are played here; one nobody plays is cancelled.
    testhost::ScriptedDialogs dialogs;
};
