#include "vehicles/dialogs/driver_dialog.h"

#include "module/catalogue.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace vehicles {

frmTransportCarDriver::frmTransportCarDriver(const VehicleRecordRequest& request, QWidget* parent)
    : VehicleRecordDialog(QStringLiteral("frmTransportCarDriver"), QStringLiteral(" Vairuotojas"), request,
                          {"UserID", "txtDriver", "cmdDrivers", QStringLiteral("O0001401"),
                           QStringLiteral("Pasirinkite vairuotoją"), QStringLiteral("C")},
                          OpenEnd::Null, parent)
{
    txtDriver = referenceBox();
    cmdDrivers = referenceButton();
    txtOrder = new QLineEdit(this);
    txtOrder->setObjectName(QStringLiteral("txtOrder"));

    addReferenceRow(QStringLiteral("Vairuotojas"), 1);
    addPeriodRows(QStringLiteral("Paskyrimo data"), QStringLiteral("Nutraukimo data"), 2);
    addLabel(QStringLiteral("Įsakymas"), txtOrder, 4);
    fieldGrid()->addWidget(txtOrder, 4, 1);
    setTabChain({cmdDrivers, dtpDateFrom, chkDateTo, dtpDateTo, txtOrder, writeButton(), cancelButton()});
    resize(460, sizeHint().height());
}

void frmTransportCarDriver::loadFields(const vx::RecordFields& fields)
{
    txtOrder->setText(Catalogue::TextOrEmpty(fields.value(QStringLiteral("Order"))));
}

void frmTransportCarDriver::writeFields(const vx::RecordFields& fields) const
{
    fields.setValue(QStringLiteral("Order"), txtOrder->text());
}

} // namespace vehicles
