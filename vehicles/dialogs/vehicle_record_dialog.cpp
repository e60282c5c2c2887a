#include "vehicles/dialogs/vehicle_record_dialog.h"

#include "module/card_pattern/choice_field.h"
#include "module/card_pattern/date_pair.h"
#include "module/catalogue.h"
#include "platform/contract/clock.h"
#include "platform/contract/date_text.h"
#include "platform/contract/object_id.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace vehicles {

VehicleRecordDialog::VehicleRecordDialog(const QString& className, const QString& caption,
                                         const VehicleRecordRequest& request, const Reference& reference,
                                         OpenEnd openEnd, QWidget* parent)
    : EntryDialog(className, caption, parent), request_(request), referenceSetup_(reference), openEnd_(openEnd)
{
    txtCarPreview = new QLineEdit(this);
    txtCarPreview->setObjectName(QStringLiteral("txtCarPreview"));
    txtCarPreview->setReadOnly(true);
    txtCarPreview->setFocusPolicy(Qt::NoFocus);
    reference_ = cards::choiceField(reference.nameBox, reference.objectType, reference.selectorCaption,
                                    reference.kind, this);
    chooser_ = cards::namedButton(reference.button, this);
    dtpDateFrom = cards::dateField("dtpDateFrom", this);
    chkDateTo = new QCheckBox(this);
    chkDateTo->setObjectName(QStringLiteral("chkDateTo"));
    dtpDateTo = cards::dateField("dtpDateTo", this);
    period_ = std::make_unique<DatePair>(dtpDateFrom, chkDateTo, dtpDateTo, DatePair::EarlyEnd::TakesStart);

    addLabel(QStringLiteral("Transporto priemonė"), txtCarPreview, 0);
    fieldGrid()->addWidget(txtCarPreview, 0, 1);

    connect(chooser_, &QPushButton::clicked, this, [this] { handle([this] { reference_->choose(); }); });
    connect(reference_, &ChoiceField::objectChanged, this, [this] { updateWriteButton(); });
    connect(writeButton(), &QPushButton::clicked, this, [this] { handle([this] { write(); }); });
}

VehicleRecordDialog::~VehicleRecordDialog() = default;

void VehicleRecordDialog::addReferenceRow(const QString& caption, int row)
{
    addLabel(caption, reference_, row);
    fieldGrid()->addWidget(cards::chooserRow(reference_, chooser_, this), row, 1);
}

void VehicleRecordDialog::addPeriodRows(const QString& startCaption, const QString& endCaption, int row)
{
    addLabel(startCaption, dtpDateFrom, row);
    fieldGrid()->addWidget(dtpDateFrom, row, 1, Qt::AlignLeft);
    chkDateTo->setText(endCaption);
    fieldGrid()->addWidget(chkDateTo, row + 1, 0);
    fieldGrid()->addWidget(dtpDateTo, row + 1, 1, Qt::AlignLeft);
}

bool VehicleRecordDialog::load()
{
    if (!openObject(request_.recordOidr))
        return false;
    LoadingGuard loading(*this);
    txtCarPreview->setText(request_.vehicleCaption);
    if (request_.referencedId > 0)
        reference_->showObject(vx::oid::make(referenceSetup_.objectType, request_.referencedId));
    else
        reference_->clearObject();
    const QDate today = vx::clock::today();
    if (isNew()) {
        period_->load(today, QVariant(), endWhenNone());
    } else {
        const vx::RecordFields fields = object()->Fields();
        period_->load(Catalogue::DateOrDefault(fields.value(QStringLiteral("DateFrom")), today),
                      fields.value(QStringLiteral("DateTo")), endWhenNone());
        loadFields(fields);
    }
    updateWriteButton();
    return true;
}

QDate VehicleRecordDialog::endWhenNone() const
{
    return openEnd_ == OpenEnd::Null ? vx::clock::today() : vx::dates::openEnd();
}

void VehicleRecordDialog::updateWriteButton()
{
    writeButton()->setEnabled(vx::oid::hasRecord(reference_->objectId()));
}

void VehicleRecordDialog::write()
{
    const vx::RecordFields fields = object()->Fields();
    fields.setValue(QStringLiteral("TransportID"), request_.vehicleId);
    fields.setValue(QString::fromLatin1(referenceSetup_.field), reference_->recordNumber());
    fields.setValue(QStringLiteral("DateFrom"), period_->start());
    const QVariant noEnd = openEnd_ == OpenEnd::Null ? QVariant() : QVariant(vx::dates::openEnd());
    fields.setValue(QStringLiteral("DateTo"), period_->hasEnd() ? QVariant(period_->end()) : noEnd);
    writeFields(fields);
    if (saveObject(QMessageBox::NoIcon))
        accept();
}

} // namespace vehicles
