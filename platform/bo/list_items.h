#pragma once

#include "platform/bo/object_types.h"
#include "platform/contract/recordset.h"

#include <QString>
#include <QVariantList>

namespace bo {

class Session;

// One stored record read for a list, before it becomes a row (layout in list_queries.h).
struct ListItem {
    qint64 id = 0;
    qint64 parentId = 0;
    bool group = false;
    QString preview;
    QVariantList columns; // the type's stored columns and CreationDate, in order
    QVariantList extra;   // values of the extra expressions (trip sheets: CarName, CarCode, UserName)
};

// The records of a type matching `where` (values bound), in `order`, at most
// `limit` of them when it is above zero; the preview from `previewExpression`
// when given, otherwise from the type's own.
QList<ListItem> readListItems(Session& session, const ObjectType& type, const QString& where, const QVariantList& values,
                              const QStringList& extraExpressions = {}, const QString& order = QString(), int limit = 0,
                              const QString& previewExpression = QString());

// A record's row values; kind and icon default to the type's (or a group's).
QVariantList listRowValues(const ObjectType& type, const ListItem& item, const QString& parentKey,
                           const QString& kind = QString(), const QString& icon = QString());

// The fields every list row starts with, and those of a type's list.
QList<vx::FieldDef> commonListFields();
QList<vx::FieldDef> typeListFields(const ObjectType& type);

} // namespace bo
