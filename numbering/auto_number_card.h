#pragma once

#include "module/card_pattern/card_base.h"

class NumberField;
class ZeroField;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// The auto-number settings card ("Transporto nustatymai"): the one settings
// record of trip sheet numbers, edited through the trip sheet editor it is
// given ("AutoNumberSettings" to read, "AddUpdateAutoNumber" to store). Only a
// user with the write right of "CTransportSettings" may change it.
class frmAutoNumber final : public CardBase {
    Q_OBJECT
public:
    frmAutoNumber();

    // The example number the current inputs make, as `txtExample` shows it.
    QString exampleNumber() const;
    // The part names of the checked layout rows, in list order.
    QStringList checkedParts() const;

protected:
    void loadForm() override;

private:
    void fillLayoutList(const QStringList& storedParts);
    void moveSelectedRow(int step);
    void rebuildExample();
    QString minimalDigits() const;
    void applyRights();
    void write();
    void closeCard();

    QPushButton* SSCClose;
    QLineEdit* txtPrefix;
    NumberField* txtMinimal;
    QComboBox* cmbGroupBy;
    QComboBox* cmbCycle;
    ZeroField* txtANTemplate;
    QTreeWidget* lvwAutoNumber;
    QPushButton* cmdUp;
    QPushButton* cmdDown;
    QLineEdit* txtExample;
    QCheckBox* chkDuplicated;
    QPushButton* cmdWrite;
    QPushButton* cmdCancel;
    QWidget* frameAutoNumber;

    qint64 settingsId_ = 0; // the stored record's ID; 0 until one exists
};
