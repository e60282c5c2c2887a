#pragma once

#include "module/card_pattern/card_base.h"
#include "module/card_pattern/entry_list.h"

#include <QString>

#include <array>
#include <memory>

class ChoiceField;
class NumberField;
class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class QWidget;

// The card of a vehicle or of a vehicle group. A group shows its parent group
// and name; a vehicle shows its description on "Aprašas" and, once saved, its
// drivers, documents, fuel norms and mounted tyres on four tabs whose lists
// add, change and delete through their own editors (fuel norms are chosen from
// the catalogue and linked directly).
//
// Files: the controls and their places (vehicle_card_layout.cpp); loading,
// enabling, the choices and saving (vehicle_card.cpp); the tab lists, their
// commands and drops (vehicle_card_tabs.cpp).
class frmTransportCars final : public CardBase {
    Q_OBJECT
public:
    frmTransportCars();
    ~frmTransportCars() override;

    bool isGroup() const { return isGroup_; }
    bool isNew() const { return isNew_; }
    bool mayChange() const { return mayChange_; }

    QGroupBox* SOPanel = nullptr;
    QToolButton* SSCClose = nullptr;
    QPushButton* cmdWrite = nullptr;
    QPushButton* cmdCancel = nullptr;
    QTabWidget* TabStrip = nullptr;

    QWidget* fraGroup = nullptr; // the parent group
    QLabel* lblGroup = nullptr;
    ChoiceField* txtGroup = nullptr;
    QToolButton* cmdParentGroup = nullptr;
    QWidget* fraGroupName = nullptr; // a group's name
    QLineEdit* txtGroupName = nullptr;
    QWidget* fraCar = nullptr; // a vehicle's description
    QLineEdit* txtName = nullptr;
    QLineEdit* txtNumber = nullptr;
    ChoiceField* txtType = nullptr;
    QToolButton* cmdType = nullptr;
    NumberField* txtLenth = nullptr;
    NumberField* txtHeight = nullptr;
    NumberField* txtWidth = nullptr;
    NumberField* txtVolume = nullptr;
    NumberField* txtInitialRun = nullptr;
    QLineEdit* txtChasisNumber = nullptr;
    ChoiceField* txtProperties = nullptr;
    QToolButton* cmdProperties = nullptr;
    NumberField* txtCargoWeight = nullptr;
    NumberField* txtTotalMass = nullptr;
    QLineEdit* txtPalettes = nullptr;
    std::array<ChoiceField*, 2> txtFuelType{};
    std::array<QToolButton*, 2> cmdFuelType{};
    std::array<QToolButton*, 2> cmdCleanFuelType{};
    QCheckBox* chkChasisDate = nullptr;
    QDateEdit* dtpChasisDate = nullptr;
    QCheckBox* chkDateWriteOff = nullptr;
    QDateEdit* dtpDateWriteOff = nullptr;
    QLineEdit* txtComment = nullptr;

    QTreeWidget* lvwDrivers = nullptr;
    QTreeWidget* lvwDocuments = nullptr;
    QTreeWidget* lvwFuelNorms = nullptr;
    QTreeWidget* lvwTyres = nullptr;

    // The tabs by their place on the strip.
    enum Tab { CarData, Drivers, Documents, FuelNorms, Tyres };

protected:
    void loadForm() override;
    QString closingDetails() const override;
    bool hasUnsavedChanges() const override;

private:
    // Layout (vehicle_card_layout.cpp).
    void buildControls();

    // Loading, enabling, choices, saving (vehicle_card.cpp).
    void connectControls();
    void loadVehicle(const vx::RecordFields& fields);
    void applyEnablingRules();
    void markChangedAndApply();
    void chooseParentGroup();
    void chooseFuelType(int index);
    void write();
    void writeVehicleFields(const vx::RecordFields& fields);
    QString validationFailure(const vx::RecordFields& fields) const;
    void revert();

    // Tabs (vehicle_card_tabs.cpp).
    void buildTabs();
    void fillTabs();
    void fillList(Tab tab);
    void sizeTyreColumn();
    void tabCommand(Tab tab);
    void deleteRow(Tab tab, const QString& id);
    void editFuelNorm(const QString& key);
    qint64 vehicleId() const;
    EntryList& entries(Tab tab) const;

    std::unique_ptr<EntryList> drivers_;
    std::unique_ptr<EntryList> documents_;
    std::unique_ptr<EntryList> fuelNorms_;
    std::unique_ptr<EntryList> tyres_;
    bool isGroup_ = false;
    bool isNew_ = true;
    bool mayChange_ = false;
};
