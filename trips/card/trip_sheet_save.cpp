// The trip sheet card's writing and its other buttons: saving with its checks
// in order, reverting, the card menu's refreshes, printing and export. Closing
// and deleting are the frame's (CardBase::useCloseButton).

#include "module/card_pattern/choice_field.h"
#include "module/catalogue.h"
#include "module/module_services.h"
#include "platform/contract/date_text.h"
#include "platform/contract/number_text.h"
#include "platform/contract/object_id.h"
#include "trips/card/trip_number_field.h"
#include "trips/card/trip_sheet_card.h"
#include "trips/carry_over.h"
#include "trips/row_value.h"
#include "trips/tank_types.h"
#include "trips/trip_numbers.h"
#include "trips/trip_sheet_fields.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>

namespace {

const QString crlf = QStringLiteral("\r\n");

QString name(const char* text)
{
    return QString::fromLatin1(text);
}

} // namespace

void frmTransportTripsSV::write()
{
    const vx::VxObjectUIOPtr editor = vxObjectUIO();
    if (!tankTypesFitVehicle())
        return;
    editor->Fields().setValue(name("Name"), c_.txtName->text());
    if (!numberCheckPasses()) {
        c_.cmdWrite->setEnabled(true);
        return;
    }
    writeFields();
    const vx::Status saved = editor->Save();
    if (saved.Code != 0) {
        Catalogue::ShowError(saved.Message + crlf + QStringLiteral("Įrašymas neatliktas!"), messageTitle());
        return;
    }
    if (const vx::VxSPtr services = module::services())
        services->Desktop().RefreshVxObject(editor->OIDR());
    InitForm();
}

// Every tank with a type holds one of the vehicle's two types, and one tank at least has one.
bool frmTransportTripsSV::tankTypesFitVehicle()
{
    const vx::VxBusinessObjectPtr bo = vxObjectUIO()->BO();
    const QString call = QStringLiteral("DO4000400_GetVxObject");
    const vx::CallResult answer =
        bo ? bo->CallDataObject(call, QStringLiteral("'") + c_.txtCar->objectId() + QStringLiteral("'"))
           : vx::CallResult::failure(QString());
    if (answer.Code != 0) {
        Catalogue::ShowError(QStringLiteral("Klaida!") + crlf + call + crlf + answer.Message, messageTitle());
        return false;
    }
    qint64 vehicleTypes[2] = {0, 0};
    if (const auto vehicle = answer.Value.value<vx::RecordsetPtr>(); vehicle && vehicle->RecordCount() > 0)
        for (int n = 1; n <= 2; ++n)
            vehicleTypes[n - 1] = Catalogue::LongOrZero(trips::rowValue(*vehicle, 0, trips::fields::fuelTankTypeId(n)));
    const trips::TankTypeFit fit =
        trips::checkTankTypes(vehicleTypes[0], vehicleTypes[1], fuel_->tankType(0), fuel_->tankType(1));
    if (fit == trips::TankTypeFit::NoTankType || fit == trips::TankTypeFit::NotTheVehicles) {
        Catalogue::ShowError(QStringLiteral("Kuro tipas neatitinka transporto kuro tipo!"), messageTitle());
        return false;
    }
    return true;
}

// A number may repeat when the settings say so (or there are none);
// otherwise the sheet's "Validate" decides and its message is shown.
bool frmTransportTripsSV::numberCheckPasses()
{
    if (const vx::VxObjectUIOPtr fresh = Catalogue::GetEditor(QStringLiteral("O4000100"))) {
        const auto settings =
            fresh->Properties(QStringLiteral("AutoNumberSettings"), QString()).Value.value<vx::RecordsetPtr>();
        if (!settings || settings->RecordCount() == 0
            || Catalogue::LongOrZero(trips::rowValue(*settings, 0, u"AllowDuplicated")) == 1)
            return true;
    } else {
        return true;
    }
    const vx::CallResult valid = vxObjectUIO()->Methods(QStringLiteral("Validate"), QString());
    if (valid.Value.toBool())
        return true;
    // A check that could not be made may come back without words; a blank box would say nothing.
    if (!valid.Message.isEmpty())
        Catalogue::ShowError(valid.Message, messageTitle());
    return false;
}

