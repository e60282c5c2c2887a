// The trip sheet card's controls and where they sit: the header (number,
// period, vehicle, driver, speedometer), the tabs with the route lines, the
// cheques and the fuel panel, and the buttons, in that reading order.

#include "module/card_pattern/caption_panel.h"
#include "module/card_pattern/card_controls.h"
#include "module/card_pattern/choice_field.h"
#include "platform/contract/date_text.h"
#include "trips/card/trip_number_field.h"
#include "trips/card/trip_sheet_controls.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <iterator>

namespace {

using CardControls::chooseButton;
using CardControls::datePicker;
using CardControls::named;

// Wide enough for `characters` digits in the card's font, whatever the scaling.
void widthInCharacters(QWidget* control, int characters)
{
    control->setMinimumWidth(control->fontMetrics().horizontalAdvance(QLatin1Char('0')) * characters + 12);
}

// Numbers keep one width, wide enough for a speedometer reading with decimals.
void numberWidth(QLineEdit* field)
{
    field->setAlignment(Qt::AlignRight);
    widthInCharacters(field, 12);
    field->setMaximumWidth(field->minimumWidth());
}

QLineEdit* display(QWidget* parent, const char* name)
{
    auto* field = named(new QLineEdit(parent), name);
    field->setReadOnly(true);
    numberWidth(field);
    return field;
}

TripNumberField* numberField(QWidget* parent, const char* name)
{
    auto* field = named(new TripNumberField(parent), name);
    numberWidth(field);
    return field;
}

QLabel* unit(QWidget* parent, const QString& text)
{
    return new QLabel(text, parent);
}

void buildTank(TripSheetControls::Tank& tank, int index, QWidget* page)
{
    const QString n = QString::number(index);
    tank.frame = new QGroupBox(QStringLiteral("%1 bakas").arg(index + 1), page);
    tank.frame->setObjectName(QStringLiteral("fraTank") + n);
    tank.frame->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    tank.txtFuelType = new ChoiceField(tank.frame);
    tank.txtFuelType->setObjectName(QStringLiteral("txtFuelType") + n);
    tank.txtFuelType->setChoice(
        QStringLiteral("O4000604"), QStringLiteral("Pasirinkite") + QStringLiteral(" kuro tipą"), QStringLiteral("T"));
    widthInCharacters(tank.txtFuelType, 14);
    tank.cmdFuelType
        = chooseButton(tank.frame, "cmdFuelType", QStringLiteral("..."), QStringLiteral("Pasirinkti kuro tipą"));
    tank.cmdFuelType->setObjectName(QStringLiteral("cmdFuelType") + n);
    tank.cmdCleanFuelType =
        chooseButton(tank.frame, "cmdCleanFuelType", QStringLiteral("×"), QStringLiteral("Išvalyti kuro tipą"));
    tank.cmdCleanFuelType->setObjectName(QStringLiteral("cmdCleanFuelType") + n);
    tank.txtFuelRest = numberField(tank.frame, "txtFuelRest");
    tank.txtFuelRest->setObjectName(QStringLiteral("txtFuelRest") + n);
    tank.txtFuelTaken = display(tank.frame, "txtFuelTaken");
    tank.txtFuelTaken->setObjectName(QStringLiteral("txtFuelTaken") + n);
    tank.txtFuelUsed = display(tank.frame, "txtFuelUsed");
    tank.txtFuelUsed->setObjectName(QStringLiteral("txtFuelUsed") + n);
    tank.txtFuelFinal = display(tank.frame, "txtFuelFinal");
    tank.txtFuelFinal->setObjectName(QStringLiteral("txtFuelFinal") + n);
    tank.chkFinalRest = new QCheckBox(QStringLiteral("Likutis faktiškas"), tank.frame);
    tank.chkFinalRest->setObjectName(QStringLiteral("chkFinalRest") + n);
    tank.txtFinalRest = numberField(tank.frame, "txtFinalRest");
    tank.txtFinalRest->setObjectName(QStringLiteral("txtFinalRest") + n);

    auto* type = new QHBoxLayout;
    type->setContentsMargins(0, 0, 0, 0);
    type->addWidget(tank.txtFuelType, 1);
    type->addWidget(tank.cmdFuelType);
    type->addWidget(tank.cmdCleanFuelType);
    tank.form = new QFormLayout(tank.frame);
    tank.form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    tank.form->addRow(QStringLiteral("Kuro tipas"), type);
    tank.form->addRow(QStringLiteral("Pradinis likutis"), tank.txtFuelRest);
    tank.form->addRow(QStringLiteral("Gauta kuro"), tank.txtFuelTaken);
    tank.form->addRow(QStringLiteral("Sunaudota pagal normas"), tank.txtFuelUsed);
    tank.form->addRow(QStringLiteral("Likutis pagal normas"), tank.txtFuelFinal);
    tank.form->addRow(tank.chkFinalRest, tank.txtFinalRest);
}

// The tanks side by side; the norm list comes below them (makeNormList).
QWidget* buildFuelPage(TripSheetControls& c, QWidget* parent)
{
    c.tabFuel = named(new QWidget(parent), "tabFuel");
    auto* tanks = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        buildTank(c.tanks[i], i, c.tabFuel);
        tanks->addWidget(c.tanks[i].frame, 0, Qt::AlignTop);
    }
    tanks->addStretch();
    auto* layout = new QVBoxLayout(c.tabFuel);
    layout->addLayout(tanks);
    // Without the norm list (a new sheet) the tanks stay at the top.
    layout->addStretch(0);
    return c.tabFuel;
}

