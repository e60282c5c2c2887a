#include "tests/support/store_fixture.h"

#include "platform/contract/object_id.h"

void StoreFixture::SetUp()
{
    QString reason;
    store_ = TestStore::create(&reason);
    if (!store_)
        GTEST_SKIP() << reason.toStdString();
    session_ = std::make_shared<bo::Session>(store_->open());
}

void StoreFixture::TearDown()
{
    session_.reset();
    store_.reset();
}

QString createRecord(bo::Session& session, const QString& typeId, const QVariantMap& fields)
{
    vx::VxObjectUIOPtr editor = session.createEditor(typeId);
    editor->setOIDR(typeId);
    const vx::Status read = editor->Read();
    EXPECT_EQ(read.Code, 0) << read.Message.toStdString();
    for (auto it = fields.constBegin(); it != fields.constEnd(); ++it)
        editor->Fields().setValue(it.key(), it.value());
    const vx::Status saved = editor->Save();
    EXPECT_EQ(saved.Code, 0) << typeId.toStdString() << ": " << saved.Message.toStdString();
    return editor->OIDR();
}

QString StoreFixture::create(const QString& typeId, const QVariantMap& fields)
{
    return createRecord(*session_, typeId, fields);
}

qint64 StoreFixture::createId(const QString& typeId, const QVariantMap& fields)
{
    return vx::oid::recordNumber(create(typeId, fields));
}

void StoreFixture::update(const QString& oidr, const QVariantMap& fields)
{
    vx::VxObjectUIOPtr editor = session_->createEditor(vx::oid::typeId(oidr));
    editor->setOIDR(oidr);
    const vx::Status read = editor->Read();
    ASSERT_EQ(read.Code, 0) << read.Message.toStdString();
    for (auto it = fields.constBegin(); it != fields.constEnd(); ++it)
        editor->Fields().setValue(it.key(), it.value());
    const vx::Status saved = editor->Save();
    ASSERT_EQ(saved.Code, 0) << saved.Message.toStdString();
}

vx::CallResult StoreFixture::call(const QString& name, const QString& param)
{
    return session_->call(name, param);
}

vx::RecordsetPtr StoreFixture::rows(const QString& name, const QString& param)
{
    const vx::CallResult result = session_->call(name, param);
    EXPECT_EQ(result.Code, 0) << name.toStdString() << ": " << result.Message.toStdString();
    auto rs = result.Value.value<vx::RecordsetPtr>();
    EXPECT_TRUE(rs) << name.toStdString() << " gave no record set";
    return rs ? rs : vx::Recordset::create();
}