// The fields in order; a value that cannot be converted ends the save there,
// with the fields before it written.
void frmTransportTripsSV::writeFields()
{
    const vx::RecordFields sheet = vxObjectUIO()->Fields();
    sheet.setValue(name("Code"), c_.txtCode->text());
    const QTime startTime =
        Catalogue::DateTimeOrDefault(sheet.value(name("Date")), QDateTime(period_->start(), QTime(0, 0))).time();
    sheet.setValue(name("Date"), QDateTime(period_->start(), startTime));
    sheet.setValue(name("DateTo"), period_->hasEnd() ? QVariant(QDateTime(period_->end(), QTime(0, 0))) : QVariant());
    sheet.setValue(name("TransportCarID"), c_.txtCar->recordNumber());
    sheet.setValue(name("UserID"), c_.txtDriver->recordNumber());
    sheet.setValue(name("DistanceRest"), trips::numbers::readDistance(c_.txtSpidometrFrom->text()));
    sheet.setValue(name("DistanceEnd"), trips::numbers::readDistance(c_.txtSpidometrTo->text()));
    fuel_->write(sheet);
}

void frmTransportTripsSV::revert()
{
    if (vxObjectUIO()->Read().Code == 0)
        InitForm();
}

void frmTransportTripsSV::popUpCardMenu(const QPoint& at)
{
    if (isNew_ || !mayEdit_)
        return;
    takePendingCommand();
    c_.mnuRefresh->setEnabled(isChanged());
    const QAction* chosen = c_.mnuCard->exec(c_.SOPanel->mapToGlobal(at));
    if (chosen == c_.mnuRefresh)
        setPendingCommand(QStringLiteral("104"));
    else if (chosen == c_.mnuRefreshDistanceFrom)
        setPendingCommand(QStringLiteral("105"));
    else if (chosen == c_.mnuRefreshFuelRest)
        setPendingCommand(QStringLiteral("106"));
    else
        return;
    cardMenuCommand();
}

void frmTransportTripsSV::cardMenuCommand()
{
    const QString command = takePendingCommand();
    if (command == QLatin1String("104"))
        revert();
    else if (command == QLatin1String("105"))
        refreshStartReading();
    else if (command == QLatin1String("106"))
        refreshStartRests();
}

// The start reading from the vehicle's previous sheet (this one left out).
void frmTransportTripsSV::refreshStartReading()
{
    const vx::VxObjectUIOPtr editor = vxObjectUIO();
    const vx::RecordFields sheet = editor->Fields();
    const qint64 vehicle = Catalogue::LongOrZero(sheet.value(name("TransportCarID")));
    if (vehicle <= 0)
        return;
    const QString dateText = vx::dates::toText(Catalogue::DateOrDefault(sheet.value(name("Date")), QDate()));
    const QString argument = trips::lastTripArgument(vx::oid::make(u"O4000400", vehicle), dateText, editor->OIDR());
    const auto previous = trips::previousEndReading(
        editor->Properties(QStringLiteral("LastTrip"), argument).Value.value<vx::RecordsetPtr>());
    if (!previous)
        return;
    const double reading = Catalogue::DoubleOrZero(*previous);
    if (reading != trips::numbers::readDistance(c_.txtSpidometrFrom->text()))
        c_.txtSpidometrFrom->setText(vx::numbers::plain(reading));
}

// The start rests from the vehicle's previous sheet for the stored tank types.
void frmTransportTripsSV::refreshStartRests()
{
    if (!fuel_->refreshStartRests(vxObjectUIO()->Fields()))
        return;
    setChanged(true);
    applyEnablingRules();
}

// Printing and export show what they could not do.
void frmTransportTripsSV::callSheetMethod(const QString& method)
{
    const vx::CallResult done = vxObjectUIO()->Methods(method, QString());
    if (done.Code != 0 && !done.Message.isEmpty())
        Catalogue::ShowError(done.Message, messageTitle());
}