// A page of one list; the cheque list comes later (makeChequeList).
QWidget* listPage(const char* name, QWidget* parent, QTreeWidget* list = nullptr)
{
    auto* page = named(new QWidget(parent), name);
    auto* layout = new QVBoxLayout(page);
    if (list) {
        list->setParent(page);
        layout->addWidget(list);
    }
    return page;
}

void buildLists(TripSheetControls& c, QWidget* card)
{
    c.lvwRoutes = named(new QTreeWidget(card), "lvwRoutes");

    c.TabStrip = named(new QTabWidget(card), "TabStrip");
    QWidget* routes = listPage("tabRoutes", c.TabStrip, c.lvwRoutes);
    c.tabCheques = listPage("tabCheques", c.TabStrip);
    const struct {
        QWidget* page;
        const char* caption;
        const char* key;
    } tabs[] = {{routes, "Kelionės atkarpos", "Routes"},
                {c.tabCheques, "Kvitai", "Cheques"},
                {buildFuelPage(c, c.TabStrip), "Kuras", "Fuel"}};
    for (const auto& tab : tabs) {
        const int index = c.TabStrip->addTab(tab.page, QString::fromUtf8(tab.caption));
        c.TabStrip->tabBar()->setTabData(index, QString::fromLatin1(tab.key));
    }
}

void buildMenus(TripSheetControls& c, QWidget* card)
{
    const auto item = [](QMenu* menu, const char* name, const char* caption) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    c.mnuCard = named(new QMenu(card), "mnuCard");
    c.mnuRefresh = item(c.mnuCard, "mnuRefresh", "Atnaujinti kelionės lapą");
    c.mnuRefreshDistanceFrom = item(c.mnuCard, "mnuRefreshDistanceFrom", "Atnaujinti pradinę spidometro reikšmę");
    c.mnuRefreshFuelRest = item(c.mnuCard, "mnuRefreshFuelRest", "Atnaujinti pradinio kuro likučio reikšmę");
    c.mnuPrint = named(new QMenu(card), "mnuPrint");
    c.mnuPrintParameters = item(c.mnuPrint, "mnuPrintParameters", "Spausdinimo parametrai");
}

