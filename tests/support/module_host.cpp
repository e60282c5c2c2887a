#include "tests/support/module_host.h"

#include "module/class_factory.h"
#include "module/module_services.h"
#include "module/registration_tables.h"
#include "platform/bo/object_types.h"
#include "platform/bo/rights.h"
#include "platform/contract/object_id.h"
#include "platform/contract/plain_object_list.h"
#include "platform/contract/vx_host_dialogs.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

namespace testhost {
namespace {

// The module type whose list controller handles records of `typeId`; empty
// for host types. Catalogue items belong to the reference catalogue list.
QString moduleTypeOf(const QString& typeId)
{
    if (bo::isCatalogueItemType(typeId))
        return QStringLiteral("O4000600");
    for (const module::ObjectTypeEntry& entry : module::objectTypes())
        if (entry.typeId == typeId)
            return typeId;
    return QString();
}

// The real generic list object, noting the parameter text of each list
// request. What the generic list leaves to the plain list it leaves too.
class RecordingList final : public vx::PlainObjectList {
public:
    RecordingList(vx::VxObjectUIPtr real, std::shared_ptr<QStringList> requests)
        : PlainObjectList(real->OID()),
          real_(std::move(real)),
          requests_(std::move(requests))
    {
    }

    QString className() const override { return real_->className(); }
    QString OName() const override { return real_->OName(); }
    vx::RecordsetPtr GetVxObjectList(const QString& parentId, const QString& context, const QString& command) override
    {
        requests_->append(parentId);
        return real_->GetVxObjectList(parentId, context, command);
    }
    vx::VxObjectUIOPtr GetVxObject(const QString& id) override { return real_->GetVxObject(id); }
    int DeleteVxObject(const QString& id) override { return real_->DeleteVxObject(id); }
    void setBO(const vx::VxBusinessObjectPtr& bo) override { real_->setBO(bo); }
    vx::VxBusinessObjectPtr BO() const override { return real_->BO(); }

private:
    vx::VxObjectUIPtr real_;
    std::shared_ptr<QStringList> requests_;
};

class ScriptedFilter final : public vx::VxFilterDialog {
public:
    explicit ScriptedFilter(std::shared_ptr<FilterScript> script) : script_(std::move(script)) {}
    void setOID(const QString& oid) override { script_->oids.append(oid); }
    QString askFilter(QWidget*) override { return script_->answer; }

private:
    std::shared_ptr<FilterScript> script_;
};

} // namespace

vx::VxObjectUIPtr StoreObjects::listOf(const QString& typeId)
{
    const QString moduleType = moduleTypeOf(typeId);
    if (moduleType.isEmpty()) {
        // The host's controller, working with this host, as the program's would with the module loaded.
        vx::VxObjectUIPtr list = host_.services->Objects().GetVxObjectUI(typeId);
        if (list)
            list->setVxS(host_.shared_from_this());
        return list;
    }
    auto list =
        std::dynamic_pointer_cast<vx::VxObjectUI>(module::createClassObject(module::listControllerClass(moduleType)));
    list->setVxS(host_.shared_from_this());
    list->setBO(host_.session->businessObject());
    return list;
}

vx::VxObjectUIPtr StoreObjects::GetVxObjectUI(const QString& objectType)
{
    host_.log.append(QStringLiteral("Objects.GetVxObjectUI(%1)").arg(objectType));
    return listOf(vx::oid::typeId(objectType));
}

vx::VxObjectUIOPtr StoreObjects::GetVxObject(const QString& id)
{
    host_.log.append(QStringLiteral("Objects.GetVxObject(%1)").arg(id));
    if (const vx::VxObjectUIOPtr editor = hostEditors.value(id))
        return editor;
    const QString typeId = vx::oid::typeId(id);
    if (!moduleTypeOf(typeId).isEmpty())
        return listOf(typeId)->GetVxObject(id);
    return host_.services->Objects().GetVxObject(id);
}

vx::CallResult StoreObjects::CallFunction(const QString& name, const QString& param)
{
    host_.log.append(QStringLiteral("Objects.CallFunction(%1, %2)").arg(name, param));
    if (const auto function = functions.find(name); function != functions.end())
        return (*function)(param);
    return vx::CallResult::failure(QStringLiteral("Nežinoma funkcija %1").arg(name));
}

StoreHost::StoreHost(bo::SessionPtr session)
    : session(session),
      services(std::make_shared<shell::HostServices>(std::move(session), loader))
{
    services->setDesktop(&desktop);
}

void StoreHost::grant(const QString& componentKey, bool open, bool write, bool remove, bool add)
{
    bo::Rights rights;
    rights.granted = {open, remove, write, add}; // the store's order: open, delete, write, new
    storeRights(*session, session->userId(), {{componentKey, rights}});
}

void StoreHost::logIn(qint64 employee)
{
    const QHash<QString, bo::Rights> granted = bo::rights::stored(*session, session->userId());
    QList<bo::ComponentRights> rows;
    for (auto right = granted.begin(); right != granted.end(); ++right)
        rows.append({right.key(), right.value()});
    storeRights(*session, employee, rows);
    session->setUserId(employee);
}

qint64 StoreHost::logInNew(const QString& userPref)
{
    const qint64 employee = vx::oid::recordNumber(createRecord(
        *session, QStringLiteral("O0001401"),
        {{QStringLiteral("Name"), QStringLiteral("Ona")},
         {QStringLiteral("UserPref"), userPref.isNull() ? QVariant() : QVariant(userPref)}}));
    logIn(employee);
    return employee;
}

vx::VxObjectUIPtr ScriptedHostFactory::createGenericList(const QString& objectType)
{
    vx::VxObjectUIPtr real = ShellHostFactory::createGenericList(objectType);
    return real ? std::make_shared<RecordingList>(real, listRequests) : nullptr;
}

std::unique_ptr<vx::VxFilterDialog> ScriptedHostFactory::createFilterDialog()
{
    return std::make_unique<ScriptedFilter>(filter);
}

std::unique_ptr<vx::VxObjectSelector> ScriptedHostFactory::createObjectSelector()
{
    return selectors.createObjectSelector();
}

void ModuleFixture::SetUp()
{
    QString reason;
    store = TestStore::create(&reason);
    if (!store)
        GTEST_SKIP() << reason.toStdString();
    session = std::make_shared<bo::Session>(store->open());
    factory = std::make_shared<ScriptedHostFactory>();
    factory->setSession(session);
    vx::setHostFactory(factory);
    host = std::make_shared<StoreHost>(session);
    // Until a test grants them, the test user holds no rights on the module's components.
    for (const module::ComponentRow& component : module::securityComponents())
        grant(component.key, false, false, false, false);
    module::forgetServices();
    module::adoptServices(host);
}

void ModuleFixture::TearDown()
{
    if (host)
        for (const vx::CardRef& card : host->desktop.cards)
            delete card.widget.data();
    module::forgetServices();
    vx::setHostFactory(nullptr);
    host.reset();
    factory.reset();
    session.reset();
    store.reset();
}

std::unique_ptr<QWidget> ModuleFixture::takeCard(const vx::ClickResult& result)
{
    if (result.Action != vx::ActionShowCard)
        return nullptr;
    return std::unique_ptr<QWidget>(result.Value.value<vx::CardRef>().widget.data());
}

void ModuleFixture::typeKeys(QLineEdit* field, const QString& text)
{
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

void ModuleFixture::enter(QWidget* field)
{
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(field, &in);
}

bool ModuleFixture::dropText(QAbstractItemView* list, const QString& text)
{
    QMimeData data;
    data.setText(text);
    const QPoint at = list->viewport()->rect().center();
    QDragEnterEvent enterEvent(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &enterEvent);
    if (!enterEvent.isAccepted())
        return false;
    EXPECT_EQ(enterEvent.dropAction(), Qt::CopyAction);
    QDropEvent dropped(at, enterEvent.dropAction(), &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &dropped);
    return true;
}

void ModuleFixture::leave(QWidget* field)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(field, &out);
}

void ModuleFixture::selectorPicks(const QString& id, const QString& caption)
{
    factory->selectors.script->choose = true;
    factory->selectors.script->key = id;
    factory->selectors.script->caption = caption;
}

QString ModuleFixture::lastMessage() const
{
    return messages.messages.isEmpty() ? QString() : messages.messages.last().text;
}

void ModuleFixture::expectShown(std::initializer_list<std::pair<const QLineEdit*, const char*>> shown)
{
    for (const auto& [field, text] : shown)
        EXPECT_EQ(field->text().toStdString(), std::string(text)) << field->objectName().toStdString();
}

void ModuleFixture::expectEnabled(std::initializer_list<std::pair<const QWidget*, bool>> enabled)
{
    for (const auto& [control, on] : enabled)
        EXPECT_EQ(control->isEnabled(), on) << control->objectName().toStdString();
}

} // namespace testhost
