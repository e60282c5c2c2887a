#pragma once

#include "platform/bo/object_types.h"
#include "platform/bo/stored_row.h"
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

// Completes a row read by readListRows; `stored` is the record as read: ID,
// the type's columns, CreationDate, the preview, then the extra expressions.
using ListRowFinish = std::function<void(const StoredRow& stored, QVariantList& row)>;

// Rows read by readListRows; `typed` tells whether every value came out of
// its field's type (a stored value that cannot be converted stays as stored).
struct ListRows {
    QList<QVariantList> rows;
    bool typed = true;
};

// The records as readListItems reads them, each straight into its list row
// (listRowValues' layout, the type's kind and icon, the values converted to
// their fields' types): a long list converts each value once. The parent key
// is left empty, the extra expressions' values fill the row's last fields
// and those between stay null; `finish`, when given, completes each row.
ListRows readListRows(Session& session, const ObjectType& type, const QString& where, const QVariantList& values,
                      const QStringList& extraExpressions, const QString& order, int limit,
                      const QString& previewExpression, const ListRowFinish& finish = {});

// A record's row values; kind and icon default to the type's (or a group's).
QVariantList listRowValues(const ObjectType& type, const ListItem& item, const QString& parentKey,
                           const QString& kind = QString(), const QString& icon = QString());

// The fields every list row starts with, and those of a type's list.
QList<vx::FieldDef> commonListFields();
QList<vx::FieldDef> typeListFields(const ObjectType& type);

} // namespace bo