QGridLayout* buildHeader(TripSheetControls& c, QWidget* panel)
{
    c.txtName = named(new QLineEdit(panel), "txtName");
    widthInCharacters(c.txtName, 16);
    c.txtCode = named(new QLineEdit(panel), "txtCode");
    widthInCharacters(c.txtCode, 10);
    c.dtpDateFrom = datePicker(panel, "dtpDateFrom");
    c.chkDateTo = named(new QCheckBox(panel), "chkDateTo");
    c.chkDateTo->setToolTip(QStringLiteral("Laikotarpio pabaiga"));
    c.dtpDateTo = datePicker(panel, "dtpDateTo");
    c.txtCar = named(new ChoiceField(panel), "txtCar");
    c.txtCar->setChoice(QStringLiteral("O4000400"), QStringLiteral("Pasirinkite") + QStringLiteral(" automobilį"),
                        QStringLiteral("Car"));
    widthInCharacters(c.txtCar, 26);
    c.cmdCar = chooseButton(panel, "cmdCar", QStringLiteral("..."), QStringLiteral("Pasirinkti automobilį"));
    c.txtCarNumber = named(new QLineEdit(panel), "txtCarNumber");
    c.txtCarNumber->setReadOnly(true);
    widthInCharacters(c.txtCarNumber, 8);
    c.txtDriver = named(new ChoiceField(panel), "txtDriver");
    c.txtDriver->setChoice(QStringLiteral("O0001401"), QStringLiteral("Pasirinkite") + QStringLiteral(" vairuotoją"),
                           QStringLiteral("C,UserD"));
    c.cmdDriver = chooseButton(panel, "cmdDriver", QStringLiteral("..."), QStringLiteral("Pasirinkti vairuotoją"));
    c.txtSpidometrFrom = numberField(panel, "txtSpidometrFrom");
    c.txtSpidometrTo = numberField(panel, "txtSpidometrTo");
    c.txtDistance = display(panel, "txtDistance");
    c.txtDuration = display(panel, "txtDuration");
    c.txtExternalDistance = numberField(panel, "txtExternalDistance");

    const auto row = [](std::initializer_list<QWidget*> widgets, bool stretch = true) {
        auto* layout = new QHBoxLayout;
        layout->setContentsMargins(0, 0, 0, 0);
        for (QWidget* widget : widgets)
            layout->addWidget(widget);
        if (stretch)
            layout->addStretch();
        return layout;
    };
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    // A label's Alt+letter takes the focus to its field.
    const auto label = [panel](const char* text, QWidget* field = nullptr) {
        auto* caption = new QLabel(QString::fromUtf8(text), panel);
        caption->setBuddy(field);
        return caption;
    };
    // A label stands as far from its field as the grid's labels from theirs.
    constexpr int labelGap = 10;
    grid->addWidget(label("&Numeris", c.txtName), 0, 0);
    auto* number = row({c.txtName});
    number->setSpacing(0);
    number->insertSpacing(1, 2 * labelGap);
    number->insertWidget(2, label("&Kodas", c.txtCode));
    number->insertSpacing(3, labelGap);
    number->insertWidget(4, c.txtCode);
    grid->addLayout(number, 0, 1);
    grid->addWidget(label("&Laikotarpis", c.dtpDateFrom), 1, 0);
    grid->addLayout(row({c.dtpDateFrom, c.chkDateTo, c.dtpDateTo}), 1, 1);
    grid->addWidget(label("Auto&mobilis", c.txtCar), 2, 0);
    auto* car = row({c.txtCar, c.cmdCar, c.txtCarNumber}, false);
    car->setStretch(0, 1);
    grid->addLayout(car, 2, 1);
    grid->addWidget(label("&Vairuotojas", c.txtDriver), 3, 0);
    auto* driver = row({c.txtDriver, c.cmdDriver}, false);
    driver->setStretch(0, 1);
    grid->addLayout(driver, 3, 1);

    grid->addWidget(label("Spi&dometras", c.txtSpidometrFrom), 0, 2);
    grid->addLayout(row({c.txtSpidometrFrom, unit(panel, QStringLiteral("–")), c.txtSpidometrTo}), 0, 3);
    grid->addWidget(label("Atstumas"), 1, 2);
    grid->addLayout(row({c.txtDistance, unit(panel, QStringLiteral("km"))}), 1, 3);
    grid->addWidget(label("Trukmė"), 2, 2);
    grid->addLayout(row({c.txtDuration, unit(panel, QStringLiteral("val."))}), 2, 3);
    grid->addWidget(label("Nuvažiuota savo sąskaita"), 3, 2);
    grid->addLayout(row({c.txtExternalDistance, unit(panel, QStringLiteral("km"))}), 3, 3);
    grid->setColumnMinimumWidth(1, 0);
    grid->setHorizontalSpacing(labelGap);
    return grid;
}

