#include "trips/dialogs/trip_fuel_tank_dialog.h"

#include "module/card_pattern/choice_field.h"
#include "module/card_pattern/number_field.h"
#include "module/catalogue.h"
#include "platform/contract/number_text.h"
#include "platform/contract/object_id.h"

#include <QGridLayout>
#include <QPushButton>

namespace trips {
namespace {

const QString tankType = QStringLiteral("O4000604");

} // namespace

frmTransportTripFuelTanks::frmTransportTripFuelTanks(const FuelTankRequest& request, QWidget* parent)
    : EntryDialog(QStringLiteral("frmTransportTripFuelTanks"), QStringLiteral("Kuro bakai"), parent), request_(request)
{
    txtFuelTankType = cards::choiceField("txtFuelTankType", tankType, QStringLiteral("Pasirinkite kuro bako tipą"),
                                  QStringLiteral("T"), this);
    cmdFuelTankType = cards::namedButton("cmdFuelTankType", this);
    // Leaving it rounds to 4 decimals and then shows the shortest form: 12,50 becomes 12,5.
    txtFuelRest = cards::numberField("txtFuelRest", 4, this);

    QGridLayout* grid = fieldGrid();
    addLabel(QStringLiteral("Kuro bako tipas"), txtFuelTankType, 0);
    grid->addWidget(cards::chooserRow(txtFuelTankType, cmdFuelTankType, this), 0, 1);
    addLabel(QStringLiteral("Kuro pradinis likutis"), txtFuelRest, 1);
    grid->addWidget(txtFuelRest, 1, 1);
    setTabChain({cmdFuelTankType, txtFuelRest, writeButton(), cancelButton()});
    resize(420, sizeHint().height());

    connect(cmdFuelTankType, &QPushButton::clicked, this, [this] {
        handle([this] {
            if (!txtFuelTankType->choose().isEmpty())
                updateWriteButton();
        });
    });
    connect(txtFuelRest, &QLineEdit::textChanged, this, [this] {
        if (!isLoading())
            updateWriteButton();
    });
    connect(txtFuelRest, &QLineEdit::editingFinished, this,
            [this] { txtFuelRest->setText(vx::numbers::plain(txtFuelRest->value())); });
    connect(writeButton(), &QPushButton::clicked, this, [this] { handle([this] { write(); }); });
}

bool frmTransportTripFuelTanks::load()
{
    if (!openObject(request_.fuelTankOidr))
        return false;
    LoadingGuard loading(*this);
    QString tankTypeId;
    if (!isNew()) {
        const vx::RecordFields tank = object()->Fields();
        tankTypeId = vx::oid::make(tankType, Catalogue::LongOrZero(tank.value(QStringLiteral("TransportFuelTankTypeID"))));
        txtFuelRest->setText(vx::numbers::plain(Catalogue::DoubleOrZero(tank.value(QStringLiteral("FuelRest")))));
    } else if (vx::oid::hasRecord(request_.copyFromOidr)) {
        if (const vx::VxObjectUIOPtr copied = Catalogue::GetEditor(request_.copyFromOidr))
            tankTypeId = vx::oid::make(
                tankType, Catalogue::LongOrZero(copied->Fields().value(QStringLiteral("TransportFuelTankTypeID"))));
    }
    Catalogue::ShowObjectName(tankTypeId, txtFuelTankType);
    updateWriteButton();
    return true;
}

void frmTransportTripFuelTanks::updateWriteButton()
{
    writeButton()->setEnabled(vx::oid::hasRecord(txtFuelTankType->objectId()));
}

void frmTransportTripFuelTanks::write()
{
    const vx::RecordFields tank = object()->Fields();
    tank.setValue(QStringLiteral("TransportTripID"), request_.tripId);
    tank.setValue(QStringLiteral("TransportFuelTankTypeID"), txtFuelTankType->recordNumber());
    tank.setValue(QStringLiteral("FuelRest"), txtFuelRest->value());
    if (saveObject(QMessageBox::Critical))
        accept();
}

} // namespace trips
