// The tyre card's writing and its panel buttons: saving with its checks in
// order, cancelling, a new record in the same group, closing and deleting.

#include "module/card_pattern/card_panel.h"
#include "module/card_pattern/choice_field.h"
#include "module/card_pattern/number_field.h"
#include "module/catalogue.h"
#include "module/module_services.h"
#include "tyres/tyre_card.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

QString field(const char* name)
{
    return QString::fromLatin1(name);
}

// What the record may hold for "no date": an empty purchase date, an open write-off.
const QDate noPurchase(1900, 1, 1);
const QDate openEnd(2999, 12, 31);

} // namespace

void frmTransportTyres::write()
{
    const vx::VxObjectUIOPtr editor = vxObjectUIO();
    writeFields();
    if (const QString failure = firstFailure(); !failure.isEmpty()) {
        Catalogue::ShowError(failure, messageTitle());
        return;
    }
    const vx::Status saved = editor->Save();
    if (saved.Code != 0) {
        Catalogue::ShowError(saved.Message + QStringLiteral("\r\nĮrašymas neatliktas!"), messageTitle());
        return;
    }
    if (const vx::VxSPtr services = module::services())
        services->Desktop().RefreshVxObject(editor->OIDR());
    InitForm();
}

// The controls into the record's fields; the group flag on every save.
void frmTransportTyres::writeFields()
{
    const vx::RecordFields fields = vxObjectUIO()->Fields();
    fields.setValue(field("ParentID"), c_.txtGroup->recordNumber());
    if (isGroup_) {
        fields.setValue(field("Name"), c_.txtGroupName->text());
        fields.setValue(field("GroupFlag"), 1);
        return;
    }
    fields.setValue(field("GroupFlag"), 0);
    fields.setValue(field("Number"), c_.txtNumber->text());
    fields.setValue(field("Name"), c_.txtDescription->text());
    fields.setValue(field("Comment"), c_.txtComment->text());
    fields.setValue(field("TyreTypeID"), c_.txtType->recordNumber());
    fields.setValue(field("TyreSizeID"), c_.txtSize->recordNumber());
    fields.setValue(field("DateFrom"), c_.dtpDateFrom->date());
    fields.setValue(field("DateTo"), dates_->hasEnd() ? QVariant(c_.dtpDateTo->date()) : QVariant());
    fields.setValue(field("MaxRun"), static_cast<qint64>(c_.txtMaxRun->value()));
}

// The first check the record's fields fail, in the order the user is told; empty when none.
QString frmTransportTyres::firstFailure() const
{
    const vx::RecordFields fields = vxObjectUIO()->Fields();
    if (isGroup_)
        return Catalogue::TextOrEmpty(fields.value(field("Name"))).isEmpty() ? QStringLiteral("Nenurodytas pavadinimas")
                                                                           : QString();
    const QDate purchase = Catalogue::DateOrDefault(fields.value(field("DateFrom")), QDate());
    const QDate writeOff = Catalogue::DateOrDefault(fields.value(field("DateTo")), QDate());
    if (Catalogue::TextOrEmpty(fields.value(field("Number"))).trimmed().isEmpty())
        return QStringLiteral("Nenurodytas numeris");
    if (!purchase.isValid() || purchase == noPurchase)
        return QStringLiteral("Nenurodyta įsigijimo data");
    if (Catalogue::LongOrZero(fields.value(field("TyreTypeID"))) == 0)
        return QStringLiteral("Nepasirinkta padangos markė");
    if (Catalogue::LongOrZero(fields.value(field("TyreSizeID"))) == 0)
        return QStringLiteral("Nepasirinktos padangos matmenys");
    if (writeOff.isValid() && writeOff != openEnd && writeOff < purchase)
        return QStringLiteral("Nurašymo data mažesnė už įsigijimo datą");
    return QString();
}

void frmTransportTyres::cancel()
{
    vxObjectUIO()->CancelUpdate();
    InitForm();
}

// A new record of the same kind in the same group, on this card.
void frmTransportTyres::newRecord()
{
    CardPanel::startNewInSameGroup(*this, CardPanel::TopLevel::Zero);
}

bool frmTransportTyres::hasUnsavedChanges() const
{
    return c_.cmdWrite->isEnabled();
}
