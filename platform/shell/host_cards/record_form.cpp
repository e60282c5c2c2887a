#include "platform/shell/host_cards/record_form.h"

#include "platform/contract/date_text.h"
#include "platform/contract/number_text.h"
#include "platform/shell/field_captions.h"
#include "platform/shell/reference_chooser.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace shell {
namespace {

// The earliest date an editor holds stands for "no date" and shows empty.
const QDate noDate(1900, 1, 1);

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

// Where a type names a field otherwise than the common caption does.
QString captionIn(const bo::ObjectType& type, const bo::ColumnDef& column)
{
    if (type.typeId == QLatin1String("O0001401") && column.name == QLatin1String("Name"))
        return QStringLiteral("Vardas");
    return fieldCaption(column.name, column.refType);
}

} // namespace

QString withMnemonic(const QString& caption, QString& used)
{
    for (int i = 0; i < caption.size(); ++i) {
        const QChar letter = caption.at(i).toLower();
        if (letter.isLetter() && letter.unicode() < 128 && !used.contains(letter)) {
            used.append(letter);
            return caption.left(i) + QLatin1Char('&') + caption.mid(i);
        }
    }
    return caption;
}

RecordForm::RecordForm(bo::SessionPtr session, const bo::ObjectType& type, const vx::RecordsetPtr& fields,
                       const QString& usedMnemonics, QWidget* parent)
    : QWidget(parent), session_(std::move(session))
{
    layout_ = new QFormLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    QString used = usedMnemonics;
    for (const bo::ColumnDef& column : type.columns) {
        if (!isEditable(column) || !fields || !fields->hasField(column.name))
            continue;
        const QString caption = captionIn(type, column);
        Field field{column.name, caption, column.type, createEditor(column, caption)};
        auto* label = new QLabel(withMnemonic(caption, used) + QLatin1Char(':'), this);
        label->setBuddy(field.editor);
        layout_->addRow(label, field.editor);
        fields_.append(field);
    }
    load(vx::RecordFields(fields));
}

QWidget* RecordForm::createEditor(const bo::ColumnDef& column, const QString& caption)
{
    QWidget* widget = nullptr;
    QString prefix = QStringLiteral("txt");
    if (!column.refType.isEmpty()) {
        auto* chooser = new ReferenceChooser(session_, column.refType, caption, this);
        connect(chooser, &ReferenceChooser::idChanged, this, &RecordForm::edited);
        widget = chooser;
        prefix = QStringLiteral("sel");
    } else if (isCheck(column)) {
        auto* check = new QCheckBox(this);
        connect(check, &QCheckBox::toggled, this, &RecordForm::edited);
        widget = check;
        prefix = QStringLiteral("chk");
    } else if (column.type == vx::FieldType::Date || column.type == vx::FieldType::DateTime) {
        auto* edit = new QDateTimeEdit(this);
        const bool withTime = column.type == vx::FieldType::DateTime;
        edit->setDisplayFormat(withTime ? vx::dates::shortDateFormat() + QLatin1Char(' ') + vx::dates::shortTimeFormat.toString()
                                        : vx::dates::shortDateFormat());
        edit->setCalendarPopup(true);
        edit->setMinimumDateTime(QDateTime(noDate, QTime(0, 0)));
        edit->setSpecialValueText(QStringLiteral(" "));
        connect(edit, &QDateTimeEdit::dateTimeChanged, this, &RecordForm::edited);
        widget = edit;
        prefix = QStringLiteral("dtp");
    } else {
        auto* edit = new QLineEdit(this);
        if (isNumber(column.type))
            edit->setAlignment(Qt::AlignRight);
        connect(edit, &QLineEdit::textChanged, this, &RecordForm::edited);
        widget = edit;
    }
    widget->setObjectName(prefix + column.name);
    return widget;
}

QWidget* RecordForm::fieldEditor(const QString& field) const
{
    for (const Field& f : fields_)
        if (f.name == field)
            return f.editor;
    return nullptr;
}

void RecordForm::setReadOnly(const QString& field)
{
    if (QWidget* editor = fieldEditor(field)) {
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setReadOnly(true);
        else
            editor->setEnabled(false);
    }
}

void RecordForm::load(const vx::RecordFields& fields)
{
    if (fields.isNull())
        return;
    for (const Field& field : fields_)
        showValue(field, fields.value(field.name));
}

void RecordForm::showValue(const Field& field, const QVariant& value)
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

bool RecordForm::readValue(const Field& field, QVariant* value, QString* error)
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
            *error = QStringLiteral("„%1“: įveskite skaičių.").arg(field.caption);
            line->setFocus();
            return false;
        }
        *value = *number;
    }
    return true;
}

bool RecordForm::store(const vx::RecordFields& fields, QString* error)
{
    try {
        for (const Field& field : fields_) {
            QVariant value;
            if (!readValue(field, &value, error))
                return false;
            fields.setValue(field.name, value);
        }
    } catch (const vx::RecordsetError& e) {
        *error = e.message();
        return false;
    }
    return true;
}

} // namespace shell
