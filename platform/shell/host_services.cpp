#include "platform/shell/host_services.h"

#include "platform/bo/settings.h"
#include "platform/contract/date_text.h"
#include "platform/contract/object_id.h"
#include "platform/shell/catalogue_controller.h"
#include "platform/shell/host_cards/catalogue_editor.h"
#include "platform/shell/program_folders.h"
#include "platform/shell/host_cards/host_type_controller.h"
#include "platform/shell/module_loader.h"
#include "platform/shell/period_dialog.h"
#include "platform/shell/reports/report_list_controller.h"

#include <QApplication>
#include <QStyle>

namespace shell {
namespace {

// A desktop that shows nothing, for a host without a window (command line, tests).
class NoDesktop final : public vx::VxDesktop {
public:
    void AddForm(const vx::CardRef& card) override
    {
        if (card.widget)
            card.widget->deleteLater();
    }
    void CloseForm(const vx::CardRef& card) override { AddForm(card); }
    void RemoveVxObject(const QString&) override {}
    void RefreshVxObject(const QString&) override {}
    bool LeaveObject(const QString&, bool) override { return false; }
    void ReassignForm(const QString&, const vx::CardRef&, bool) override {}
};

const QString periodKey = QStringLiteral("TripPeriod");
const QString tripType = QStringLiteral("O4000100");

QString periodText(const vx::PeriodRecord& p)
{
    return QStringList{vx::dates::toText(p.PeriodFrom), vx::dates::toText(p.PeriodTo), QString::number(p.DaysBack),
                       p.UsePeriod ? QStringLiteral("1") : QStringLiteral("0"), p.Caption}
        .join(QLatin1Char('|'));
}

vx::PeriodRecord periodFromText(const QString& text)
{
    vx::PeriodRecord p;
    p.DaysBack = 30;
    p.Caption = QStringLiteral("Paskutinės 30 d.");
    const QStringList parts = text.split(QLatin1Char('|'));
    if (parts.size() < 5)
        return p;
    p.PeriodFrom = vx::dates::readDate(parts.at(0)).value_or(QDate());
    p.PeriodTo = vx::dates::readDate(parts.at(1)).value_or(QDate());
    p.DaysBack = qint16(parts.at(2).toShort());
    p.UsePeriod = parts.at(3) == QLatin1String("1");
    p.Caption = parts.mid(4).join(QLatin1Char('|'));
    return p;
}

} // namespace

const QString HostServices::productName = QStringLiteral("Kelmira");

HostServices::HostServices(bo::SessionPtr session, ModuleLoader& loader) : session_(std::move(session)), loader_(loader)
{
    QStyle* style = QApplication::style();
    images_.insert(QStringLiteral("stdClose"), style->standardIcon(QStyle::SP_DirClosedIcon));
    images_.insert(QStringLiteral("stdOpen"), style->standardIcon(QStyle::SP_DirOpenIcon));
    images_.insert(QStringLiteral("C0001400"), style->standardIcon(QStyle::SP_DialogYesButton));
    images_.insert(QStringLiteral("C0001600"), style->standardIcon(QStyle::SP_FileIcon));
    images_.insert(QStringLiteral("C0001601"), style->standardIcon(QStyle::SP_FileDialogDetailedView));
    images_.insert(QStringLiteral("PRODUCTIONCARD"), style->standardIcon(QStyle::SP_FileIcon));
    functions_.insert(QStringLiteral("GetOldPeriod"),
                      [this](const QString&) { return vx::CallResult::success(QVariant::fromValue(storedPeriod())); });
}

void HostServices::addModule(const ModuleTables& tables)
{
    for (const RegisteredObjectType& type : tables.registration.objectTypes)
        typeLibraries_.insert(type.typeId, type.library);
    for (const RegisteredIcon& icon : tables.registration.icons)
        images_.insert(icon.key, icon.picture.icon);
    for (const RegisteredIcon& icon : tables.registration.mainIcons)
        images_.insert(icon.key, icon.picture.icon);
    components_.append(tables.components);
}

HostCardContext HostServices::cardContext()
{
    return {session_, weak_from_this(), components_};
}

// Kept as the period dialog shows it, so that accepting what the dialog
// proposes is no change of the period.
bool HostServices::listsPeriod(const QString& typeId)
{
    return typeId == tripType;
}

vx::PeriodRecord HostServices::storedPeriod()
{
    return shownPeriod(periodFromText(GetSetting(tripType, periodKey)));
}

void HostServices::storePeriod(const vx::PeriodRecord& period)
{
    SaveSetting(tripType, periodKey, periodText(period));
}

vx::VxDesktop& HostServices::Desktop()
{
    static NoDesktop none;
    return desktop_ ? *desktop_ : none;
}

QString HostServices::libraryOf(const QString& typeId) const
{
    return typeLibraries_.value(controllerType(typeId));
}

// Catalogue items live under the catalogue's controller.
QString HostServices::controllerType(const QString& typeId) const
{
    if (typeId.startsWith(QLatin1String("O400060")) && typeId.size() == 8 && !typeLibraries_.contains(typeId))
        return QStringLiteral("O4000600");
    return typeId;
}

vx::ImageCatalogue HostServices::ImgCatalogue()
{
    return images_;
}

vx::VxObjectUIOPtr HostServices::GetVxObject(const QString& id)
{
    const QString type = vx::oid::typeId(id);
    const QString library = libraryOf(type);
    if (!library.isEmpty()) {
        vx::VxObjectUIPtr controller = GetVxObjectUI(controllerType(type));
        return controller ? controller->GetVxObject(id) : nullptr;
    }
    vx::VxObjectUIOPtr editor = session_->createEditor(type);
    editor->setOIDR(id);
    if (editor->Read().Code != 0)
        return nullptr;
    // The catalogues' editor also makes the card of a catalogue item ("GetObjectForm").
    if (type == QLatin1String("O0001601"))
        return std::make_shared<CatalogueEditor>(cardContext(), editor);
    return editor;
}

vx::VxObjectUIPtr HostServices::GetVxObjectUI(const QString& objectType)
{
    const QString type = controllerType(objectType);
    if (vx::VxObjectUIPtr known = controllers_.value(type))
        return known;
    vx::VxObjectUIPtr controller;
    const QString library = typeLibraries_.value(type);
    if (!library.isEmpty()) {
        controller = std::dynamic_pointer_cast<vx::VxObjectUI>(
            loader_.create(library, QStringLiteral("UI") + type.mid(1)));
    } else if (type == QLatin1String("O0001600")) {
        controller = std::make_shared<CatalogueController>(session_);
    } else if (type == QLatin1String("O0001900")) {
        const std::weak_ptr<HostServices> self = shared_from_this();
        controller = std::make_shared<ReportListController>(session_, shared_from_this(), [self] {
            const auto services = self.lock();
            return services ? services->storedPeriod() : vx::PeriodRecord{};
        });
    } else if (HostTypeController::handles(type)) {
        controller = std::make_shared<HostTypeController>(cardContext(), type);
    } else {
        controller = session_->createList(type);
    }
    if (!controller)
        return nullptr;
    controller->setOID(type);
    controller->setBO(session_->businessObject());
    controller->setVxS(shared_from_this());
    controllers_.insert(type, controller);
    return controller;
}

vx::CallResult HostServices::CallFunction(const QString& name, const QString& param)
{
    const auto found = functions_.constFind(name);
    if (found == functions_.constEnd())
        return vx::CallResult::failure(QStringLiteral("Programa neturi funkcijos \"%1\".").arg(name));
    return (*found)(param);
}

bool HostServices::right(const QString& componentKey, bo::Right which)
{
    try {
        return bo::rights::granted(*session_, componentKey, which);
    } catch (const bo::StorageError&) {
        return false;
    }
}

bool HostServices::CanOpen(const QString& componentKey, int)
{
    return right(componentKey, bo::Right::Open);
}

bool HostServices::CanWrite(const QString& componentKey, int)
{
    return right(componentKey, bo::Right::Write);
}

bool HostServices::CanDelete(const QString& componentKey, int)
{
    return right(componentKey, bo::Right::Delete);
}

bool HostServices::CanAdd(const QString& componentKey, int)
{
    return right(componentKey, bo::Right::New);
}

void HostServices::SaveSetting(const QString& objectType, const QString& key, const QString& value,
                               const QString& section)
{
    try {
        bo::settings::save(*session_, objectType, section, key, value);
    } catch (const bo::StorageError& e) {
        session_->reportError(e.message());
    }
}

QString HostServices::GetSetting(const QString& objectType, const QString& key, const QString& defaultValue,
                                 const QString& section)
{
    try {
        return bo::settings::read(*session_, objectType, section, key).value_or(defaultValue);
    } catch (const bo::StorageError&) {
        return defaultValue;
    }
}

vx::CurrentUserInfo HostServices::CurrentUser()
{
    if (session_->userId() <= 0)
        return {};
    const QString id = vx::oid::make(QStringLiteral("O0001401"), session_->userId());
    vx::VxObjectUIOPtr editor = session_->createEditor(QStringLiteral("O0001401"));
    editor->setOIDR(id);
    if (editor->Read().Code != 0)
        return {};
    return {id, editor->RsFields()};
}

vx::ApplicationInfo HostServices::Application()
{
    if (!programPath_.isEmpty())
        return {programPath_, productName};
    return {folders::dataFolder(), productName};
}

} // namespace shell
