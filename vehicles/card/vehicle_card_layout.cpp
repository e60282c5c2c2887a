// The vehicle card's controls and where they sit: the caption panel, the tab
// strip with "Aprašas" (parent group, group name, the vehicle's description)
// and the four lists, and the buttons. Controls are made in reading order, so
// Tab walks them in that order.

#include "module/card_pattern/caption_panel.h"
#include "module/card_pattern/choice_field.h"
#include "module/card_pattern/number_field.h"
#include "module/card_pattern/card_controls.h"
#include "platform/contract/date_text.h"
#include "vehicles/card/vehicle_card.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

template <typename Control>
Control* named(Control* control, const QString& name)
{
    control->setObjectName(name);
    return control;
}

QToolButton* chooseButton(QWidget* parent, const QString& name, const QString& text, const QString& tip)
{
    auto* button = named(new QToolButton(parent), name);
    button->setText(text);
    button->setToolTip(tip);
    return button;
}

ChoiceField* choiceField(QWidget* parent, const QString& name, const char* type, const QString& caption,
                         const char* kind)
{
    auto* field = named(new ChoiceField(parent), name);
    field->setChoice(QString::fromLatin1(type), caption, QString::fromLatin1(kind));
    return field;
}

NumberField* numberField(QWidget* parent, const char* name, int decimals)
{
    auto* field = named(new NumberField(parent), QString::fromLatin1(name));
    // Masses and the run are whole numbers; a typed comma is rounded away on leaving.
    field->setDecimals(decimals).setAllowDecimal(true).setZeroWhenEmpty(true);
    field->setAlignment(Qt::AlignRight);
    return field;
}

QDateEdit* datePicker(QWidget* parent, const char* name)
{
    return CardControls::datePicker(parent, name);
}

// A chooser: the field stretches, its buttons follow.
QHBoxLayout* chooserRow(std::initializer_list<QWidget*> controls)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    bool first = true;
    for (QWidget* control : controls) {
        row->addWidget(control, first ? 1 : 0);
        first = false;
    }
    return row;
}

QTreeWidget* entryList(QWidget* parent, const char* name)
{
    return named(new QTreeWidget(parent), QString::fromLatin1(name));
}

} // namespace

