#include "platform/shell/field_editors.h"

#include "platform/contract/date_text.h"
#include "platform/contract/number_text.h"
#include "platform/shell/reference_chooser.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLineEdit>

namespace shell::field_editors {
namespace {

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

} // namespace

bool isKeptByLayer(const bo::ColumnDef& column)
{
    static const QStringList kept = {QStringLiteral("ParentID"),        QStringLiteral("GroupFlag"),
                                     QStringLiteral("OType"),           QStringLiteral("PasswordHash"),
                                     QStringLiteral("CreatedByUserID"), QStringLiteral("ModifiedByUserID"),
                                     QStringLiteral("ModifyDate"),      QStringLiteral("AutoNumber")};
    return kept.contains(column.name);
}

bool isShown(const bo::ObjectType& type, const bo::ColumnDef& column)
{
    return !isKeptByLayer(column) && column.name != type.ownerField;
}

QWidget* create(const bo::SessionPtr& session, const bo::ColumnDef& column, const QString& caption,
                QWidget* parent, std::function<void()> changed)
{
    QWidget* widget = nullptr;
    QString prefix = QStringLiteral("txt");
    if (!column.refType.isEmpty()) {
        auto* chooser = new ReferenceChooser(session, column.refType, caption, parent);
        QObject::connect(chooser, &ReferenceChooser::idChanged, chooser, [changed] { changed(); });
        widget = chooser;
        prefix = QStringLiteral("sel");
    } else if (isCheck(column)) {
        auto* check = new QCheckBox(parent);
        QObject::connect(check, &QCheckBox::toggled, check, [changed] { changed(); });
        widget = check;
        prefix = QStringLiteral("chk");
    } else if (column.type == vx::FieldType::Date || column.type == vx::FieldType::DateTime) {
        auto* edit = new QDateTimeEdit(parent);
        const bool withTime = column.type == vx::FieldType::DateTime;
        edit->setDisplayFormat(withTime ? vx::dates::shortDateFormat() + QLatin1Char(' ')
                                              + vx::dates::shortTimeFormat.toString()
                                        : vx::dates::shortDateFormat());
        edit->setCalendarPopup(true);
        // The earliest date an editor holds stands for "no date" and shows empty.
        edit->setMinimumDateTime(QDateTime(vx::dates::noDate(), QTime(0, 0)));
        edit->setSpecialValueText(QStringLiteral(" "));
        QObject::connect(edit, &QDateTimeEdit::dateTimeChanged, edit, [changed] { changed(); });
        widget = edit;
        prefix = QStringLiteral("dtp");
    } else {
        auto* edit = new QLineEdit(parent);
        if (isNumber(column.type))
            edit->setAlignment(Qt::AlignRight);
        QObject::connect(edit, &QLineEdit::textChanged, edit, [changed] { changed(); });
        widget = edit;
    }
    widget->setObjectName(prefix + column.name);
    return widget;
}

void show(QWidget* editor, const bo::ColumnDef& column, const QVariant& value)
{
    const QSignalBlocker quiet(editor);
    if (auto* chooser = qobject_cast<ReferenceChooser*>(editor))
        chooser->setId(value.toLongLong());
    else if (auto* check = qobject_cast<QCheckBox*>(editor))
        check->setChecked(value.toInt() != 0);
    else if (auto* dates = qobject_cast<QDateTimeEdit*>(editor))
        dates->setDateTime(value.isNull() ? dates->minimumDateTime() : value.toDateTime());
    else if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->setText(value.isNull() ? QString()
                      : isNumber(column.type) ? vx::numbers::plain(value.toDouble())
                                              : value.toString());
}

std::optional<QVariant> read(const QWidget* editor, const bo::ColumnDef& column)
{
    if (auto* chooser = qobject_cast<const ReferenceChooser*>(editor))
        return chooser->id() > 0 ? QVariant(chooser->id()) : QVariant();
    if (auto* check = qobject_cast<const QCheckBox*>(editor))
        return QVariant(check->isChecked() ? 1 : 0);
    if (auto* dates = qobject_cast<const QDateTimeEdit*>(editor)) {
        const QDateTime moment = dates->dateTime();
        if (moment <= dates->minimumDateTime())
            return QVariant();
        return column.type == vx::FieldType::Date ? QVariant(moment.date()) : QVariant(moment);
    }
    const auto* line = qobject_cast<const QLineEdit*>(editor);
    const QString text = line ? line->text().trimmed() : QString();
    if (text.isEmpty())
        return QVariant();
    if (!isNumber(column.type))
        return QVariant(text);
    const std::optional<double> number = vx::numbers::readLocale(text);
    if (!number)
        return std::nullopt;
    return QVariant(*number);
}

} // namespace shell::field_editors
