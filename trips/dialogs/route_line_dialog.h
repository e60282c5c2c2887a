#pragma once

#include "module/card_pattern/entry_dialog.h"
#include "trips/dialogs/entry_dialogs.h"

class ChoiceField;
class NumberField;
class QDateEdit;
class QLineEdit;
class QMenu;
class QAction;
class QTimer;

namespace trips {

// "Kelionės atkarpa": one route line of a trip sheet. The user picks the route
// segment, the fuel norm and the driver; the fuel for the distance and for
// the duration follow the norms, and typing a fuel amount derives the norm.
class frmTransportTripRoute final : public cards::EntryDialog {
    Q_OBJECT
public:
    frmTransportTripRoute(const RouteLineRequest& request, QWidget* parent = nullptr);

    // Fills the dialog from the route line; false when there is no such line.
    bool load();

    QDateEdit* dtpDate = nullptr;
    ChoiceField* txtRoute = nullptr;
    QPushButton* cmdRoute = nullptr;
    QMenu* mnuRoutes = nullptr;
    QAction* mnuNewRoute = nullptr;
    ChoiceField* txtFuelNorm = nullptr;
    QPushButton* cmdFuelNorm = nullptr;
    ChoiceField* txtDriver = nullptr;
    QPushButton* cmdDrivers = nullptr;
    NumberField* txtDistance = nullptr;
    NumberField* txtDuration = nullptr;
    NumberField* txtFuelNormByDistance = nullptr;
    NumberField* txtFuelByDistance = nullptr;
    NumberField* txtFuelNormByDuration = nullptr;
    NumberField* txtFuelByDuration = nullptr;
    QLineEdit* txtComment = nullptr;
    QTimer* timerDragDrop = nullptr;

private:
    void fillNorms();
    void fuelFromNorms();
    void normsFromFuel();
    void updateWriteButton();
    // A date before the trip's start goes back to it, with a message; also a
    // date the dialog fills in itself (today, a copied line's, a stored one).
    void checkDate();
    void chooseRoute();
    void takeRouteSegment(const QString& segmentId);
    void newRouteSegment();
    void chooseFuelNorm();
    void write();

    RouteLineRequest request_;
    QTime time_; // the time of day the line's date carries, kept on save
};

} // namespace trips
