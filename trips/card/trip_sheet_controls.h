#pragma once

#include <array>

class ChoiceField;
class QAction;
class QCheckBox;
class QDateEdit;
class QFormLayout;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class QWidget;
class TripNumberField;

// The controls of the trip sheet card, named as their objectName. The tank
// controls are indexed 0 and 1 for tank 1 and tank 2.
struct TripSheetControls {
    QGroupBox* SOPanel = nullptr;
    QToolButton* SSCClose = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtCode = nullptr;
    QDateEdit* dtpDateFrom = nullptr;
    QCheckBox* chkDateTo = nullptr;
    QDateEdit* dtpDateTo = nullptr;
    ChoiceField* txtCar = nullptr;
    QToolButton* cmdCar = nullptr;
    QLineEdit* txtCarNumber = nullptr;
    ChoiceField* txtDriver = nullptr;
    QToolButton* cmdDriver = nullptr;
    TripNumberField* txtSpidometrFrom = nullptr;
    TripNumberField* txtSpidometrTo = nullptr;
    QLineEdit* txtDistance = nullptr;
    QLineEdit* txtDuration = nullptr;
    TripNumberField* txtExternalDistance = nullptr;
    QPushButton* cmdWrite = nullptr;
    QPushButton* cmdCancel = nullptr;
    QToolButton* cmdPrint = nullptr;
    QMenu* mnuPrint = nullptr;
    QAction* mnuPrintParameters = nullptr;
    QPushButton* cmdExportToWord = nullptr;
    QTabWidget* TabStrip = nullptr;
    QWidget* tabCheques = nullptr;
    QWidget* tabFuel = nullptr;
    // The lists' columns and commands are the card's (trip_sheet_lists.cpp).
    // The cheque and norm lists are made when their page first shows
    // (makeChequeList, makeNormList); null until then.
    QTreeWidget* lvwRoutes = nullptr;
    QTreeWidget* lvwCheques = nullptr;
    QTreeWidget* lvwFuelBill = nullptr;

    // One tank's fuel panel.
    struct Tank {
        QGroupBox* frame = nullptr;
        QFormLayout* form = nullptr;
        ChoiceField* txtFuelType = nullptr;
        QToolButton* cmdFuelType = nullptr;
        QToolButton* cmdCleanFuelType = nullptr;
        TripNumberField* txtFuelRest = nullptr;
        QLineEdit* txtFuelTaken = nullptr;
        QLineEdit* txtFuelUsed = nullptr;
        QLineEdit* txtFuelFinal = nullptr;
        QCheckBox* chkFinalRest = nullptr;
        TripNumberField* txtFinalRest = nullptr;
    };
    std::array<Tank, 2> tanks;

    QMenu* mnuCard = nullptr;
    QAction* mnuRefresh = nullptr;
    QAction* mnuRefreshDistanceFrom = nullptr;
    QAction* mnuRefreshFuelRest = nullptr;
};

// Builds the controls into `card` with their captions, layouts and tab order.
TripSheetControls buildTripSheetControls(QWidget* card);
// Make the cheque list on its page and the norm list below the tanks, each in
// its place in the tab order, and keep it in `c`.
QTreeWidget* makeChequeList(TripSheetControls& c);
QTreeWidget* makeNormList(TripSheetControls& c);
