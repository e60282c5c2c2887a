#include "tests/support/test_host.h"

#include "platform/contract/object_id.h"

#include <QWidget>

namespace testhost {

void TestDesktop::AddForm(const vx::CardRef& card)
{
    log_.append(QStringLiteral("Desktop.AddForm(%1)").arg(card.widget ? card.widget->objectName() : QString()));
    cards.append(card);
}

void TestDesktop::CloseForm(const vx::CardRef& card)
{
    log_.append(QStringLiteral("Desktop.CloseForm(%1)").arg(card.widget ? card.widget->objectName() : QString()));
    cards.removeIf([&](const vx::CardRef& kept) { return kept.widget == card.widget; });
    if (card.widget)
        card.widget->deleteLater();
}

void TestDesktop::RemoveVxObject(const QString& oidr)
{
    log_.append(QStringLiteral("Desktop.RemoveVxObject(%1)").arg(oidr));
}

void TestDesktop::RefreshVxObject(const QString& oidr)
{
    log_.append(QStringLiteral("Desktop.RefreshVxObject(%1)").arg(oidr));
}

bool TestDesktop::LeaveObject(const QString& oidr, bool askUser)
{
    log_.append(QStringLiteral("Desktop.LeaveObject(%1, %2)").arg(oidr).arg(askUser));
    return staysOnObject;
}

void TestDesktop::ReassignForm(const QString& oldOidr, const vx::CardRef& card, bool refresh)
{
    log_.append(QStringLiteral("Desktop.ReassignForm(%1, %2, %3)")
                    .arg(oldOidr, card.widget ? card.widget->objectName() : QString())
                    .arg(refresh));
}

bool TestSecurity::check(const char* operation, int slot, const QString& componentKey, int objectId)
{
    log_.append(QStringLiteral("Security.%1(%2, %3)").arg(QLatin1String(operation), componentKey).arg(objectId));
    const auto granted = rights_.find(componentKey);
    return granted != rights_.end() && granted->at(slot);
}

bool TestSecurity::CanOpen(const QString& componentKey, int objectId)
{
    return check("CanOpen", 0, componentKey, objectId);
}

bool TestSecurity::CanWrite(const QString& componentKey, int objectId)
{
    return check("CanWrite", 1, componentKey, objectId);
}

bool TestSecurity::CanDelete(const QString& componentKey, int objectId)
{
    return check("CanDelete", 2, componentKey, objectId);
}

bool TestSecurity::CanAdd(const QString& componentKey, int objectId)
{
    return check("CanAdd", 3, componentKey, objectId);
}

namespace {
QString settingKey(const QString& objectType, const QString& section, const QString& key)
{
    return objectType + QLatin1Char('/') + section + QLatin1Char('/') + key;
}
} // namespace

void TestEnvironment::SaveSetting(const QString& objectType, const QString& key, const QString& value,
                                  const QString& section)
{
    settings.insert(settingKey(objectType, section, key), value);
}

QString TestEnvironment::GetSetting(const QString& objectType, const QString& key, const QString& defaultValue,
                                    const QString& section)
{
    return settings.value(settingKey(objectType, section, key), defaultValue);
}

void TestEnvironment::logIn(int employeeNumber, const QString& userPref)
{
    auto record = vx::Recordset::create(
        {{QStringLiteral("ID"), vx::FieldType::Integer}, {QStringLiteral("UserPref"), vx::FieldType::Text}});
    record->appendRow({employeeNumber, userPref});
    record->MoveFirst();
    currentUser = {vx::oid::make(u"O0001401", employeeNumber), record};
}

} // namespace testhost
