// The host's dialogs on a real store: the object selector and its kinds, the
// view period, the modal card for a new record and the choice of one row of a
// query; the filter dialog is the list pane's test. Each dialog is played
// through the shell's dialog runner, so nothing waits in an event loop.

#include "platform/bo/session_store.h"
#include "platform/contract/host_factory.h"
#include "platform/contract/object_id.h"
#include "platform/shell/catalogue_controller.h"
#include "platform/shell/group_select_dialog.h"
#include "platform/shell/host_dialog_functions.h"
#include "platform/shell/lithuanian_qt_texts.h"
#include "platform/shell/object_card_dialog.h"
#include "platform/shell/object_list_model.h"
#include "platform/shell/object_selector_dialog.h"
#include "platform/shell/period_dialog.h"
#include "platform/shell/reference_chooser.h"
#include "tests/support/host_fixture.h"
#include "tests/support/scripted_dialogs.h"

#include <QAbstractItemModelTester>
#include <QDateEdit>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

namespace {

template <class Dialog>
Dialog& as(QDialog& dialog)
{
    auto* typed = qobject_cast<Dialog*>(&dialog);
    if (!typed)
        throw std::runtime_error("another dialog than expected");
    return *typed;
}

class ShellDialogs : public HostFixture {
protected:
    // Every test has a vehicle group with one vehicle in it and one vehicle at the top.
    void prepare() override
    {
        shell::addDialogFunctions(*services);
        group = create("O4000400", {{"Name", QStringLiteral("Lengvieji")}, {"GroupFlag", 1}});
        skoda = create("O4000400", {{"Name", QStringLiteral("Škoda Octavia")}, {"Code", QStringLiteral("ŽUV 001")},
                                    {"ParentID", vx::oid::recordNumber(group)}});
        audi = create("O4000400", {{"Name", QStringLiteral("Audi A6")}, {"Code", QStringLiteral("ABC 123")}});
    }

    vx::CallResult callFunction(const QString& name, const QString& param = QString())
    {
        return services->Objects().CallFunction(name, param);
    }

    std::unique_ptr<vx::VxObjectSelector> selector(const QString& type, const QString& kind)
    {
        auto made = factory->createObjectSelector();
        made->setObjectType(type);
        made->setKind(kind);
        made->setCaption(QStringLiteral("Pasirinkite"));
        return made;
    }

    // The display texts of every row the selector's tree shows, depth first.
    static QStringList shownRows(const QTreeView& tree) { return rowTexts(*tree.model(), true); }

