#include "trips/dialogs/route_grid_dialog.h"

#include "module/catalogue.h"
#include "platform/contract/host_factory.h"
#include "platform/contract/object_id.h"
#include "platform/contract/vx_grid_control.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace trips {
namespace {

const QString routeLineType = QStringLiteral("O4000200");

// A field is missing when it was never set or holds 0.
bool isMissing(const vx::RecordFields& fields, const QString& name)
{
    if (!fields.contains(name))
        return true;
    const QVariant value = fields.value(name);
    if (value.isNull() || !value.isValid())
        return true;
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString().trimmed().isEmpty() || value.toString().trimmed() == QLatin1String("0");
    case QMetaType::QDate:
        return !value.toDate().isValid();
    case QMetaType::QDateTime:
        return !value.toDateTime().isValid();
    default:
        return value.toDouble() == 0;
    }
}

} // namespace

frmTransportGrid::frmTransportGrid(QWidget* parent)
    : EntryDialog(QStringLiteral("frmTransportGrid"), QStringLiteral("Kelionės atkarpos"), parent),
      caption_(messageTitle())
{
    VxGrid = vx::hostFactory().createGridControl(this);
    if (VxGrid) {
        VxGrid->setObjectName(QStringLiteral("VxGrid"));
        fieldGrid()->addWidget(VxGrid, 0, 0);
        fieldGrid()->setColumnStretch(0, 1);
        fieldGrid()->setColumnStretch(1, 0);
        letFieldsGrow();
        connect(VxGrid, &vx::VxGridControl::fieldChanged, this, [this](const QString& name, const QVariant& value) {
            handle([&] { fieldChanged(name, value); });
        });
    } else {
        fieldGrid()->addWidget(new QLabel(QStringLiteral("Lentelės redaktorius nepasiekiamas."), this), 0, 0);
        writeButton()->setEnabled(false);
    }
    connect(writeButton(), &QPushButton::clicked, this, [this] { handle([this] { write(); }); });
    resize(760, 460);
}

void frmTransportGrid::setRecords(const QList<vx::VxObjectUIOPtr>& records, int current)
{
    if (!VxGrid)
        return;
    VxGrid->setVxObjects(records, current);
    VxGrid->showRecord();
}

// A chosen route segment brings its distance into the row.
void frmTransportGrid::fieldChanged(const QString& fieldName, const QVariant& value)
{
    if (fieldName.compare(QStringLiteral("TransportRouteID"), Qt::CaseInsensitive) != 0)
        return;
    const vx::VxObjectUIOPtr record = VxGrid->currentRecord();
    const QString segmentId = vx::oid::make(QStringLiteral("O4000601"), Catalogue::LongOrZero(value));
    const vx::VxObjectUIOPtr segment = vx::oid::hasRecord(segmentId) ? Catalogue::GetEditor(segmentId) : nullptr;
    if (!record || !segment)
        return;
    record->Fields().setValue(QStringLiteral("Distance"), segment->Fields().value(QStringLiteral("Distance")));
    VxGrid->refreshField(QStringLiteral("Distance"));
}

QString frmTransportGrid::missingField() const
{
    const vx::VxObjectUIOPtr record = VxGrid->currentRecord();
    if (!record)
        return {};
    const vx::RecordFields fields = record->Fields();
    if (isMissing(fields, valueField_))
        return QStringLiteral("Nenurodyta reikšmė!");
    if (record->OID() != routeLineType)
        return {};
    const QList<std::pair<QString, QString>> required = {
        {QStringLiteral("UserID"), QStringLiteral("Nenurodytas vairuotojas!")},
        {QStringLiteral("TransportRouteID"), QStringLiteral("Nenurodyta atkarpa!")},
        {QStringLiteral("TransportFuelNormID"), QStringLiteral("Nenurodyta kuro norma!")},
        {QStringLiteral("Date"), QStringLiteral("Nenurodyta data!")},
    };
    for (const auto& [field, message] : required)
        if (isMissing(fields, field))
            return message;
    return {};
}

void frmTransportGrid::write()
{
    if (!VxGrid)
        return;
    if (const QString missing = missingField(); !missing.isEmpty()) {
        Catalogue::ShowError(missing, caption_);
        return;
    }
    if (VxGrid->save() != 0) {
        Catalogue::ShowError(QStringLiteral("Klaida!\r\n\r\n") + VxGrid->errorText(), caption_);
        return;
    }
    markSaved();
    accept();
}

} // namespace trips