QHBoxLayout* buildButtons(TripSheetControls& c, QWidget* panel)
{
    c.cmdWrite = named(new QPushButton(QStringLiteral("&Įrašyti"), panel), "cmdWrite");
    c.cmdCancel = named(new QPushButton(QStringLiteral("&Atšaukti"), panel), "cmdCancel");
    c.cmdPrint = named(new QToolButton(panel), "cmdPrint");
    c.cmdPrint->setText(QStringLiteral("&Spausdinti"));
    c.cmdPrint->setMenu(c.mnuPrint);
    c.cmdPrint->setPopupMode(QToolButton::MenuButtonPopup);
    c.cmdPrint->setContextMenuPolicy(Qt::CustomContextMenu);
    c.cmdPrint->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    c.cmdExportToWord = named(new QPushButton(QStringLiteral("&Perkelti į Word'ą"), panel), "cmdExportToWord");
    c.SSCClose = named(new QToolButton(panel), "SSCClose");
    c.SSCClose->setText(QStringLiteral("&Uždaryti"));
    c.SSCClose->setContextMenuPolicy(Qt::CustomContextMenu);
    c.SSCClose->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(c.cmdWrite);
    buttons->addWidget(c.cmdCancel);
    buttons->addSpacing(16);
    buttons->addWidget(c.cmdPrint);
    buttons->addWidget(c.cmdExportToWord);
    buttons->addStretch();
    buttons->addWidget(c.SSCClose);
    return buttons;
}

} // namespace

TripSheetControls buildTripSheetControls(QWidget* card)
{
    TripSheetControls c;
    const CaptionPanel panel = makeCaptionPanel(card, QStringLiteral("Kelionės lapas"));
    c.SOPanel = panel.panel;
    c.SOPanel->setContextMenuPolicy(Qt::CustomContextMenu);
    QWidget* inner = panel.inner;

    buildMenus(c, card);
    QGridLayout* header = buildHeader(c, inner);
    buildLists(c, inner);
    QHBoxLayout* buttons = buildButtons(c, inner);

    auto* innerLayout = new QVBoxLayout(inner);
    innerLayout->setContentsMargins(0, 0, 0, 0);
    innerLayout->addLayout(header);
    innerLayout->addWidget(c.TabStrip, 1);
    innerLayout->addLayout(buttons);

    // Reading order: the header left column, then the right, the tabs, the
    // buttons. The cheque list comes after the route list and the norm list
    // after the tanks once they are made.
    QWidget* order[] = {c.txtName, c.txtCode, c.dtpDateFrom, c.chkDateTo, c.dtpDateTo, c.txtCar, c.cmdCar,
                        c.txtCarNumber, c.txtDriver, c.cmdDriver, c.txtSpidometrFrom, c.txtSpidometrTo,
                        c.txtDistance, c.txtDuration, c.txtExternalDistance, c.TabStrip->tabBar(), c.lvwRoutes};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    QWidget* previous = c.lvwRoutes;
    for (const TripSheetControls::Tank& tank : c.tanks)
        for (QWidget* control : std::initializer_list<QWidget*>{tank.txtFuelType, tank.cmdFuelType,
                                                                tank.cmdCleanFuelType, tank.txtFuelRest,
                                                                tank.txtFuelTaken, tank.txtFuelUsed, tank.txtFuelFinal,
                                                                tank.chkFinalRest, tank.txtFinalRest}) {
            QWidget::setTabOrder(previous, control);
            previous = control;
        }
    for (QWidget* control : std::initializer_list<QWidget*>{c.cmdWrite, c.cmdCancel, c.cmdPrint,
                                                            c.cmdExportToWord, c.SSCClose}) {
        QWidget::setTabOrder(previous, control);
        previous = control;
    }
    return c;
}

QTreeWidget* makeChequeList(TripSheetControls& c)
{
    c.lvwCheques = named(new QTreeWidget(c.tabCheques), "lvwCheques");
    c.tabCheques->layout()->addWidget(c.lvwCheques);
    QWidget::setTabOrder(c.lvwRoutes, c.lvwCheques);
    return c.lvwCheques;
}

QTreeWidget* makeNormList(TripSheetControls& c)
{
    c.lvwFuelBill = named(new QTreeWidget(c.tabFuel), "lvwFuelBill");
    // Between the tanks and the stretch, taking the page's height.
    static_cast<QVBoxLayout*>(c.tabFuel->layout())->insertWidget(1, c.lvwFuelBill, 1);
    QWidget::setTabOrder(c.tanks[1].txtFinalRest, c.lvwFuelBill);
    return c.lvwFuelBill;
}
