// The trip sheet editor on a real store: who saved a sheet and when, the
// protocol text, the route totals it recalculates, the names it forwards, and
// the methods it leaves to printing, export and numbering (whose own tests
// show the handlers receive their arguments).

#include "platform/contract/clock.h"
#include "tests/trips/trip_fleet.h"
#include "trips/trip_sheet_hooks.h"

namespace {

class BoTripSheetEditor : public TripFleet {};

TEST_F(BoTripSheetEditor, SavingStampsTheCreatorFirstAndTheModifierAfterwards)
{
    const QDateTime now = vx::clock::now();
    struct Step {
        const char* what;
        QVariant user; // who is logged in; null: nobody
        QVariant createdBy, modifiedBy, modifyDate;
    };
    const Step steps[] = {
        {"first save", driver, driver, QVariant(), QVariant()},
        {"saved again by nobody: only the moment", QVariant(), driver, QVariant(), now},
        {"saved again by another user", otherDriver, driver, otherDriver, now},
    };
    std::shared_ptr<UIO4000100> editor = newSheet(car, start);
    for (const Step& s : steps) {
        host->logIn(s.user.toLongLong());
        save(*editor);
        SCOPED_TRACE(s.what);
        expectStored(editor->OIDR(),
                     {{"CreatedByUserID", s.createdBy}, {"ModifiedByUserID", s.modifiedBy}, {"ModifyDate", s.modifyDate}});
        EXPECT_TRUE(stored(editor->OIDR())->Fields().value(QStringLiteral("CreationDate")).toDateTime().isValid());
    }
}

TEST_F(BoTripSheetEditor, TheProtocolNamesWhoCreatedAndModifiedTheSheetAndWhen)
{
    std::shared_ptr<UIO4000100> editor = newSheet(car, start);
    save(*editor);
    struct Case { const char* what; QVariant createdBy, creationDate, modifiedBy, modifyDate; const char* text; };
    const QDateTime created(QDate(2026, 11, 3), QTime(8, 15, 30));
    const Case cases[] = {
        {"never modified, created by nobody", QVariant(), created, QVariant(), QVariant(),
         "Sukūrė: Sistemos Administratorius (2026.11.03 08:15:30)"},
        {"never modified", driver, created, QVariant(), QVariant(), "Sukūrė: Jonas Jonaitis (2026.11.03 08:15:30)"},
        {"modified at midnight", driver, created, otherDriver, QDateTime(QDate(2026, 11, 4), QTime(0, 0)),
         "Sukūrė: Jonas Jonaitis (2026.11.03 08:15:30), koregavo: Ona Onaitė (2026.11.04)"},
        {"modified at 14:05 by nobody", driver, created, QVariant(), QDateTime(QDate(2026, 11, 4), QTime(14, 5)),
         "Sukūrė: Jonas Jonaitis (2026.11.03 08:15:30), koregavo: Sistemos Administratorius (2026.11.04 14:05:00)"},
        {"created at midnight", QVariant(), QDateTime(QDate(2026, 11, 3), QTime(0, 0)), QVariant(), QVariant(),
         "Sukūrė: Sistemos Administratorius (2026.11.03)"},
    };
    for (const Case& c : cases) {
        const vx::RecordFields sheet = editor->Fields();
        sheet.setValue(QStringLiteral("CreatedByUserID"), c.createdBy);
        sheet.setValue(QStringLiteral("CreationDate"), c.creationDate);
        sheet.setValue(QStringLiteral("ModifiedByUserID"), c.modifiedBy);
        sheet.setValue(QStringLiteral("ModifyDate"), c.modifyDate);
        const vx::CallResult protocol = editor->Properties(QStringLiteral("GetProtocol"), QString());
        EXPECT_EQ(protocol.Code, 0) << c.what;
        EXPECT_EQ(protocol.Value.toString(), QString::fromUtf8(c.text)) << c.what;
    }
}

TEST_F(BoTripSheetEditor, ReCalculateGivesRouteDistanceEndAndDurationFromTheStoredLines)
{
    std::shared_ptr<UIO4000100> editor = newSheet(car, start);
    editor->Fields().setValue(QStringLiteral("DistanceRest"), 1000.1);
    EXPECT_EQ(editor->Properties(QStringLiteral("ReCalculate"), QString()).Value.toList(),
              QVariantList({0.0, 1000.1, 0.0}))
        << "an unsaved sheet has no lines";
    save(*editor);
    const qint64 trip = vx::oid::recordNumber(editor->OIDR());
    line(trip, truckNorm, 0.1, 1.25, 28.5, 0);
    line(trip, generatorNorm, 0.2, 2.5, 0, 1.5);
    const vx::CallResult totals = editor->Properties(QStringLiteral("ReCalculate"), QString());
    EXPECT_EQ(totals.Code, 0);
    EXPECT_EQ(totals.Value.toList(), QVariantList({0.1 + 0.2, 1000.1 + (0.1 + 0.2), 1.25 + 2.5}));
}

TEST_F(BoTripSheetEditor, PropertiesReachTheBusinessObjectUnderTheirCallNamesAndFailQuietly)
{
    std::shared_ptr<UIO4000100> editor = newSheet(car, start);
    editor->Fields().setValue(QStringLiteral("FuelTankTypeID1"), diesel);
    editor->Fields().setValue(QStringLiteral("FuelTankTypeID2"), petrol);
    save(*editor);
    line(vx::oid::recordNumber(editor->OIDR()), truckNorm, 100, 2, 28.5, 0);
    struct Case {
        QString name, param;
        int rows; // -1: the call fails
    };
    const QList<Case> cases = {
        {QStringLiteral("GetTransportTripRoutes"), QStringLiteral("ignored"), 1},
        {QStringLiteral("GetTransportTripFuelTanks"), QString(), 2},
        {QStringLiteral("AutoNumberSettings"), QStringLiteral("ignored"), 0},
        {QStringLiteral("CheckNumber"), QStringLiteral("'KL-1',0"), 1},
        {QStringLiteral("LastTrip"), QStringLiteral("'7"), -1},
        {QStringLiteral("TripFuelRest"), QStringLiteral("1,2"), -1},
        {QStringLiteral("NoSuchList"), QString(), -1},
        {QStringLiteral("recalculate"), QString(), -1},
    };
    for (const Case& c : cases) {
        const vx::CallResult result = editor->Properties(c.name, c.param);
        const auto rows = result.Value.value<vx::RecordsetPtr>();
        if (c.rows < 0) {
            EXPECT_NE(result.Code, 0) << c.name.toStdString();
            EXPECT_FALSE(result.Message.isEmpty()) << c.name.toStdString();
            EXPECT_FALSE(result.Value.isValid()) << c.name.toStdString();
            continue;
        }
        EXPECT_EQ(result.Code, 0) << c.name.toStdString() << ": " << result.Message.toStdString();
        ASSERT_TRUE(rows) << c.name.toStdString();
        EXPECT_EQ(rows->RecordCount(), c.rows) << c.name.toStdString();
    }
    EXPECT_TRUE(editor->Properties(QStringLiteral("NoSuchList"), QString()).Message.contains(QStringLiteral("NoSuchList")));
    EXPECT_TRUE(messages.messages.isEmpty()) << "the editor shows no messages of its own";
}

// Malformed Params, and a method whose module handler is missing, fail naming
// the method; methods the editor does not know do nothing at all.
TEST_F(BoTripSheetEditor, MethodsThatCannotRunFailNamingThemAndUnknownOnesDoNothing)
{
    std::shared_ptr<UIO4000100> editor = newSheet(car, start);
    save(*editor);
    const vx::RecordsetPtr row = editor->RsFields();
    row->acceptChanges();
    struct Case {
        const char* name;
        const char* params;
        bool unhandled; // the module's handler is taken away for the call
    };
    const Case cases[] = {
        {"GetLastTripFuelRest", "'O40004001',x,'2026.11.03'", false},
        {"GetLastTripFuelRest", "'O40004001',4,'not a date'", false},
        {"GetLastTripFuelRest", "'O40004001',4", false},
        {"FillDistanceRest", "'O40004001", false},
        {"FillCarFuelTanks", "", false},
        {"AddUpdateAutoNumber", "0,'Prefix','KL',3,1,'0000',0,0", false},
        {"Print", "'unclosed", false},
        {"Print", "0,''", true}, {"PrintParameters", "0,''", true}, {"ExportToWord", "0,''", true},
        {"GetAutoNumber", "0,''", true}, {"Validate", "0,''", true},
    };
    for (const Case& c : cases) {
        const QString method = QString::fromLatin1(c.name);
        const trips::SheetMethod installed = c.unhandled ? trips::setSheetMethod(method, {}) : trips::SheetMethod();
        const vx::CallResult result = editor->Methods(method, QString::fromLatin1(c.params));
        if (c.unhandled) {
            trips::setSheetMethod(method, installed);
            EXPECT_TRUE(bool(installed)) << c.name << ": the module answers it";
        }
        EXPECT_NE(result.Code, 0) << c.name << " " << c.params << ": never a silent success";
        EXPECT_TRUE(result.Message.contains(method)) << result.Message.toStdString();
        EXPECT_FALSE(result.Value.isValid()) << c.name << " " << c.params;
    }
    for (const char* name : {"print", "Spausdinti", "", "ReCalculate", "LastTrip"}) {
        const vx::CallResult result = editor->Methods(QString::fromLatin1(name), QStringLiteral("'unclosed"));
        EXPECT_TRUE(result.Code == 0 && result.Message.isEmpty() && !result.Value.isValid()) << name;
    }
    EXPECT_FALSE(row->isRowModified(0)) << "the sheet is left alone";
}

} // namespace
