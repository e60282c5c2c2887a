#include "platform/shell/object_card_dialog.h"

#include "platform/shell/host_cards/record_form.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

ObjectCardDialog::ObjectCardDialog(bo::SessionPtr session, vx::VxObjectUIOPtr editor, const bo::ObjectType& type,
                                   QWidget* parent)
    : QDialog(parent), session_(std::move(session)), editor_(std::move(editor))
{
    setObjectName(QStringLiteral("frmObjectCard"));
    const bool existing = editor_->OIDR().size() > 8;
    setWindowTitle(QStringLiteral("%1 – %2").arg(type.caption, existing ? editor_->Preview() : QStringLiteral("naujas įrašas")));
    form_ = new RecordForm(session_, type, editor_->RsFields(), QStringLiteral("ra"), this); // the buttons' letters
    error_ = makeErrorLabel(this);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* write = buttons->addButton(QStringLiteral("Į&rašyti"), QDialogButtonBox::AcceptRole);
    write->setObjectName(QStringLiteral("cmdWrite"));
    write->setDefault(true);
    QPushButton* cancel = buttons->addButton(QStringLiteral("&Atšaukti"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ObjectCardDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form_);
    layout->addWidget(error_);
    layout->addStretch();
    layout->addWidget(buttons);
    resize(440, sizeHint().height());
}

QWidget* ObjectCardDialog::fieldEditor(const QString& field) const
{
    return form_->fieldEditor(field);
}

QString ObjectCardDialog::errorText() const
{
    return error_->text();
}

void ObjectCardDialog::showError(const QString& text)
{
    error_->setText(text);
    error_->show();
}

void ObjectCardDialog::accept()
{
    QString error;
    if (!form_->store(editor_->Fields(), &error)) {
        showError(error);
        return;
    }
    const vx::Status status = editor_->Save();
    if (status.Code != 0) {
        showError(status.Message.isEmpty() ? QStringLiteral("Įrašymas neatliktas!") : status.Message);
        return;
    }
    editor_->Read();
    saved_ = vx::Recordset::create({{QStringLiteral("OIDR"), vx::FieldType::Text},
                                    {QStringLiteral("Preview"), vx::FieldType::Text}});
    saved_->appendRow({editor_->OIDR(), editor_->Preview()});
    saved_->MoveFirst();
    QDialog::accept();
}

} // namespace shell
