// The driver and document editors: what they show for a new or a saved
// record, the chosen employee or document kind they need before saving, the
// order of their dates and what they store for an open end.

#include "tests/vehicles/vehicle_fleet.h"

#include "vehicles/dialogs/document_dialog.h"
#include "vehicles/dialogs/driver_dialog.h"

#include <QTest>

#include <functional>
#include <vector>

namespace {

using vehicles::VehicleRecordDialog;
using vehicles::VehicleRecordRequest;

// One of the two editors and what is particular to it.
struct Editor {
    const char* name;
    std::function<std::unique_ptr<VehicleRecordDialog>(const VehicleRecordRequest&)> make;
    const char *newOidr, *nameBox, *button, *referenceType, *selectorCaption, *kind, *referenceField;
    bool endStoredAsFarDate;
    std::vector<std::pair<const char*, const char*>> texts; // text box and field
};

template <typename Dialog>
std::unique_ptr<VehicleRecordDialog> make(const VehicleRecordRequest& request)
{
    return std::make_unique<Dialog>(request);
}

const Editor editors[] = {
    {"driver", make<vehicles::frmTransportCarDriver>, "O4001000", "txtDriver", "cmdDrivers", "O0001401",
     "Pasirinkite vairuotoją", "C", "UserID", false, {{"txtOrder", "Order"}}},
    {"document", make<vehicles::frmTransportCarDocument>, "O4001100", "txtDocName", "cmdDocTypes", "O4000609",
     "Pasirinkite dokumento tipą", "T", "DocTypeID", true,
     {{"txtDocShape", "DocShape"}, {"txtDocNumber", "DocNumber"}, {"txtDocDescription", "DocDescription"}}},
};

class VehicleRecordDialogTest : public VehicleFleet {
protected:
    VehicleRecordRequest request(const Editor& e, qint64 referenced = 0, const QString& oidr = QString()) const
    {
        return {QStringLiteral("Volvo FH KLM 001"), car, referenced, oidr.isEmpty() ? QString::fromLatin1(e.newOidr) : oidr};
    }
    std::unique_ptr<VehicleRecordDialog> open(const Editor& e, const VehicleRecordRequest& r)
    {
        auto dialog = e.make(r);
        EXPECT_TRUE(dialog->load());
        dialog->show();
        return dialog;
    }
    qint64 referenced(const Editor& e) const { return e.endStoredAsFarDate ? inspection : driver; }
    static QDate farDate() { return QDate(2999, 12, 31); }

    template <typename Control>
    static Control* child(const QWidget& dialog, const char* name)
    {
        auto* control = dialog.findChild<Control*>(QString::fromLatin1(name));
        EXPECT_TRUE(control) << name;
        return control;
    }
};

TEST_F(VehicleRecordDialogTest, NewRecordShowsItsVehicleAndCannotBeSavedUntilItsObjectIsChosen)
{
    for (const Editor& e : editors) {
        SCOPED_TRACE(e.name);
        auto dialog = open(e, request(e));
        EXPECT_EQ(dialog->txtCarPreview->text(), QStringLiteral("Volvo FH KLM 001"));
        EXPECT_EQ(dialog->dtpDateFrom->date(), today);
        EXPECT_FALSE(dialog->chkDateTo->isChecked() || dialog->dtpDateTo->isVisible() || dialog->writeButton()->isEnabled());
        EXPECT_EQ(dialog->dtpDateTo->date(), e.endStoredAsFarDate ? farDate() : today);

        selectorPicksRecord(e.referenceType, referenced(e));
        child<QPushButton>(*dialog, e.button)->click();
        EXPECT_EQ(factory->selectors.script->setup.join(u'|'), QStringLiteral("ObjectType=%1|Kind=%2|Caption=%3")
                      .arg(QLatin1String(e.referenceType), QLatin1String(e.kind), QString::fromUtf8(e.selectorCaption)));
        auto* box = child<ChoiceField>(*dialog, e.nameBox);
        EXPECT_EQ(box->objectId(), vx::oid::make(QString::fromLatin1(e.referenceType), referenced(e)));
        EXPECT_TRUE(!box->text().isEmpty() && dialog->writeButton()->isEnabled());

        dialog->chkDateTo->click();
        EXPECT_TRUE(dialog->dtpDateTo->isVisible());
    }
}

TEST_F(VehicleRecordDialogTest, TheCallersObjectIsShownAndOneThatIsGoneLeavesSavingOff)
{
    for (const Editor& e : editors) {
        const struct { qint64 number; bool shown; } cases[] = {{referenced(e), true}, {0, false}, {987654, false}};
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(e.name) + " " + std::to_string(c.number));
            auto dialog = open(e, request(e, c.number));
            auto* box = child<ChoiceField>(*dialog, e.nameBox);
            EXPECT_TRUE(box->text().isEmpty() != c.shown && dialog->writeButton()->isEnabled() == c.shown);
        }
    }
}

TEST_F(VehicleRecordDialogTest, TheEndNeverGoesBeforeTheStartTickedOrNot)
{
    const QDate later = today.addDays(5), earlier = today.addDays(-3);
    // The start or else the end is moved to a date; where both dates end up.
    const struct { bool ticked, moveStart; QDate to, start, end; } cases[] = {
        {false, true, later, later, later},    // hidden end follows the start
        {true, true, later, later, later},
        {true, true, earlier, earlier, today}, // an earlier start leaves the end
        {true, false, earlier, today, today},  // an end before the start takes the start
        {false, false, earlier, today, today},
        {true, false, later, today, later},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ticked << c.moveStart << c.to.toString().toStdString());
        auto dialog = open(editors[0], request(editors[0], driver));
        dialog->chkDateTo->setChecked(c.ticked);
        (c.moveStart ? dialog->dtpDateFrom : dialog->dtpDateTo)->setDate(c.to);
        EXPECT_EQ(dialog->dtpDateFrom->date(), c.start);
        EXPECT_EQ(dialog->dtpDateTo->date(), c.end);
    }
}

