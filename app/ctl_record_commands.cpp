#include "app/ctl_record_commands.h"

#include "app/ctl_session.h"
#include "platform/bo/object_types.h"
#include "platform/bo/recordset_text.h"
#include "platform/contract/date_text.h"
#include "platform/contract/number_text.h"
#include "platform/contract/object_id.h"

#include <optional>

namespace ctl {
namespace {

const QString nullWord = QStringLiteral("NULL");

// The value of a field of this type written as text; nothing when it is not one.
std::optional<QVariant> typedValue(vx::FieldType type, const QString& text)
{
    if (text == nullWord)
        return QVariant();
    switch (type) {
    case vx::FieldType::Integer:
    case vx::FieldType::SmallInt:
    case vx::FieldType::BigInt: {
        bool ok = false;
        const qlonglong number = text.trimmed().toLongLong(&ok);
        return ok ? std::optional<QVariant>(number) : std::nullopt;
    }
    case vx::FieldType::Double:
    case vx::FieldType::Currency:
        if (const auto number = vx::numbers::readLocale(text))
            return QVariant(*number);
        return std::nullopt;
    case vx::FieldType::Boolean: {
        const QString word = text.trimmed().toLower();
        if (word == QLatin1String("1") || word == QLatin1String("true"))
            return QVariant(true);
        if (word == QLatin1String("0") || word == QLatin1String("false"))
            return QVariant(false);
        return std::nullopt;
    }
    case vx::FieldType::Date:
        if (const auto date = vx::dates::readDate(text))
            return QVariant(*date);
        return std::nullopt;
    case vx::FieldType::DateTime:
        if (const auto moment = vx::dates::readDateTime(text))
            return QVariant(*moment);
        if (const auto date = vx::dates::readDate(text))
            return QVariant(QDateTime(*date, QTime(0, 0)));
        return std::nullopt;
    default:
        return QVariant(text);
    }
}

struct Assignment {
    QString field;
    QVariant value;
};

// Every assignment read before anything is written; false (with the reason
// told) at the first one that is not a stored field of the type or not of its type.
bool readAssignments(const bo::ObjectType& type, const QStringList& texts, QList<Assignment>* assignments, QTextStream& err)
{
    for (const QString& text : texts) {
        const qsizetype equals = text.indexOf(QLatin1Char('='));
        const QString field = text.left(equals);
        const int column = equals > 0 ? type.columnIndex(field) : -1;
        if (column < 0) {
            err << "Tipas " << type.typeId << " neturi lauko „" << field << "“ (rašykite LAUKAS=REIKŠMĖ)." << Qt::endl;
            return false;
        }
        const QString valueText = text.mid(equals + 1);
        const std::optional<QVariant> value = typedValue(type.columns.at(column).type, valueText);
        if (!value) {
            err << "Lauko „" << field << "“ reikšmė „" << valueText << "“ netinka jo tipui." << Qt::endl;
            return false;
        }
        assignments->append({field, *value});
    }
    return true;
}

const bo::ObjectType* typeOf(const QString& oid, QTextStream& err)
{
    const bo::ObjectType* type = bo::objectType(vx::oid::typeId(oid));
    if (!type)
        err << "Nežinomas objekto tipas: " << oid << Qt::endl;
    return type;
}

// The editor holding the record (or a new one for a bare type id).
vx::VxObjectUIOPtr readEditor(bo::Session& session, const bo::ObjectType& type, const QString& oid, QTextStream& err)
{
    vx::VxObjectUIOPtr editor = session.createEditor(type.typeId);
    editor->setOIDR(oid);
    const vx::Status read = editor->Read();
    if (read.Code != 0) {
        err << (read.Message.isEmpty() ? QStringLiteral("Įrašas %1 nerastas.").arg(oid) : read.Message) << Qt::endl;
        return nullptr;
    }
    return editor;
}

} // namespace

int putRecord(const QString& location, const QString& oid, const QStringList& assignments, QTextStream& out,
              QTextStream& err)
{
    const bo::ObjectType* type = typeOf(oid, err);
    QList<Assignment> values;
    if (!type || !readAssignments(*type, assignments, &values, err))
        return 1;
    return withSession(location, err, [&](bo::Session& session) {
        const vx::VxObjectUIOPtr editor = readEditor(session, *type, oid, err);
        if (!editor)
            return 1;
        const vx::RecordsetPtr rs = editor->RsFields();
        for (const Assignment& a : values)
            rs->setValue(a.field, a.value);
        const vx::Status saved = editor->Save();
        if (saved.Code != 0) {
            err << saved.Message << Qt::endl;
            return 1;
        }
        out << editor->OIDR() << Qt::endl;
        return 0;
    });
}

int getRecord(const QString& location, const QString& oid, QTextStream& out, QTextStream& err)
{
    const bo::ObjectType* type = typeOf(oid, err);
    if (!type)
        return 1;
    if (!vx::oid::hasRecord(oid)) {
        err << "Nurodykite įrašą, ne tipą: " << oid << Qt::endl;
        return 1;
    }
    return withSession(location, err, [&](bo::Session& session) {
        const vx::VxObjectUIOPtr editor = readEditor(session, *type, oid, err);
        if (!editor)
            return 1;
        const vx::RecordsetPtr rs = editor->RsFields();
        for (const QString& field : rs->fieldNames()) {
            const QVariant value = rs->value(field);
            out << field << '\t' << (value.isNull() ? nullWord : bo::valueText(value)) << '\n';
        }
        out.flush();
        return 0;
    });
}

} // namespace ctl
