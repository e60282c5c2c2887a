#include "platform/shell/object_card_dialog.h"

#include "platform/contract/date_text.h"
#include "platform/contract/number_text.h"
#include "platform/shell/field_captions.h"
#include "platform/shell/reference_chooser.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {
namespace {

// The earliest date an editor holds stands for "no date" and shows empty.
const QDate noDate(1900, 1, 1);

// Fields that place the record in its tree, keep its history or its password:
// the layer and other cards look after them.
bool isEditable(const bo::ColumnDef& column)
{
    static const QStringList kept = {QStringLiteral("ParentID"),        QStringLiteral("GroupFlag"),
                                     QStringLiteral("OType"),           QStringLiteral("PasswordHash"),
                                     QStringLiteral("CreatedByUserID"), QStringLiteral("ModifiedByUserID"),
                                     QStringLiteral("ModifyDate"),      QStringLiteral("AutoNumber")};
    return !kept.contains(column.name);
}

bool isCheck(const bo::ColumnDef& column)
{
    return column.type == vx::FieldType::Boolean
           || (column.type == vx::FieldType::SmallInt
               && (column.name.endsWith(QLatin1String("Flag")) || column.name == QLatin1String("BaseCurrency")));
}

bool isNumber(vx::FieldType type)
{
    switch (type) {
    case vx::FieldType::Integer:
    case vx::FieldType::SmallInt:
    case vx::FieldType::BigInt:
    case vx::FieldType::Double:
    case vx::FieldType::Currency:
        return true;
    default:
        return false;
    }
}

// Gives the caption a mnemonic on its first letter no other control uses yet.
QString withMnemonic(const QString& caption, QString& used)
{
    for (int i = 0; i < caption.size(); ++i) {
        const QChar letter = caption.at(i).toLower();
        if (letter.isLetter() && !used.contains(letter)) {
            used.append(letter);
            return caption.left(i) + QLatin1Char('&') + caption.mid(i);
        }
    }
    return caption;
}

} // namespace