    QString group, skoda, audi;
};

TEST_F(ShellDialogs, TheSelectorReportsKeyAndCaptionOfAChoosableRowOnly)
{
    struct Case { const char* kind; QString refused, chosen, caption; };
    const QList<Case> cases = {
        {"Car", group, skoda, QStringLiteral("Škoda Octavia ŽUV 001")},
        {"Group", audi, group, QStringLiteral("Lengvieji")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        testhost::ScriptedDialogs dialogs;
        dialogs.play([&](QDialog& dialog) {
            auto& selector = as<shell::ObjectSelectorDialog>(dialog);
            EXPECT_EQ(selector.windowTitle(), QStringLiteral("Pasirinkite"));
            auto* ok = selector.findChild<QPushButton*>(QStringLiteral("cmdOK"));
            ASSERT_TRUE(selector.setCurrentKey(c.refused));
            EXPECT_FALSE(ok->isEnabled());
            selector.accept();
            EXPECT_NE(selector.result(), QDialog::Accepted) << "closed on a row of the wrong kind";
            ASSERT_TRUE(selector.setCurrentKey(c.chosen));
            EXPECT_TRUE(ok->isEnabled());
            selector.accept();
        });
        auto chooser = selector(QStringLiteral("O4000400"), QString::fromLatin1(c.kind));
        ASSERT_TRUE(chooser->showModal(nullptr));
        EXPECT_EQ(chooser->selectedKey(), c.chosen);
        EXPECT_EQ(chooser->selectedCaption(), c.caption);
    }
}

TEST_F(ShellDialogs, TheSelectorIsUsedByKeyboard)
{
    testhost::ScriptedDialogs dialogs;
    dialogs.play([&](QDialog& dialog) {
        auto& selector = as<shell::ObjectSelectorDialog>(dialog);
        selector.show();
        QTest::keyClicks(selector.searchBox(), QStringLiteral("abc"));
        QTest::keyClick(selector.tree(), Qt::Key_Return);
        selector.hide();
    });
    dialogs.play([&](QDialog& dialog) {
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape); // cancels
        dialog.hide();
    });
    for (const QString& chosen : {audi, QString()}) {
        auto chooser = selector(QStringLiteral("O4000400"), QStringLiteral("Car"));
        ASSERT_EQ(chooser->showModal(nullptr), !chosen.isEmpty());
        if (!chosen.isEmpty()) {
            EXPECT_EQ(chooser->selectedKey(), chosen);
        }
    }
}

// Searches fold case, the marks of letters and dashes; matching records stay in
// their groups and the first one found is the current one. The value a field
// holds is the current row when the selector opens, inside its group too.
TEST_F(ShellDialogs, SearchNarrowsAndFoldsLettersAndDashesAndTheHeldValueStartsCurrent)
{
    const QString volvo = create("O4000400", {{"Name", QStringLiteral("Volvo – Šiauliai")}, {"Code", QStringLiteral("ŽIL 777")}});
    const QList<QPair<QString, QString>> searches = {
        {QStringLiteral("skoda"), skoda}, {QStringLiteral("zuv"), skoda},  {QStringLiteral("SIAULIAI"), volvo},
        {QStringLiteral("zil"), volvo},   {QStringLiteral("o - s"), volvo}, {QStringLiteral("Audi"), audi}};
    testhost::ScriptedDialogs dialogs;
    for (const auto& [text, found] : searches) {
        dialogs.play([&, text = text, found = found](QDialog& dialog) {
            auto& selector = as<shell::ObjectSelectorDialog>(dialog);
            selector.searchBox()->setText(text);
            EXPECT_EQ(selector.tree()->currentIndex().data(shell::ObjectListModel::KeyRole).toString(), found) << text.toStdString();
            const QStringList shown = shownRows(*selector.tree());
            if (found == skoda) {
                EXPECT_EQ(shown, (QStringList{QStringLiteral("Lengvieji"), QStringLiteral("Škoda Octavia ŽUV 001")}));
            } else {
                EXPECT_EQ(shown.size(), 1) << text.toStdString();
            }
            dialog.reject();
        });
        selector(QStringLiteral("O4000400"), QStringLiteral("Car"))->showModal(nullptr);
    }
    for (const QString& held : {skoda, audi}) {
        dialogs.play([&](QDialog& dialog) {
            auto* tree = as<shell::ObjectSelectorDialog>(dialog).tree();
            EXPECT_EQ(tree->currentIndex().data(shell::ObjectListModel::KeyRole).toString(), held);
            if (held == skoda) {
                EXPECT_TRUE(tree->isExpanded(tree->currentIndex().parent()));
            }
            dialog.accept();
        });
        auto chooser = selector(QStringLiteral("O4000400"), QStringLiteral("Car"));
        chooser->setCurrentValue(held);
        ASSERT_TRUE(chooser->showModal(nullptr));
        EXPECT_EQ(chooser->selectedKey(), held);
    }
}

// Qt's own dialogs speak Lithuanian: standard buttons and calendar month names.
TEST(LithuanianQtTexts, StandardButtonsAndCalendarsAreLithuanian)
{
    shell::useLithuanianQtTexts(*QCoreApplication::instance());
    QMessageBox box(QMessageBox::Question, QStringLiteral("Kelmira"), QStringLiteral("Įrašyti?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel);
    QStringList texts;
    for (const auto button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok, QMessageBox::Cancel})
        texts << box.button(button)->text().remove(QLatin1Char('&'));
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Taip"), QStringLiteral("Ne"), QStringLiteral("Gerai"), QStringLiteral("Atšaukti")}));

    QDateEdit edit(QDate(2026, 11, 16));
    edit.setCalendarPopup(true);
    auto* month = edit.calendarWidget()->findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"));
    ASSERT_TRUE(month);
    EXPECT_EQ(month->text(), QStringLiteral("lapkritis"));
}

TEST_F(ShellDialogs, TheSelectorsFilterListsGroupsAndRecordsOfItsKindsOnly)
{
    const struct {
        const char* filter;
        int rows;
    } cases[] = {{"'Car'", 3}, {"'Tyre','C'", 1}, {"", 3}, {"'Car", 3}}; // not an argument text: no filter
    for (const auto& c : cases) {
        SCOPED_TRACE(c.filter);
        testhost::ScriptedDialogs dialogs;
        dialogs.play([&](QDialog& dialog) {
            EXPECT_EQ(shownRows(*as<shell::ObjectSelectorDialog>(dialog).tree()).size(), c.rows);
        });
        auto chooser = selector(QStringLiteral("O4000400"), QStringLiteral("Group"));
        chooser->setFilter(QString::fromLatin1(c.filter));
        chooser->showModal(nullptr);
        EXPECT_EQ(dialogs.shown.size(), 1);
    }
}

TEST_F(ShellDialogs, UserDOffersOnlyEmployeesMarkedAsDrivers)
{
    const QString driver = create("O0001401", {{"Name", QStringLiteral("Jonas")}, {"LastName", QStringLiteral("Jonaitis")},
                                               {"DriverFlag", 1}});
    const QString clerk = create("O0001401", {{"Name", QStringLiteral("Petras")}, {"LastName", QStringLiteral("Petraitis")},
                                              {"DriverFlag", 0}});
    for (const QString& kind : {QStringLiteral("C,UserD"), QStringLiteral("C")}) {
        SCOPED_TRACE(kind.toStdString());
        const bool driversOnly = kind.contains(QLatin1String("UserD"));
        testhost::ScriptedDialogs dialogs;
        dialogs.play([&](QDialog& dialog) {
            auto& selector = as<shell::ObjectSelectorDialog>(dialog);
            const QStringList rows = shownRows(*selector.tree());
            EXPECT_TRUE(rows.contains(QStringLiteral("Jonas Jonaitis")));
            EXPECT_EQ(rows.contains(QStringLiteral("Petras Petraitis")), !driversOnly);
            EXPECT_EQ(selector.setCurrentKey(clerk), !driversOnly);
            ASSERT_TRUE(selector.setCurrentKey(driver));
            selector.accept();
        });
        auto chooser = selector(QStringLiteral("O0001401"), kind);
        ASSERT_TRUE(chooser->showModal(nullptr));
        EXPECT_EQ(chooser->selectedKey(), driver);
    }
}

// The dates and days a user chooses, as stored, are ShellScript's test.
TEST_F(ShellDialogs, TheChosenPeriodIsNamedAndReadBackAndCancelKeepsIt)
{
    testhost::ScriptedDialogs dialogs;
    dialogs.play([](QDialog& dialog) {
        auto& period = as<shell::PeriodDialog>(dialog);
        period.usePeriodButton()->setChecked(true);
        period.fromEdit()->setDate(QDate(2026, 11, 1));
        period.toEdit()->setDate(QDate(2026, 11, 30));
        period.accept();
    });
    const vx::CallResult chosen = callFunction(QStringLiteral("GetNewPeriod"));
    ASSERT_EQ(chosen.Code, 0) << chosen.Message.toStdString();
    const auto period = chosen.Value.value<vx::PeriodRecord>();
    EXPECT_EQ(period.Caption, QStringLiteral("2026.11.01 – 2026.11.30"));
    EXPECT_EQ(callFunction(QStringLiteral("GetOldPeriod")).Value.value<vx::PeriodRecord>(), period);

    dialogs.play([](QDialog& dialog) {
        auto& days = as<shell::PeriodDialog>(dialog);
        EXPECT_TRUE(days.usePeriodButton()->isChecked()) << "opens on the stored period";
        days.daysBackButton()->setChecked(true);
        days.daysBackEdit()->setValue(14);
        days.accept();
    });
    const auto back = callFunction(QStringLiteral("GetNewPeriod")).Value.value<vx::PeriodRecord>();
    EXPECT_EQ(back.Caption, QStringLiteral("Paskutinės 14 d."));

    dialogs.play([](QDialog& dialog) {
        as<shell::PeriodDialog>(dialog).daysBackEdit()->setValue(99);
        dialog.reject();
    });
    const vx::CallResult cancelled = callFunction(QStringLiteral("GetNewPeriod"));
    EXPECT_EQ(cancelled.Code, 0);
    EXPECT_EQ(cancelled.Value.value<vx::PeriodRecord>(), back);
    EXPECT_EQ(services->storedPeriod(), back);
}

TEST_F(ShellDialogs, TheModalCardSavesANewRecordAndReturnsItsIdAndName)
{
    const QString diesel = create("O4000602", {{"Name", QStringLiteral("Dyzelinas")}});
    testhost::ScriptedDialogs dialogs;
    dialogs.play([&](QDialog& dialog) {
        auto& card = as<shell::ObjectCardDialog>(dialog);
        qobject_cast<QLineEdit*>(card.fieldEditor(QStringLiteral("Name")))->setText(QStringLiteral("Vasaros norma"));
        qobject_cast<QLineEdit*>(card.fieldEditor(QStringLiteral("Value")))->setText(QStringLiteral("7,5"));
        auto* perHour = qobject_cast<QLineEdit*>(card.fieldEditor(QStringLiteral("DurationValue")));
        perHour->setText(QStringLiteral("daug"));
        card.accept();
        EXPECT_NE(card.result(), QDialog::Accepted) << "saved a number field holding text";
        EXPECT_FALSE(card.errorText().isEmpty());
        perHour->setText(QStringLiteral("1,2"));
        auto* fuelType = qobject_cast<shell::ReferenceChooser*>(card.fieldEditor(QStringLiteral("TransportFuelTypeID")));
        ASSERT_TRUE(fuelType);
        fuelType->choose(); // the selector is played next
        EXPECT_EQ(fuelType->text(), QStringLiteral("Dyzelinas"));
        card.accept();
    });
    dialogs.play([&](QDialog& dialog) {
        ASSERT_TRUE(as<shell::ObjectSelectorDialog>(dialog).setCurrentKey(diesel));
        dialog.accept();
    });
    const vx::CallResult saved = callFunction(QStringLiteral("ShowVxObjectModal"), QStringLiteral("O4000603"));
    ASSERT_EQ(saved.Code, 0) << saved.Message.toStdString();
    EXPECT_EQ(dialogs.shown, (QStringList{QStringLiteral("frmObjectCard"), QStringLiteral("frmObjectSelector")}));
    const auto rs = saved.Value.value<vx::RecordsetPtr>();
    ASSERT_TRUE(rs && rs->RecordCount() == 1);
    EXPECT_EQ(rs->value(QStringLiteral("Preview")).toString(), QStringLiteral("Vasaros norma"));
    const QString oidr = rs->value(QStringLiteral("OIDR")).toString();
    ASSERT_TRUE(vx::oid::isOfType(oidr, QStringLiteral("O4000603")) && vx::oid::hasRecord(oidr)) << oidr.toStdString();

    vx::VxObjectUIOPtr stored = services->Objects().GetVxObject(oidr);
    ASSERT_TRUE(stored);
    EXPECT_EQ(rowText(stored->Fields().recordset(), {"Value", "DurationValue", "TransportFuelTypeID"}),
              QStringLiteral("7.5|1.2|%1").arg(vx::oid::recordNumber(diesel)));

    const vx::CallResult cancelled = callFunction(QStringLiteral("ShowVxObjectModal"), QStringLiteral("O4000603"));
    EXPECT_EQ(cancelled.Code, 0);
    EXPECT_FALSE(cancelled.Value.value<vx::RecordsetPtr>());
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM ref_fuel_norm")).toInt(), 1);
}

// The row chosen and a cancelled choice are ShellScript's test (pickrow).
TEST_F(ShellDialogs, GroupSelectShowsTheQueryRowsAndAFailingQueryNoDialog)
{
    const QString param = normChoice(carWithTwoNorms());
    testhost::ScriptedDialogs dialogs;
    dialogs.play([](QDialog& dialog) {
        auto& select = as<shell::GroupSelectDialog>(dialog);
        QAbstractItemModel* model = select.list()->model();
        QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::Fatal);
        EXPECT_EQ(select.windowTitle(), QStringLiteral("Pasirinkitė kuro normą"));
        ASSERT_EQ(model->rowCount(), 2);
        EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Kuro norma"));
        EXPECT_EQ(model->index(1, 1).data().toString(), QStringLiteral("9,5"));
        select.setCurrentRow(1);
        select.accept();
    });
    EXPECT_EQ(callFunction(QStringLiteral("VxGroupSelect"), param).Code, 0);
    dialogs.shown.clear();
    const vx::CallResult failed =
        callFunction(QStringLiteral("VxGroupSelect"), QStringLiteral("DO4000100_GetTripCarFuelNorms('O40006011');;Norma"));
    EXPECT_NE(failed.Code, 0);
    EXPECT_FALSE(failed.Message.isEmpty());
    EXPECT_NE(callFunction(QStringLiteral("VxGroupSelect"), QStringLiteral("Neužbaigta('x';;Norma")).Code, 0);
    EXPECT_TRUE(dialogs.shown.isEmpty()) << "no dialog for a failing query";
}

TEST(ShellGroupSelectRequest, TheTitleStartsAtTheFirstSeparatorOutsideQuotes)
{
    const shell::GroupSelectRequest request = shell::readGroupSelectRequest(QStringLiteral("Q('a;;b',2);;Normos (visos)"));
    ASSERT_TRUE(request.ok);
    EXPECT_EQ(QStringList({request.query, request.param, request.title}),
              QStringList({QStringLiteral("Q"), QStringLiteral("'a;;b',2"), QStringLiteral("Normos (visos)")}));
    const shell::GroupSelectRequest bare = shell::readGroupSelectRequest(QStringLiteral("Q"));
    EXPECT_TRUE(bare.ok && bare.param.isEmpty() && bare.title.isEmpty());
    EXPECT_FALSE(shell::readGroupSelectRequest(QStringLiteral(";;Pavadinimas")).ok);
}

// The host's catalogue controller: what the module's catalogue list hands on
// for items and groups other than route segments.
TEST_F(ShellDialogs, CatalogueMenusFollowTheRowAndNewItemsAndGroupsAreSavedThroughTheCard)
{
    shell::CatalogueController catalogue(sessionPtr());
    EXPECT_EQ(menuKeys(catalogue.GetMenu(QStringLiteral("O4000604"), QStringLiteral("CT"), QString())),
              (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_TRUE(catalogue.GetMenu(QStringLiteral("O4000600"), QString(), QString()).isEmpty());

    testhost::ScriptedDialogs dialogs;
    for (const QString& typed : {QStringLiteral("Dyzelinas"), QStringLiteral("Benzinas")})
        dialogs.play([typed](QDialog& dialog) {
            qobject_cast<QLineEdit*>(as<shell::ObjectCardDialog>(dialog).fieldEditor(QStringLiteral("Name")))->setText(typed);
            dialog.accept();
        });
    EXPECT_EQ(catalogue.ClickMenu(QStringLiteral("O4000604"), QStringLiteral("CT"), QStringLiteral("2"), QString()).Action,
              vx::ActionReloadList);
    const qint64 group = scalar(QStringLiteral("SELECT \"ID\" FROM ref_fuel_tank_type WHERE \"GroupFlag\" = 1")).toLongLong();
    ASSERT_GT(group, 0);
    const QString groupId = vx::oid::make(QStringLiteral("O4000604"), group);
    EXPECT_EQ(menuKeys(catalogue.GetMenu(groupId, QStringLiteral("Group"), groupId)),
              (QStringList{QStringLiteral("0"), QStringLiteral("100"), QStringLiteral("1"), QStringLiteral("2"),
                           QStringLiteral("100"), QStringLiteral("4")}));

    EXPECT_EQ(catalogue.ClickMenu(groupId, QStringLiteral("Group"), QStringLiteral("1"), groupId).Action,
              vx::ActionReloadList);
    const bo::Rows item = bo::storeOf(session()).query(
        QStringLiteral("SELECT \"ID\", \"ParentID\", \"OType\" FROM ref_fuel_tank_type WHERE \"Name\" = ?"), {QStringLiteral("Benzinas")});
    ASSERT_EQ(item.size(), 1);
    EXPECT_EQ(item.values.first().at(1).toLongLong(), group) << "the new item goes into the clicked group";
    EXPECT_EQ(item.values.first().at(2).toString(), QStringLiteral("O4000604"));

    // A group with members stays; the item goes after the question.
    testhost::ScriptedMessages asked;
    asked.answer(QMessageBox::Ok);
    asked.answer(QMessageBox::Ok);
    EXPECT_EQ(catalogue.ClickMenu(groupId, QStringLiteral("Group"), QStringLiteral("4"), groupId).Action, vx::ActionNothing);
    const QString itemId = vx::oid::make(QStringLiteral("O4000604"), item.values.first().at(0).toLongLong());
    EXPECT_EQ(catalogue.ClickMenu(itemId, QStringLiteral("O4000604"), QStringLiteral("4"), itemId).Action,
              vx::ActionDeleted);
    ASSERT_EQ(asked.messages.size(), 2);
    EXPECT_EQ(asked.messages.first().text, QStringLiteral("Ar tikrai norite panaikinti?"));
}

} // namespace
