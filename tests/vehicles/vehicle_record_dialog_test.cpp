// The driver and document editors: what they show for a new or a saved
// record, the chosen employee or document kind they need before saving, the
// order of their dates and what they store for an open end.

#include "tests/vehicles/vehicle_fleet.h"

#include "vehicles/dialogs/document_dialog.h"
#include "vehicles/dialogs/driver_dialog.h"

#include <functional>

namespace {

using vehicles::VehicleRecordDialog;
using vehicles::VehicleRecordRequest;

// One of the two editors and what is particular to it.
struct Editor {
    const char* name;
    std::function<std::unique_ptr<VehicleRecordDialog>(const VehicleRecordRequest&)> make;
    const char *newOidr, *nameBox, *button, *referenceType, *selectorCaption, *kind, *referenceField;
    bool endStoredAsFarDate;
    const char* texts; // its text boxes, and their fields without "txt"
};

template <typename Dialog>
std::unique_ptr<VehicleRecordDialog> make(const VehicleRecordRequest& request)
{
    return std::make_unique<Dialog>(request);
}

const Editor editors[] = {
    {"driver", make<vehicles::frmTransportCarDriver>, "O4001000", "txtDriver", "cmdDrivers", "O0001401",
     "Pasirinkite vairuotoją", "C", "UserID", false, "txtOrder"},
    {"document", make<vehicles::frmTransportCarDocument>, "O4001100", "txtDocName", "cmdDocTypes", "O4000609",
     "Pasirinkite dokumento tipą", "T", "DocTypeID", true, "txtDocShape txtDocNumber txtDocDescription"},
};

class VehicleRecordDialogTest : public VehicleFleet {
protected:
    std::unique_ptr<VehicleRecordDialog> open(const Editor& e, qint64 referenced = 0, const QString& oidr = {}, qint64 vehicle = 0)
    {
        VehicleRecordRequest r = request(e, referenced, oidr);
        r.vehicleId = vehicle ? vehicle : car;
        auto dialog = e.make(r);
        EXPECT_TRUE(dialog->load());
        dialog->show();
        return dialog;
    }
    VehicleRecordRequest request(const Editor& e, qint64 referenced = 0, const QString& oidr = {}) const
    {
        return {QStringLiteral("Volvo FH KLM 001"), car, referenced, oidr.isEmpty() ? QString::fromLatin1(e.newOidr) : oidr};
    }
    qint64 referenced(const Editor& e) const { return e.endStoredAsFarDate ? inspection : driver; }
};

TEST_F(VehicleRecordDialogTest, NewRecordShowsItsVehicleAndCannotBeSavedUntilItsObjectIsChosen)
{
    for (const Editor& e : editors) {
        SCOPED_TRACE(e.name);
        auto dialog = open(e);
        EXPECT_EQ(shown(dialog.get(), "txtCarPreview dtpDateFrom dtpDateTo chkDateTo.checked dtpDateTo.visible cmdWrite.enabled"),
                  std::string("Volvo FH KLM 001|2026.11.16|") + (e.endStoredAsFarDate ? "2999.12.31" : "2026.11.16")
                      + "|False|False|False");
        selectorPicksRecord(e.referenceType, referenced(e));
        dialog->findChild<QPushButton*>(QLatin1String(e.button))->click();
        EXPECT_EQ(factory->selectors.script->setup.join(u'|'), QStringLiteral("ObjectType=%1|Kind=%2|Caption=%3")
                      .arg(QLatin1String(e.referenceType), QLatin1String(e.kind), QString::fromUtf8(e.selectorCaption)));
        auto* box = dialog->findChild<ChoiceField*>(QLatin1String(e.nameBox));
        EXPECT_EQ(box->objectId(), vx::oid::make(QString::fromLatin1(e.referenceType), referenced(e)));
        EXPECT_TRUE(!box->text().isEmpty() && dialog->writeButton()->isEnabled());
        dialog->chkDateTo->click();
        EXPECT_TRUE(dialog->dtpDateTo->isVisible());
    }
}

TEST_F(VehicleRecordDialogTest, TheCallersObjectIsShownAndOneThatIsGoneLeavesSavingOff)
{
    for (const Editor& e : editors)
        for (const auto& [number, shownAndSavable] : {std::pair{referenced(e), true}, {0, false}, {987654, false}}) {
            auto dialog = open(e, number);
            const bool named = !dialog->findChild<ChoiceField*>(QLatin1String(e.nameBox))->text().isEmpty();
            EXPECT_TRUE(named == shownAndSavable && dialog->writeButton()->isEnabled() == shownAndSavable) << e.name << number;
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
        auto dialog = open(editors[0], driver);
        dialog->chkDateTo->setChecked(c.ticked);
        (c.moveStart ? dialog->dtpDateFrom : dialog->dtpDateTo)->setDate(c.to);
        EXPECT_EQ(std::pair(dialog->dtpDateFrom->date(), dialog->dtpDateTo->date()), std::pair(c.start, c.end))
            << c.ticked << c.moveStart << c.to.toString().toStdString();
    }
}

// An end ticked, stored and shown again is new_vehicle.script's.
TEST_F(VehicleRecordDialogTest, SavedRecordStoresItsOpenEndAndReopensAsSaved)
{
    for (const Editor& e : editors) {
        SCOPED_TRACE(e.name);
        auto dialog = open(e, referenced(e));
        dialog->dtpDateFrom->setDate(QDate(2026, 10, 1));
        dialog->dtpDateTo->setDate(QDate(2026, 12, 31)); // not ticked: no end
        QStringList typed, fields{QStringLiteral("DateFrom"), QStringLiteral("TransportID"), QLatin1String(e.referenceField)};
        for (const QString& box : QString::fromLatin1(e.texts).split(u' ')) {
            typeKeys(dialog->findChild<QLineEdit*>(box), QStringLiteral("Nr. 7-ą ") + box);
            typed << QStringLiteral("Nr. 7-ą ") + box;
            fields << box.mid(3);
        }
        dialog->writeButton()->click();
        ASSERT_FALSE(dialog->result().cancelled);
        const QString saved = dialog->result().savedOidr;
        EXPECT_TRUE(saved.startsWith(QString::fromLatin1(e.newOidr)));
        QStringList stored;
        for (const QString& field : fields)
            stored << storedField(saved, field.toLatin1().constData()).toString();
        EXPECT_EQ(stored, QStringList({QStringLiteral("2026-10-01"), QString::number(car), QString::number(referenced(e))})
                              + typed);
        EXPECT_EQ(storedField(saved, "DateTo"), e.endStoredAsFarDate ? QVariant(QDate(2999, 12, 31)) : QVariant());

        // A far end is an end like any other once stored: the box is ticked.
        auto reopened = open(e, referenced(e), saved);
        const QStringList again = QStringList{QLatin1String(e.endStoredAsFarDate ? "True|2999.12.31" : "False|2026.11.16"),
                                              QStringLiteral("2026.10.01")} + typed;
        const QByteArray controls = QByteArray("chkDateTo.checked dtpDateTo dtpDateFrom ") + e.texts;
        EXPECT_EQ(shown(reopened.get(), controls.constData()), again.join(u'|').toStdString());
    }
}

TEST_F(VehicleRecordDialogTest, DocumentStoredWithoutAnEndShowsTheFarDateUnticked)
{
    const QString saved = create(QStringLiteral("O4001100"), fields({{"TransportID", car}, {"DocTypeID", inspection}}));
    // No date of issue: today.
    EXPECT_EQ(shown(open(editors[1], inspection, saved).get(), "chkDateTo.checked dtpDateTo dtpDateFrom"),
              "False|2999.12.31|2026.11.16");
}

TEST_F(VehicleRecordDialogTest, RefusedSaveShowsTheReasonWithoutIconAndKeepsTheEditorOpen)
{
    for (const Editor& e : editors) {
        SCOPED_TRACE(e.name);
        messages.messages.clear();
        auto dialog = open(e, referenced(e), {}, 987654); // no such vehicle
        dialog->writeButton()->click();
        ASSERT_EQ(messages.messages.size(), 1);
        const testhost::RecordedMessage& said = messages.messages.first();
        EXPECT_TRUE(said.text.endsWith(QStringLiteral("\r\nĮrašymas neatliktas!")) && !said.text.startsWith(u'\r'));
        EXPECT_TRUE(said.icon == QMessageBox::NoIcon && said.buttons == QMessageBox::Ok && said.title == productName());
        EXPECT_TRUE(dialog->result().cancelled && dialog->isVisible());
    }
}

TEST_F(VehicleRecordDialogTest, OpenerReadsBackWhetherTheEditorSaved)
{
    testhost::ScriptedDialogs dialogs;
    for (const bool escape : {false, true})
        dialogs.answer([escape](QDialog& shown) {
            static_cast<VehicleRecordDialog&>(shown).writeButton()->click();
            if (escape) {
                shown.show();
                QTest::keyClick(&shown, Qt::Key_Escape);
                EXPECT_FALSE(shown.isVisible()) << "Escape cancels";
            }
            return shown.result();
        });
    const auto saved = vehicles::editDriver(nullptr, request(editors[0], driver));
    EXPECT_FALSE(saved.cancelled);
    EXPECT_EQ(storedField(saved.savedOidr, "UserID").toLongLong(), driver);
    EXPECT_TRUE(vehicles::editDocument(nullptr, request(editors[1], 0)).cancelled) << "no document kind: nothing saved, then Escape";
    EXPECT_TRUE(vehicles::editDriver(nullptr, request(editors[0], driver, QStringLiteral("O4001000999"))).cancelled);
    EXPECT_EQ(dialogs.shown, (QStringList{QStringLiteral("frmTransportCarDriver"), QStringLiteral("frmTransportCarDocument")}));
}

} // namespace