ObjectCardDialog::ObjectCardDialog(bo::SessionPtr session, vx::VxObjectUIOPtr editor, const bo::ObjectType& type,
                                   QWidget* parent)
    : QDialog(parent), session_(std::move(session)), editor_(std::move(editor))
{
    setObjectName(QStringLiteral("frmObjectCard"));
    setWindowTitle(QStringLiteral("%1 – naujas įrašas").arg(type.caption));
    QString used = QStringLiteral("ra"); // the buttons' letters
    auto* form = new QFormLayout;
    const vx::RecordsetPtr rs = editor_->RsFields();
    for (const bo::ColumnDef& column : type.columns) {
        if (!isEditable(column) || !rs || !rs->hasField(column.name))
            continue;
        const QString caption = fieldCaption(column.name, column.refType);
        Field field{column.name, caption, column.type, createEditor(column, caption)};
        auto* label = new QLabel(withMnemonic(caption, used) + QLatin1Char(':'), this);
        label->setBuddy(field.editor);
        form->addRow(label, field.editor);
        showValue(field, rs->value(column.name));
        fields_.append(field);
    }
    error_ = new QLabel(this);
    error_->setObjectName(QStringLiteral("lblError"));
    error_->setWordWrap(true);
    error_->setStyleSheet(QStringLiteral("color: #b00020;"));
    error_->hide();

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* write = buttons->addButton(QStringLiteral("Į&rašyti"), QDialogButtonBox::AcceptRole);
    write->setObjectName(QStringLiteral("cmdWrite"));
    write->setDefault(true);
    QPushButton* cancel = buttons->addButton(QStringLiteral("&Atšaukti"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ObjectCardDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(error_);
    layout->addStretch();
    layout->addWidget(buttons);
    resize(440, sizeHint().height());
}

QWidget* ObjectCardDialog::createEditor(const bo::ColumnDef& column, const QString& caption)
{
    QWidget* widget = nullptr;
    QString prefix = QStringLiteral("txt");
    if (!column.refType.isEmpty()) {
        widget = new ReferenceChooser(session_, column.refType, caption, this);
        prefix = QStringLiteral("sel");
    } else if (isCheck(column)) {
        widget = new QCheckBox(this);
        prefix = QStringLiteral("chk");
    } else if (column.type == vx::FieldType::Date || column.type == vx::FieldType::DateTime) {
        auto* edit = new QDateTimeEdit(this);
        const bool withTime = column.type == vx::FieldType::DateTime;
        edit->setDisplayFormat(withTime ? vx::dates::shortDateFormat() + QLatin1Char(' ') + vx::dates::shortTimeFormat.toString()
                                        : vx::dates::shortDateFormat());
        edit->setCalendarPopup(true);
        edit->setMinimumDateTime(QDateTime(noDate, QTime(0, 0)));
        edit->setSpecialValueText(QStringLiteral(" "));
        widget = edit;
        prefix = QStringLiteral("dtp");
    } else {
        auto* edit = new QLineEdit(this);
        if (isNumber(column.type))
            edit->setAlignment(Qt::AlignRight);
        widget = edit;
    }
    widget->setObjectName(prefix + column.name);
    return widget;
}

QWidget* ObjectCardDialog::fieldEditor(const QString& field) const
{
    for (const Field& f : fields_)
        if (f.name == field)
            return f.editor;
    return nullptr;
}

QString ObjectCardDialog::errorText() const
{
    return error_->text();
}

void ObjectCardDialog::showValue(const Field& field, const QVariant& value)
{
    if (auto* chooser = qobject_cast<ReferenceChooser*>(field.editor))
        chooser->setId(value.toLongLong());
    else if (auto* check = qobject_cast<QCheckBox*>(field.editor))
        check->setChecked(value.toInt() != 0);
    else if (auto* dates = qobject_cast<QDateTimeEdit*>(field.editor))
        dates->setDateTime(value.isNull() ? dates->minimumDateTime() : value.toDateTime());
    else if (auto* line = qobject_cast<QLineEdit*>(field.editor))
        line->setText(value.isNull() ? QString()
                      : isNumber(field.type) ? vx::numbers::plain(value.toDouble())
                                             : value.toString());
}

bool ObjectCardDialog::readValue(const Field& field, QVariant* value)
{
    if (auto* chooser = qobject_cast<ReferenceChooser*>(field.editor)) {
        *value = chooser->id() > 0 ? QVariant(chooser->id()) : QVariant();
    } else if (auto* check = qobject_cast<QCheckBox*>(field.editor)) {
        *value = check->isChecked() ? 1 : 0;
    } else if (auto* dates = qobject_cast<QDateTimeEdit*>(field.editor)) {
        const QDateTime moment = dates->dateTime();
        if (moment <= dates->minimumDateTime())
            *value = QVariant();
        else
            *value = field.type == vx::FieldType::Date ? QVariant(moment.date()) : QVariant(moment);
    } else if (auto* line = qobject_cast<QLineEdit*>(field.editor)) {
        const QString text = line->text().trimmed();
        if (!isNumber(field.type) || text.isEmpty()) {
            *value = text.isEmpty() ? QVariant() : QVariant(text);
            return true;
        }
        const std::optional<double> number = vx::numbers::readLocale(text);
        if (!number) {
            showError(QStringLiteral("„%1“: įveskite skaičių.").arg(field.caption), line);
            return false;
        }
        *value = *number;
    }
    return true;
}

void ObjectCardDialog::showError(const QString& text, QWidget* focus)
{
    error_->setText(text);
    error_->show();
    if (focus)
        focus->setFocus();
}

void ObjectCardDialog::accept()
{
    try {
        for (const Field& field : fields_) {
            QVariant value;
            if (!readValue(field, &value))
                return;
            editor_->Fields().setValue(field.name, value);
        }
    } catch (const vx::RecordsetError& e) {
        showError(e.message());
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
