#include "numbering/sheet_numbering.h"

#include "module/catalogue_conversions.h"
#include "module/catalogue_dialogs.h"
#include "module/catalogue_host.h"
#include "module/module_services.h"
#include "numbering/auto_number_settings.h"
#include "numbering/number_layout.h"
#include "platform/contract/argument_text.h"
#include "platform/contract/vx_services.h"
#include "trips/trip_sheet_editor.h"

#include <limits>

namespace numbering {
namespace {

const QString sheetType = QStringLiteral("O4000100");

vx::CallResult noNumber()
{
    return vx::CallResult::success(QString());
}

vx::CallResult quietFailure(const vx::CallResult& failed)
{
    return {failed.Code, failed.Message, QVariant()};
}

// The settings as a trip sheet editor reads them; a failed read is handed on.
struct SettingsRead {
    vx::CallResult result;
    std::optional<AutoNumberSettings> settings;
};

SettingsRead readSettings(vx::VxObjectUIO& editor)
{
    const vx::CallResult read = editor.Properties(QStringLiteral("AutoNumberSettings"), QString());
    if (read.Code != 0)
        return {read, std::nullopt};
    return {read, settingsFrom(read.Value.value<vx::RecordsetPtr>())};
}

// The logged-in user's record, on its first row; none when nobody is logged in.
vx::RecordsetPtr currentUser()
{
    const vx::VxSPtr services = module::services();
    if (!services)
        return nullptr;
    vx::RecordsetPtr user = services->Environment().CurrentUser().Record;
    if (!user || user->RecordCount() == 0)
        return nullptr;
    if (user->isBOF() || user->isEOF())
        user->MoveFirst();
    return user;
}

vx::CallResult counterTooLarge(UIO4000100& sheet, qint64 counter)
{
    const QString message = QStringLiteral("Auto numerio reikšmė %1 didesnė nei %2, todėl numeris nesugeneruotas. "
                                           "Įveskite kelionės lapo numerį ranka.")
                                .arg(counter)
                                .arg(std::numeric_limits<qint16>::max());
    Catalogue::ShowMessage(message, sheet.title(), QMessageBox::Information, QMessageBox::Ok);
    return vx::CallResult::failure(message);
}

} // namespace

vx::CallResult getAutoNumber(UIO4000100& sheet, const vx::arguments::ItemList& args)
{
    bool flagRead = true;
    const qint64 nextFlag = args.text(0).isEmpty() ? 0 : qint64(args.text(0).toDouble(&flagRead));
    if (!flagRead)
        return vx::CallResult::failure(
            QStringLiteral("Metodas \"GetAutoNumber\": \"%1\" nėra skaičius.").arg(args.text(0)));

    const vx::RecordFields fields = sheet.Fields();
    if (fields.isNull())
        return vx::CallResult::failure(QStringLiteral("Metodas \"GetAutoNumber\": kelionės lapas neperskaitytas."));
    const vx::VxObjectUIOPtr fresh = Catalogue::GetEditor(sheetType);
    if (!fresh)
        return noNumber();
    const SettingsRead read = readSettings(*fresh);
    if (read.result.Code != 0)
        return quietFailure(read.result);
    if (!read.settings || read.settings->mask.isEmpty())
        return noNumber();
    const vx::RecordsetPtr user = currentUser();
    if (!user)
        return noNumber();
    const qint64 userId = Catalogue::LongOrZero(user->value(u"ID"));
    const QString userPrefix = Catalogue::TextOrEmpty(user->value(u"UserPref"));

    const vx::VxBusinessObjectPtr bo = sheet.BO();
    if (!bo)
        return vx::CallResult::failure(QStringLiteral("Nepasiekiamas verslo objektų sluoksnis."));
    const QDate date = Catalogue::DateOrDefault(fields.value(QStringLiteral("Date")), QDate());
    const vx::CallResult next =
        bo->GetProperty(QStringLiteral("GetAutoNumber"), vx::arguments::write({date, userId}), 0);
    if (next.Code != 0)
        return quietFailure(next);

    qint64 counter = sheet.lastAutoNumber();
    const vx::RecordsetPtr rows = next.Value.value<vx::RecordsetPtr>();
    if (rows && rows->RecordCount() > 0) {
        rows->MoveFirst();
        counter = nextFlag != 0 ? counter + 1 : rows->value(u"AutoNumber").toLongLong();
        if (counter > std::numeric_limits<qint16>::max() || counter < std::numeric_limits<qint16>::min())
            return counterTooLarge(sheet, counter);
        sheet.setLastAutoNumber(qint16(counter));
    }

    const AutoNumberSettings& s = *read.settings;
    const QString number = composeNumber(s.parts(), counter, s.prefix, date, userPrefix, s.numberTemplate);
    fields.setValue(QStringLiteral("AutoNumber"), counter);
    fields.setValue(QStringLiteral("Name"), number);
    return vx::CallResult::success(number);
}

vx::CallResult validate(UIO4000100& sheet, const vx::arguments::ItemList&)
{
    const vx::RecordFields fields = sheet.Fields();
    if (fields.isNull())
        return {1, QString(), QVariant()};
    const QString name = Catalogue::TextOrEmpty(fields.value(QStringLiteral("Name")));
    const qint64 id = Catalogue::LongOrZero(fields.value(QStringLiteral("ID")));
    const vx::CallResult check = sheet.Properties(QStringLiteral("CheckNumber"), vx::arguments::write({name, id}));
    const vx::RecordsetPtr rows = check.Value.value<vx::RecordsetPtr>();
    if (check.Code != 0 || !rows || rows->RecordCount() == 0 || rows->fieldCount() == 0)
        return {check.Code, QString(), QVariant()};
    if (rows->valueAt(0, 0).toLongLong() == 0)
        return vx::CallResult::success(true);
    return {0, QStringLiteral("Dokumento numeris kartojasi!"), false};
}

void deriveAutoNumber(UIO4000100& sheet)
{
    const SettingsRead read = readSettings(sheet);
    if (!read.settings || read.settings->mask.isEmpty())
        return;
    const vx::RecordFields fields = sheet.Fields();
    const CounterReading reading =
        counterIn(read.settings->parts(), Catalogue::TextOrEmpty(fields.value(QStringLiteral("Name"))));
    if (!reading.tooLarge.isEmpty())
        Catalogue::ShowMessage(QStringLiteral("Auto numerio reikšmė ") + reading.tooLarge + QStringLiteral(" yra per didelė!"),
                               sheet.title(), QMessageBox::Information, QMessageBox::Ok);
    fields.setValue(QStringLiteral("AutoNumber"), reading.value);
}

} // namespace numbering
