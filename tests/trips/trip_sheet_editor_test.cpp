// The trip sheet editor on a real store: who saved a sheet and when, the
// protocol text, the route totals it recalculates, the names it forwards, and
// the methods it leaves to printing, export and numbering (whose own tests
// show the handlers receive their arguments).

#include "platform/contract/clock.h"
#include "tests/trips/trip_fleet.h"
#include "trips/trip_sheet_hooks.h"

namespace {

class BoTripSheetEditor : public TripFleet {
protected:
    std::shared_ptr<UIO4000100> savedNewSheet()
    {
        std::shared_ptr<UIO4000100> editor = newSheet(car, start);
        save(*editor);
        return editor;
    }
    // A call's result in short: its rows; "failed" with a message and no value;
    // "nothing" without either; anything else spelled out.
    static std::string outcome(const vx::CallResult& r)
    {
        if (const auto rows = r.Value.value<vx::RecordsetPtr>(); r.Code == 0 && rows)
            return std::to_string(rows->RecordCount()) + " rows";
        if (!r.Value.isValid() && (r.Code == 0) == r.Message.isEmpty())
            return r.Code ? "failed" : "nothing";
        return QStringLiteral("Code %1 (%2) value %3").arg(r.Code).arg(r.Message, r.Value.toString()).toStdString();
    }
};

TEST_F(BoTripSheetEditor, SavingStampsTheCreatorFirstAndTheModifierAfterwards)
{
    const QDateTime now = vx::clock::now();
    // Who is logged in (null: nobody), and the creator, modifier and moment stored.
    const struct { const char* what; QVariant user, createdBy, modifiedBy, modifyDate; } steps[] = {
        {"first save", driver, driver, QVariant(), QVariant()},
        {"saved again by nobody: only the moment", QVariant(), driver, QVariant(), now},
        {"saved again by another user", otherDriver, driver, otherDriver, now},
    };
    std::shared_ptr<UIO4000100> editor = newSheet(car, start);
    for (const auto& s : steps) {
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
    std::shared_ptr<UIO4000100> editor = savedNewSheet();
    const QDateTime created(QDate(2026, 11, 3), QTime(8, 15, 30));
    const struct { QVariant createdBy, creationDate, modifiedBy, modifyDate; const char* text; } cases[] = {
        {QVariant(), created, QVariant(), QVariant(), "Sukūrė: Sistemos Administratorius (2026.11.03 08:15:30)"},
        {driver, created, QVariant(), QVariant(), "Sukūrė: Jonas Jonaitis (2026.11.03 08:15:30)"},
        {driver, created, otherDriver, QDateTime(QDate(2026, 11, 4), QTime(0, 0)),
         "Sukūrė: Jonas Jonaitis (2026.11.03 08:15:30), koregavo: Ona Onaitė (2026.11.04)"},
        {driver, created, QVariant(), QDateTime(QDate(2026, 11, 4), QTime(14, 5)),
         "Sukūrė: Jonas Jonaitis (2026.11.03 08:15:30), koregavo: Sistemos Administratorius (2026.11.04 14:05:00)"},
        {QVariant(), QDateTime(QDate(2026, 11, 3), QTime(0, 0)), QVariant(), QVariant(),
         "Sukūrė: Sistemos Administratorius (2026.11.03)"},
    };
    for (const auto& c : cases) {
        const QVariant values[] = {c.createdBy, c.creationDate, c.modifiedBy, c.modifyDate};
        for (int i = 0; const char* field : {"CreatedByUserID", "CreationDate", "ModifiedByUserID", "ModifyDate"})
            editor->Fields().setValue(QLatin1String(field), values[i++]);
        const vx::CallResult protocol = editor->Properties(QStringLiteral("GetProtocol"), QString());
        EXPECT_EQ(protocol.Code, 0);
        EXPECT_EQ(protocol.Value.toString(), QString::fromUtf8(c.text));
    }
}

TEST_F(BoTripSheetEditor, ReCalculateGivesRouteDistanceEndAndDurationFromTheStoredLines)
{
    std::shared_ptr<UIO4000100> editor = newSheet(car, start);
    editor->Fields().setValue(QStringLiteral("DistanceRest"), 1000.1);
    EXPECT_EQ(editor->Properties(QStringLiteral("ReCalculate"), QString()).Value.toList(), QVariantList({0.0, 1000.1, 0.0}))
        << "an unsaved sheet has no lines";
    save(*editor);
    line(vx::oid::recordNumber(editor->OIDR()), truckNorm, 0.1, 1.25, 28.5, 0);
    line(vx::oid::recordNumber(editor->OIDR()), generatorNorm, 0.2, 2.5, 0, 1.5);
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
    const char* cases[][3] = {
        {"GetTransportTripRoutes", "ignored", "1 rows"}, {"GetTransportTripFuelTanks", "", "2 rows"},
        {"AutoNumberSettings", "ignored", "0 rows"},     {"CheckNumber", "'KL-1',0", "1 rows"},
        {"LastTrip", "'7", "failed"},                    {"TripFuelRest", "1,2", "failed"},
        {"NoSuchList", "", "failed"},                    {"recalculate", "", "failed"},
    };
    for (const auto& [name, param, expected] : cases)
        EXPECT_EQ(outcome(editor->Properties(QLatin1String(name), QLatin1String(param))), expected) << name;
    EXPECT_TRUE(editor->Properties(QStringLiteral("NoSuchList"), QString()).Message.contains(QStringLiteral("NoSuchList")));
    EXPECT_TRUE(messages.messages.isEmpty()) << "the editor shows no messages of its own";
}

// Malformed Params, and a method whose module handler is missing, fail naming
// the method; methods the editor does not know do nothing at all.
TEST_F(BoTripSheetEditor, MethodsThatCannotRunFailNamingThemAndUnknownOnesDoNothing)
{
    std::shared_ptr<UIO4000100> editor = savedNewSheet();
    const vx::RecordsetPtr row = editor->RsFields();
    row->acceptChanges();
    const struct { const char *name, *params; bool unhandled; /* the module's handler is taken away for the call */ } cases[] = {
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
    for (const auto& c : cases) {
        const QString method = QString::fromLatin1(c.name);
        const trips::SheetMethod installed = c.unhandled ? trips::setSheetMethod(method, {}) : trips::SheetMethod();
        const vx::CallResult result = editor->Methods(method, QString::fromLatin1(c.params));
        if (c.unhandled) {
            trips::setSheetMethod(method, installed);
            EXPECT_TRUE(bool(installed)) << c.name << ": the module answers it";
        }
        EXPECT_EQ(outcome(result), "failed") << c.name << " " << c.params << ": never a silent success";
        EXPECT_TRUE(result.Message.contains(method)) << result.Message.toStdString();
    }
    for (const char* name : {"print", "Spausdinti", "", "ReCalculate", "LastTrip"})
        EXPECT_EQ(outcome(editor->Methods(QString::fromLatin1(name), QStringLiteral("'unclosed"))), "nothing") << name;
    EXPECT_FALSE(row->isRowModified(0)) << "the sheet is left alone";
}

} // namespace
