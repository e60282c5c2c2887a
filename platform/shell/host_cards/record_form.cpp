#include "platform/shell/host_cards/record_form.h"

#include "platform/shell/field_captions.h"
#include "platform/shell/field_editors.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace shell {
namespace {

// Where a type names a field otherwise than the common caption does.
QString captionIn(const bo::ObjectType& type, const bo::ColumnDef& column)
{
    if (type.typeId == QLatin1String("O0001401") && column.name == QLatin1String("Name"))
        return QStringLiteral("Vardas");
    return fieldCaption(column.name, column.refType);
}

} // namespace

QLabel* makeErrorLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("lblError"));
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #b00020;"));
    label->hide();
    return label;
}

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
        if (field_editors::isKeptByLayer(column) || !fields || !fields->hasField(column.name))
            continue;
        const QString caption = captionIn(type, column);
        Field field{column, caption,
                    field_editors::create(session_, column, caption, this, [this] { emit edited(); })};
        auto* label = new QLabel(withMnemonic(caption, used) + QLatin1Char(':'), this);
        label->setBuddy(field.editor);
        layout_->addRow(label, field.editor);
        fields_.append(field);
    }
    load(vx::RecordFields(fields));
}

QWidget* RecordForm::fieldEditor(const QString& field) const
{
    for (const Field& f : fields_)
        if (f.column.name == field)
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
        field_editors::show(field.editor, field.column, fields.value(field.column.name));
}

bool RecordForm::store(const vx::RecordFields& fields, QString* error)
{
    try {
        for (const Field& field : fields_) {
            const std::optional<QVariant> value = field_editors::read(field.editor, field.column);
            if (!value) {
                *error = QStringLiteral("„%1“: įveskite skaičių.").arg(field.caption);
                field.editor->setFocus();
                return false;
            }
            fields.setValue(field.column.name, *value);
        }
    } catch (const vx::RecordsetError& e) {
        *error = e.message();
        return false;
    }
    return true;
}

} // namespace shell