// An end ticked, stored and shown again is new_vehicle.script's.
TEST_F(VehicleRecordDialogTest, SavedRecordStoresItsOpenEndAndReopensAsSaved)
{
    const QDate from(2026, 10, 1);
    for (const Editor& e : editors) {
        SCOPED_TRACE(e.name);
        auto dialog = open(e, request(e, referenced(e)));
        dialog->dtpDateFrom->setDate(from);
        dialog->dtpDateTo->setDate(QDate(2026, 12, 31)); // not ticked: no end
        for (const auto& [box, field] : e.texts)
            typeKeys(child<QLineEdit>(*dialog, box), QStringLiteral("Nr. 7-ą ") + QLatin1String(field));
        dialog->writeButton()->click();
        ASSERT_FALSE(dialog->result().cancelled);
        const QString saved = dialog->result().savedOidr;
        EXPECT_TRUE(saved.startsWith(QString::fromLatin1(e.newOidr)));

        const QDate end = e.endStoredAsFarDate ? farDate() : QDate();
        EXPECT_EQ(storedField(saved, "DateTo").toDate(), end);
        EXPECT_EQ(storedField(saved, "DateTo").isNull(), end.isNull());
        EXPECT_EQ(storedField(saved, "TransportID").toLongLong(), car);
        EXPECT_EQ(storedField(saved, e.referenceField).toLongLong(), referenced(e));
        EXPECT_EQ(storedField(saved, "DateFrom").toDate(), from);
        for (const auto& [box, field] : e.texts)
            EXPECT_EQ(storedField(saved, field).toString(), QStringLiteral("Nr. 7-ą ") + QLatin1String(field));

        // A far end is an end like any other once stored: the box is ticked.
        auto reopened = open(e, request(e, referenced(e), saved));
        EXPECT_EQ(reopened->chkDateTo->isChecked(), e.endStoredAsFarDate);
        EXPECT_EQ(reopened->dtpDateTo->date(), e.endStoredAsFarDate ? farDate() : today);
        EXPECT_EQ(reopened->dtpDateFrom->date(), from);
        for (const auto& [box, field] : e.texts)
            EXPECT_EQ(child<QLineEdit>(*reopened, box)->text(), QStringLiteral("Nr. 7-ą ") + QLatin1String(field));
    }
}

TEST_F(VehicleRecordDialogTest, DocumentStoredWithoutAnEndShowsTheFarDateUnticked)
{
    const QString saved = create(QStringLiteral("O4001100"), fields({{"TransportID", car}, {"DocTypeID", inspection}}));
    auto dialog = open(editors[1], request(editors[1], inspection, saved));
    EXPECT_TRUE(!dialog->chkDateTo->isChecked() && dialog->dtpDateTo->date() == farDate());
    EXPECT_EQ(dialog->dtpDateFrom->date(), today) << "no date of issue: today";
}

TEST_F(VehicleRecordDialogTest, RefusedSaveShowsTheReasonWithoutIconAndKeepsTheEditorOpen)
{
    for (const Editor& e : editors) {
        SCOPED_TRACE(e.name);
        messages.messages.clear();
        auto r = request(e, referenced(e));
        r.vehicleId = 987654; // no such vehicle
        auto dialog = open(e, r);
        dialog->writeButton()->click();
        ASSERT_EQ(messages.messages.size(), 1);
        const testhost::RecordedMessage& shown = messages.messages.first();
        EXPECT_TRUE(shown.text.endsWith(QStringLiteral("\r\nĮrašymas neatliktas!")) && !shown.text.startsWith(u'\r'));
        EXPECT_EQ(shown.icon, QMessageBox::NoIcon);
        EXPECT_EQ(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_EQ(shown.title, productName());
        EXPECT_TRUE(dialog->result().cancelled && dialog->isVisible());
    }
}

TEST_F(VehicleRecordDialogTest, OpenerReadsBackWhetherTheEditorSaved)
{
    testhost::ScriptedDialogs dialogs;
    dialogs.answer([](QDialog& shown) {
        static_cast<VehicleRecordDialog&>(shown).writeButton()->click();
        return shown.result();
    });
    dialogs.answer([](QDialog& shown) {
        static_cast<VehicleRecordDialog&>(shown).writeButton()->click();
        shown.show();
        QTest::keyClick(&shown, Qt::Key_Escape);
        EXPECT_FALSE(shown.isVisible()) << "Escape cancels";
        return shown.result();
    });
    const auto saved = vehicles::editDriver(nullptr, request(editors[0], driver));
    EXPECT_FALSE(saved.cancelled);
    EXPECT_EQ(storedField(saved.savedOidr, "UserID").toLongLong(), driver);
    const auto refused = vehicles::editDocument(nullptr, request(editors[1], 0));
    EXPECT_TRUE(refused.cancelled) << "no document kind: nothing saved, then Escape";
    const auto missing = vehicles::editDriver(nullptr, request(editors[0], driver, QStringLiteral("O4001000999")));
    EXPECT_TRUE(missing.cancelled);
    EXPECT_EQ(dialogs.shown, (QStringList{QStringLiteral("frmTransportCarDriver"),
                                          QStringLiteral("frmTransportCarDocument")}));
}

} // namespace
