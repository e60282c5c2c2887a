#include "platform/bo/references.h"

#include "platform/bo/database.h"
#include "platform/bo/object_types.h"

namespace bo {
namespace {

// Identifiers come only from the object type table, never from caller text.
QString quoted(const QString& name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

QList<Reference> enforced()
{
    QList<Reference> keys;
    for (const Reference& r : references())
        if (!r.tree)
            keys << r;
    return keys;
}

QList<Orphans> orphansOf(Database& db, const QList<Reference>& refs, int shown)
{
    QList<Orphans> found;
    for (const Reference& r : refs) {
        const QString where = QStringLiteral("FROM %1 c WHERE c.%2 > 0 AND NOT EXISTS (SELECT 1 FROM %3 p WHERE p.\"ID\" = c.%2)")
                                  .arg(r.table, quoted(r.column), r.targetTable);
        const qint64 count = db.scalar(QStringLiteral("SELECT COUNT(*) ") + where).toLongLong();
        if (count == 0)
            continue;
        Orphans o{r, {}, count};
        for (const QVariantList& row :
             db.query(QStringLiteral("SELECT c.\"ID\" %1 ORDER BY c.\"ID\" LIMIT ?").arg(where), {shown}).values)
            o.ids << row.value(0).toLongLong();
        found << o;
    }
    return found;
}

QString keyClause(const Reference& r)
{
    return QStringLiteral("CONSTRAINT %1 FOREIGN KEY (%2) REFERENCES %3 (\"ID\") ON DELETE %4")
        .arg(r.constraintName(), quoted(r.column), r.targetTable,
             r.owned ? QStringLiteral("CASCADE") : QStringLiteral("RESTRICT"));
}

// SQLite cannot add a key to a table: the table is made again with its keys,
// as SQLite documents it (new table, copy, drop, rename, indexes again), keeping
// the numbers its records had and the next number it hands out.
void rebuildWithKeys(Database& db, const QString& table, const QStringList& clauses)
{
    const QString definition = db.scalar(QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'table' AND name = ?"),
                                         {table}).toString();
    const qsizetype open = definition.indexOf(QLatin1Char('(')), close = definition.lastIndexOf(QLatin1Char(')'));
    if (open < 0 || close < open)
        throw StorageError(QStringLiteral("Lentelės %1 aprašas neperskaitomas.").arg(table));
    const Rows indexes = db.query(
        QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'index' AND tbl_name = ? AND sql IS NOT NULL"), {table});
    const QVariant next = db.scalar(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = ?"), {table});

    const QString rebuilt = QStringLiteral("kelmira_rebuilt");
    db.execute(QStringLiteral("CREATE TABLE %1 %2, %3)")
                   .arg(rebuilt, definition.mid(open, close - open), clauses.join(QStringLiteral(", "))));
    db.execute(QStringLiteral("INSERT INTO %1 SELECT * FROM %2").arg(rebuilt, table));
    db.execute(QStringLiteral("DROP TABLE %1").arg(table));
    db.execute(QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(rebuilt, table));
    db.execute(QStringLiteral("DELETE FROM sqlite_sequence WHERE name = ?"), {table});
    if (!next.isNull())
        db.execute(QStringLiteral("INSERT INTO sqlite_sequence (name, seq) VALUES (?, ?)"), {table, next});
    for (const QVariantList& index : indexes.values)
        db.execute(index.value(0).toString());
}

} // namespace

QString Reference::constraintName() const
{
    return QStringLiteral("fk_%1_%2").arg(table, column.toLower());
}

QString Reference::describe() const
{
    return table + QLatin1Char('.') + column;
}

QList<Reference> references()
{
    QList<Reference> all;
    for (const ObjectType& type : objectTypes()) {
        if (type.grouped)
            all << Reference{type.table, QStringLiteral("ParentID"), type.table, false, true};
        for (const ColumnDef& c : type.columns) {
            const ObjectType* target = c.refType.isEmpty() ? nullptr : objectType(c.refType);
            if (!target || c.name == QLatin1String("ParentID"))
                continue;
            const bool owned = type.ownerType == c.refType && type.ownerField == c.name;
            all << Reference{type.table, c.name, target->table, owned, false};
        }
    }
    return all;
}

QString Orphans::describe() const
{
    QStringList numbers;
    for (qint64 id : ids)
        numbers << QString::number(id);
    return QStringLiteral("%1 → %2: įrašai %3 (iš viso %4)")
        .arg(reference.describe(), reference.targetTable, numbers.join(QStringLiteral(", ")))
        .arg(count);
}

QList<Orphans> findOrphans(Database& db, int shown)
{
    return orphansOf(db, references(), shown);
}

void addForeignKeys(Database& db)
{
    const QList<Reference> keys = enforced();
    // "None" was written as 0 as well as left null; a key holds only with null.
    for (const Reference& r : keys)
        db.execute(QStringLiteral("UPDATE %1 SET %2 = NULL WHERE %2 <= 0").arg(r.table, quoted(r.column)));
    // A reference to a record that is gone is the user's data: it is shown, not dropped.
    const QList<Orphans> orphans = orphansOf(db, keys, 10);
    if (!orphans.isEmpty()) {
        QStringList lines;
        for (const Orphans& o : orphans)
            lines << o.describe();
        throw StorageError(QStringLiteral("Duomenų bazės atnaujinti negalima: kai kurie įrašai nurodo neegzistuojančius "
                                          "įrašus (%1). Ištaisykite tas nuorodas (jas parodo „kelmiractl check“); "
                                          "duomenų bazė paliekama nepakeista.")
                               .arg(lines.join(QStringLiteral("; "))));
    }
    if (db.engine() == Engine::Postgres) {
        for (const Reference& r : keys)
            db.execute(QStringLiteral("ALTER TABLE %1 ADD %2").arg(r.table, keyClause(r)));
        return;
    }
    QStringList tables;
    for (const Reference& r : keys)
        if (!tables.contains(r.table))
            tables << r.table;
    for (const QString& table : tables) {
        QStringList clauses;
        for (const Reference& r : keys)
            if (r.table == table)
                clauses << keyClause(r);
        rebuildWithKeys(db, table, clauses);
    }
}

} // namespace bo
