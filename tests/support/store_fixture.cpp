#include "tests/support/store_fixture.h"

#include "platform/bo/migrations.h"
#include "platform/bo/session_store.h"
#include "platform/contract/object_id.h"

void StoreFixture::SetUp()
{
    QString reason;
    store_ = TestStore::create(&reason);
    if (!store_)
        GTEST_SKIP() << reason.toStdString();
    session_ = std::make_shared<bo::Session>(store_->open());
    arrange();
    if (!HasFatalFailure())
        prepare();
}

void StoreFixture::TearDown()
{
    session_.reset();
    store_.reset();
}

namespace {
// Lends the session every right while a test sets up its records.
class AsAdministrationTool {
public:
    explicit AsAdministrationTool(bo::Session& session) : session_(session), was_(session.isAdministrationTool())
    {
        session_.setAdministrationTool(true);
    }
    ~AsAdministrationTool() { session_.setAdministrationTool(was_); }
    AsAdministrationTool(const AsAdministrationTool&) = delete;
    AsAdministrationTool& operator=(const AsAdministrationTool&) = delete;

private:
    bo::Session& session_;
    bool was_;
};

// Reads the record (a bare type id: a new one), sets the fields and saves it
// whatever the user's rights; returns its id. A refused read or save fails the running test.
QString write(bo::Session& session, const QString& oidr, const QVariantMap& fields)
{
    const AsAdministrationTool tool(session);
    vx::VxObjectUIOPtr editor = session.createEditor(vx::oid::typeId(oidr));
    editor->setOIDR(oidr);
    const vx::Status read = editor->Read();
    EXPECT_EQ(read.Code, 0) << oidr.toStdString() << ": " << read.Message.toStdString();
    for (auto it = fields.constBegin(); it != fields.constEnd(); ++it)
        editor->Fields().setValue(it.key(), it.value());
    const vx::Status saved = editor->Save();
    EXPECT_EQ(saved.Code, 0) << oidr.toStdString() << ": " << saved.Message.toStdString();
    return editor->OIDR();
}
} // namespace

void storeRights(bo::Session& session, qint64 userId, const QList<bo::ComponentRights>& rows)
{
    const AsAdministrationTool tool(session);
    bo::rights::save(session, userId, rows);
}

QString createRecord(bo::Session& session, const QString& typeId, const QVariantMap& fields)
{
    return write(session, typeId, fields);
}

QString StoreFixture::create(const QString& typeId, const QVariantMap& fields)
{
    return createRecord(*session_, typeId, fields);
}

qint64 StoreFixture::createId(const QString& typeId, const QVariantMap& fields)
{
    return vx::oid::recordNumber(create(typeId, fields));
}

vx::VxObjectUIOPtr readRecord(bo::Session& session, const QString& oidr)
{
    vx::VxObjectUIOPtr editor = session.createEditor(vx::oid::typeId(oidr));
    editor->setOIDR(oidr);
    return editor->Read().Code == 0 ? editor : nullptr;
}

void StoreFixture::update(const QString& oidr, const QVariantMap& fields)
{
    write(*session_, oidr, fields);
}

vx::CallResult StoreFixture::call(const QString& name, const QString& param)
{
    return session_->call(name, param);
}

QVariant StoreFixture::scalar(const QString& sql, const QVariantList& values)
{
    return bo::storeOf(*session_).scalar(sql, values);
}

vx::RecordsetPtr StoreFixture::rows(const QString& name, const QString& param)
{
    const vx::CallResult result = session_->call(name, param);
    EXPECT_EQ(result.Code, 0) << name.toStdString() << ": " << result.Message.toStdString();
    auto rs = result.Value.value<vx::RecordsetPtr>();
    EXPECT_TRUE(rs) << name.toStdString() << " gave no record set";
    return rs ? rs : vx::Recordset::create();
}

QVariantMap fieldMap(std::initializer_list<std::pair<const char*, QVariant>> values)
{
    QVariantMap map;
    for (const auto& [name, value] : values)
        map.insert(QString::fromLatin1(name), value);
    return map;
}

std::string columnText(const vx::RecordsetPtr& rs, const char* field)
{
    QStringList values;
    const int column = rs->fieldIndex(QString::fromUtf8(field));
    if (column < 0)
        return std::string("no field ") + field;
    for (int row = 0; row < rs->RecordCount(); ++row)
        values << rs->valueAt(row, column).toString();
    return values.join(QLatin1Char('|')).toStdString();
}

std::string typedText(const QVariant& value)
{
    return std::string(value.isValid() ? value.typeName() : "null") + ":" + value.toString().toStdString();
}

QString rowText(const vx::RecordsetPtr& rs, std::initializer_list<const char*> fields, int row)
{
    if (row < 0 && (rs->isBOF() || rs->isEOF()))
        return QStringLiteral("no current row");
    QStringList texts;
    for (const char* field : fields) {
        const int column = rs->fieldIndex(QString::fromUtf8(field));
        const QVariant value = column < 0 ? QVariant(QStringLiteral("no field ") + QString::fromUtf8(field))
                                          : rs->valueAt(row < 0 ? rs->position() : row, column);
        texts << (value.isNull() ? QStringLiteral("NULL") : value.toString());
    }
    return texts.join(QLatin1Char('|'));
}

QStringList rowsText(const vx::RecordsetPtr& rs, std::initializer_list<const char*> fields)
{
    QStringList rows;
    for (int row = 0; row < rs->RecordCount(); ++row)
        rows << rowText(rs, fields, row);
    return rows;
}

QString storageErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const bo::StorageError& e) {
        return e.message();
    }
    return QStringLiteral("no error");
}

CommandRun runCommand(const std::function<int(QTextStream& out, QTextStream& err)>& command)
{
    CommandRun run;
    {
        QTextStream out(&run.out), err(&run.err);
        run.code = command(out, err);
    } // the streams write their last text as they go
    return run;
}

std::unique_ptr<bo::Database> storeBeforeStep(std::unique_ptr<TestStore>& holder, const QString& stepName)
{
    QString reason;
    holder = TestStore::create(&reason);
    auto old = bo::Database::connect(holder->location());
    bo::schemaVersion(*old);
    for (const bo::Migration& m : bo::migrations()) {
        if (m.name == stepName)
            break;
        for (const QString& statement : m.statements)
            old->execute(old->dialect().ddl(statement));
        if (m.seed)
            m.seed(*old);
        old->execute(QStringLiteral("INSERT INTO kelmira_schema (version, name, applied) VALUES (?, ?, ?)"),
                     {m.version, m.name, QStringLiteral("2026-01-01T00:00:00Z")});
    }
    return old;
}