void frmTransportCars::buildControls()
{
    const CaptionPanel panel = makeCaptionPanel(this, QStringLiteral(" Transporto priemonė"));
    SOPanel = panel.panel;
    QWidget* inner = panel.inner;

    TabStrip = named(new QTabWidget(inner), QStringLiteral("TabStrip"));
    auto* page = new QWidget(TabStrip);

    fraGroup = named(new QWidget(page), QStringLiteral("fraGroup"));
    lblGroup = named(new QLabel(QStringLiteral("Grupė"), fraGroup), QStringLiteral("lblGroup"));
    txtGroup = choiceField(fraGroup, QStringLiteral("txtGroup"), "O4000400",
                           QStringLiteral("Pasirinkite") + QStringLiteral(" grupę"), "Group");
    cmdParentGroup = chooseButton(fraGroup, QStringLiteral("cmdParentGroup"), QStringLiteral("..."),
                                  QStringLiteral("Pasirinkti grupę"));
    auto* groupLayout = new QHBoxLayout(fraGroup);
    groupLayout->setContentsMargins(0, 0, 0, 0);
    groupLayout->addWidget(lblGroup);
    groupLayout->addLayout(chooserRow({txtGroup, cmdParentGroup}), 1);
    lblGroup->setBuddy(txtGroup);

    fraGroupName = named(new QWidget(page), QStringLiteral("fraGroupName"));
    txtGroupName = named(new QLineEdit(fraGroupName), QStringLiteral("txtGroupName"));
    auto* groupNameLayout = new QHBoxLayout(fraGroupName);
    groupNameLayout->setContentsMargins(0, 0, 0, 0);
    auto* groupNameLabel = new QLabel(QStringLiteral("Pavadinimas"), fraGroupName);
    groupNameLabel->setBuddy(txtGroupName);
    groupNameLayout->addWidget(groupNameLabel);
    groupNameLayout->addWidget(txtGroupName, 1);

    fraCar = named(new QWidget(page), QStringLiteral("fraCar"));
    txtName = named(new QLineEdit(fraCar), QStringLiteral("txtName"));
    txtNumber = named(new QLineEdit(fraCar), QStringLiteral("txtNumber"));
    txtType = choiceField(fraCar, QStringLiteral("txtType"), "O4000607", QStringLiteral("Pasirinkite"), "T");
    cmdType = chooseButton(fraCar, QStringLiteral("cmdType"), QStringLiteral("..."), QStringLiteral("Pasirinkti tipą"));
    txtInitialRun = numberField(fraCar, "txtInitialRun", 0);
    txtLenth = numberField(fraCar, "txtLenth", 1);
    txtHeight = numberField(fraCar, "txtHeight", 1);
    txtWidth = numberField(fraCar, "txtWidth", 1);
    txtVolume = numberField(fraCar, "txtVolume", 1);
    txtChasisNumber = named(new QLineEdit(fraCar), QStringLiteral("txtChasisNumber"));
    txtProperties
        = choiceField(fraCar, QStringLiteral("txtProperties"), "O4000608", QStringLiteral("Pasirinkite"), "T");
    cmdProperties = chooseButton(fraCar, QStringLiteral("cmdProperties"), QStringLiteral("..."),
                                 QStringLiteral("Pasirinkti savybes"));
    txtCargoWeight = numberField(fraCar, "txtCargoWeight", 0);
    txtTotalMass = numberField(fraCar, "txtTotalMass", 0);
    txtPalettes = named(new QLineEdit(fraCar), QStringLiteral("txtPalettes"));
    txtPalettes->setAlignment(Qt::AlignRight);
    for (int i = 0; i < 2; ++i) {
        const QString n = QString::number(i);
        txtFuelType[i] = choiceField(fraCar, QStringLiteral("txtFuelType") + n, "O4000604",
                                     QStringLiteral("Pasirinkite"), "T");
        cmdFuelType[i] = chooseButton(fraCar, QStringLiteral("cmdFuelType") + n, QStringLiteral("..."),
                                      QStringLiteral("Pasirinkti kuro tipą"));
        cmdCleanFuelType[i] = chooseButton(fraCar, QStringLiteral("cmdCleanFuelType") + n, QStringLiteral("×"),
                                           QStringLiteral("Išvalyti kuro tipą"));
    }
    chkChasisDate = named(new QCheckBox(QStringLiteral("Pagaminimo data"), fraCar), QStringLiteral("chkChasisDate"));
    dtpChasisDate = datePicker(fraCar, "dtpChasisDate");
    chkDateWriteOff
        = named(new QCheckBox(QStringLiteral("Nenaudojama nuo"), fraCar), QStringLiteral("chkDateWriteOff"));
    dtpDateWriteOff = datePicker(fraCar, "dtpDateWriteOff");
    txtComment = named(new QLineEdit(fraCar), QStringLiteral("txtComment"));

    auto* car = new QGridLayout(fraCar);
    car->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    const auto label = [&](const QString& text, QWidget* buddy, int column = 0) {
        auto* shown = new QLabel(text, fraCar);
        shown->setBuddy(buddy);
        car->addWidget(shown, row, column);
    };
    label(QStringLiteral("Pavadinimas (markė)"), txtName);
    car->addWidget(txtName, row, 1, 1, 3);
    label(QStringLiteral("Valstybinis numeris"), txtNumber, 4);
    car->addWidget(txtNumber, row++, 5);
    label(QStringLiteral("Tipas"), txtType);
    car->addLayout(chooserRow({txtType, cmdType}), row, 1, 1, 3);
    label(QStringLiteral("Pradinis kilometražas"), txtInitialRun, 4);
    car->addWidget(txtInitialRun, row++, 5);
    label(QStringLiteral("Gabaritai (m):              ilgis"), txtLenth);
    car->addWidget(txtLenth, row, 1);
    label(QStringLiteral("aukštis"), txtHeight, 2);
    car->addWidget(txtHeight, row, 3);
    label(QStringLiteral("plotis"), txtWidth, 4);
    car->addWidget(txtWidth, row++, 5);
    label(QStringLiteral("tūris (m3)"), txtVolume);
    car->addWidget(txtVolume, row, 1);
    label(QStringLiteral("Važiuoklės Nr."), txtChasisNumber, 2);
    car->addWidget(txtChasisNumber, row++, 3, 1, 3);
    label(QStringLiteral("Savybės"), txtProperties);
    car->addLayout(chooserRow({txtProperties, cmdProperties}), row++, 1, 1, 5);
    label(QStringLiteral("Maks. krovinių svoris (kg)"), txtCargoWeight);
    car->addWidget(txtCargoWeight, row, 1);
    label(QStringLiteral("Bendra masė (kg)"), txtTotalMass, 2);
    car->addWidget(txtTotalMass, row, 3);
    label(QStringLiteral("Euro palečių sk."), txtPalettes, 4);
    car->addWidget(txtPalettes, row++, 5);
    label(QStringLiteral("Kuro tipas"), txtFuelType[0]);
    car->addLayout(chooserRow({txtFuelType[0], cmdFuelType[0], cmdCleanFuelType[0]}), row, 1, 1, 2);
    car->addLayout(chooserRow({txtFuelType[1], cmdFuelType[1], cmdCleanFuelType[1]}), row++, 3, 1, 3);
    car->addWidget(chkChasisDate, row, 0);
    car->addWidget(dtpChasisDate, row, 1);
    car->addWidget(chkDateWriteOff, row, 2);
    car->addWidget(dtpDateWriteOff, row++, 3);
    label(QStringLiteral("Komentaras"), txtComment);
    car->addWidget(txtComment, row++, 1, 1, 5);
    // The group rows above line up with the description's first column.
    int labelWidth = 0;
    for (int r = 0; r < car->rowCount(); ++r)
        if (QLayoutItem* item = car->itemAtPosition(r, 0); item && item->widget())
            labelWidth = std::max(labelWidth, item->widget()->sizeHint().width());
    lblGroup->setMinimumWidth(labelWidth);
    groupNameLabel->setMinimumWidth(labelWidth);
    car->setColumnStretch(1, 1);
    car->setColumnStretch(3, 1);
    car->setColumnStretch(5, 1);

    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(fraGroup);
    pageLayout->addWidget(fraGroupName);
    pageLayout->addWidget(fraCar);
    pageLayout->addStretch(1);
    lvwDrivers = entryList(TabStrip, "lvwDrivers");
    lvwDocuments = entryList(TabStrip, "lvwDocuments");
    lvwFuelNorms = entryList(TabStrip, "lvwFuelNorms");
    lvwTyres = entryList(TabStrip, "lvwTyres");
    // Each tab carries its key as its data, in the order of the Tab enumeration.
    const struct {
        QWidget* page;
        const char* caption;
        const char* key;
    } tabs[] = {{page, "Aprašas", "CarData"},
                {lvwDrivers, "Vairuotojai", "Drivers"},
                {lvwDocuments, "Dokumentai", "Documents"},
                {lvwFuelNorms, "Kuro sunaudojimo normos", "FuelNorms"},
                {lvwTyres, "Padangos", "Tyres"}};
    for (const auto& tab : tabs) {
        const int index = TabStrip->addTab(tab.page, QString::fromUtf8(tab.caption));
        TabStrip->tabBar()->setTabData(index, QString::fromLatin1(tab.key));
    }

    cmdWrite = named(new QPushButton(QStringLiteral("&Įrašyti"), inner), QStringLiteral("cmdWrite"));
    cmdCancel = named(new QPushButton(QStringLiteral("&Atšaukti"), inner), QStringLiteral("cmdCancel"));
    SSCClose = named(new QToolButton(inner), QStringLiteral("SSCClose"));
    SSCClose->setText(QStringLiteral("&Uždaryti"));
    SSCClose->setToolTip(QStringLiteral("Uždaryti (Esc); dešinys pelės klavišas – panaikinti"));
    cmdWrite->setToolTip(QStringLiteral("Įrašyti (Ctrl+S)"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdWrite);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(SSCClose);

    auto* innerLayout = new QVBoxLayout(inner);
    innerLayout->setContentsMargins(0, 0, 0, 0);
    innerLayout->addWidget(TabStrip, 1);
    innerLayout->addLayout(buttons);
}
