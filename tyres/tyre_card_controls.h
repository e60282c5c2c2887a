#pragma once

class ChoiceField;
class NumberField;
class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;
class QWidget;

// The controls of the tyre card, named as their objectName.
struct TyreCardControls {
    QGroupBox* SOPanel = nullptr;
    QToolButton* SSCNew = nullptr;
    QToolButton* SSCClose = nullptr;
    QLabel* lblGroup = nullptr;
    ChoiceField* txtGroup = nullptr;
    QToolButton* cmdParentGroup = nullptr;
    QWidget* frameGroup = nullptr;
    QLineEdit* txtGroupName = nullptr;
    QWidget* frameTyre = nullptr;
    QLineEdit* txtNumber = nullptr;
    ChoiceField* txtType = nullptr;
    QToolButton* cmdType = nullptr;
    ChoiceField* txtSize = nullptr;
    QToolButton* cmdSize = nullptr;
    QLineEdit* txtDescription = nullptr;
    QDateEdit* dtpDateFrom = nullptr;
    QCheckBox* chkDateTo = nullptr;
    QDateEdit* dtpDateTo = nullptr;
    NumberField* txtMaxRun = nullptr;
    QLineEdit* txtComment = nullptr;
    QLabel* lblLvwCaption = nullptr;
    QTreeWidget* lvwHistory = nullptr;
    QPushButton* cmdWrite = nullptr;
    QPushButton* cmdCancel = nullptr;
};

// Builds the controls into `card` with their captions, layouts and tab order.
TyreCardControls buildTyreCardControls(QWidget* card);
