#include "vehicles/dialogs/document_dialog.h"

#include "module/catalogue.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>


namespace vehicles {
namespace {

// The document's free-text fields: control, record field and caption, in reading order.
struct TextField {
    QLineEdit* frmTransportCarDocument::*box;
    const char* name;
    const char* field;
    const char* caption;
};
const TextField textFields[] = {
    {&frmTransportCarDocument::txtDocShape, "txtDocShape", "DocShape", "Dokumento tipas"},
    {&frmTransportCarDocument::txtDocNumber, "txtDocNumber", "DocNumber", "Dokumento numeris"},
    {&frmTransportCarDocument::txtDocDescription, "txtDocDescription", "DocDescription", "Papildoma informacija"},
};

} // namespace

frmTransportCarDocument::frmTransportCarDocument(const VehicleRecordRequest& request, QWidget* parent)
    : VehicleRecordDialog(QStringLiteral("frmTransportCarDocument"), QStringLiteral(" Dokumentas"), request,
                          {"DocTypeID", "txtDocName", "cmdDocTypes", QStringLiteral("O4000609"),
                           QStringLiteral("Pasirinkite dokumento tipą"), QStringLiteral("T")},
                          OpenEnd::FarDate, parent)
{
    txtDocName = referenceBox();
    cmdDocTypes = referenceButton();
    for (const TextField& text : textFields) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(text.name));
        this->*text.box = box;
    }

    addReferenceRow(QStringLiteral("Dokumento pavadinimas"), 1);
    addLabel(QString::fromUtf8(textFields[0].caption), txtDocShape, 2);
    fieldGrid()->addWidget(txtDocShape, 2, 1);
    addLabel(QString::fromUtf8(textFields[1].caption), txtDocNumber, 3);
    fieldGrid()->addWidget(txtDocNumber, 3, 1);
    addPeriodRows(QStringLiteral("Išdavimo data"), QStringLiteral("Galiojimo data"), 4);
    addLabel(QString::fromUtf8(textFields[2].caption), txtDocDescription, 6);
    fieldGrid()->addWidget(txtDocDescription, 6, 1);
    setTabChain({cmdDocTypes, txtDocShape, txtDocNumber, dtpDateFrom, chkDateTo, dtpDateTo, txtDocDescription,
                 writeButton(), cancelButton()});
    resize(480, sizeHint().height());
}

void frmTransportCarDocument::loadFields(const vx::RecordFields& fields)
{
    for (const TextField& text : textFields)
        (this->*text.box)->setText(Catalogue::TextOrEmpty(fields.value(QString::fromLatin1(text.field))));
}

void frmTransportCarDocument::writeFields(const vx::RecordFields& fields) const
{
    for (const TextField& text : textFields)
        fields.setValue(QString::fromLatin1(text.field), (this->*text.box)->text());
}

} // namespace vehicles
