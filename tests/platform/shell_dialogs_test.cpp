// The host's dialogs on a real store: the object selector and its kinds, the
// view period, the modal card for a new record and the choice of one row of a
// query; the filter dialog is the list pane's test. Each dialog is played
// through the shell's dialog runner, so nothing waits in an event loop.

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
        EXPECT_EQ(chooser->selectedKey() + QLatin1Char(' ') + chooser->selectedCaption(), c.chosen + QLatin1Char(' ') + c.caption);
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
    auto chooser = selector(QStringLiteral("O4000400"), QStringLiteral("Car"));
    ASSERT_TRUE(chooser->showModal(nullptr));
    EXPECT_EQ(chooser->selectedKey(), audi);
    EXPECT_FALSE(selector(QStringLiteral("O4000400"), QStringLiteral("Car"))->showModal(nullptr));
}

// Searches fold case, the marks of letters and dashes; matching records stay in
// their groups and the first one found is the current one. The value a field
// holds is the current row when the selector opens, inside its group too.
TEST_F(ShellDialogs, SearchNarrowsAndFoldsLettersAndDashesAndTheHeldValueStartsCurrent)
{
    const QString volvo = create("O4000400", {{"Name", QStringLiteral("Volvo – Šiauliai")}, {"Code", QStringLiteral("ŽIL 777")}});
    // The key of the current row, then the rows shown.
    const QString inGroup = skoda + QStringLiteral(" Lengvieji|Škoda Octavia ŽUV 001"),
                  alone = volvo + QStringLiteral(" Volvo – Šiauliai ŽIL 777"), top = audi + QStringLiteral(" Audi A6 ABC 123");
    const QList<QPair<QString, QString>> searches = {
        {QStringLiteral("skoda"), inGroup}, {QStringLiteral("zuv"), inGroup},  {QStringLiteral("SIAULIAI"), alone},
        {QStringLiteral("zil"), alone},     {QStringLiteral("o - s"), alone},  {QStringLiteral("Audi"), top}};
    testhost::ScriptedDialogs dialogs;
    for (const auto& [text, found] : searches) {
        dialogs.play([&, text = text, found = found](QDialog& dialog) {
            auto& selector = as<shell::ObjectSelectorDialog>(dialog);
            selector.searchBox()->setText(text);
            EXPECT_EQ(selector.tree()->currentIndex().data(shell::ObjectListModel::KeyRole).toString() + QLatin1Char(' ') +
                          shownRows(*selector.tree()).join(QLatin1Char('|')),
                      found)
                << text.toStdString();
            dialog.reject();
        });
        selector(QStringLiteral("O4000400"), QStringLiteral("Car"))->showModal(nullptr);
    }
    for (const QString& held : {skoda, audi}) {
        dialogs.play([&](QDialog& dialog) {
            auto* tree = as<shell::ObjectSelectorDialog>(dialog).tree();
            EXPECT_EQ(tree->currentIndex().data(shell::ObjectListModel::KeyRole).toString() +
                          (tree->isExpanded(tree->currentIndex().parent()) ? QStringLiteral(" unfolded") : QString()),
                      held + (held == skoda ? QStringLiteral(" unfolded") : QString()));
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

// What a selector lists for its type, kinds and filter (a filter that is not
// an argument text filters nothing); UserD lists only employees marked as
// drivers, and one not listed cannot be made current ("+clerk" when it can).
TEST_F(ShellDialogs, TheSelectorListsGroupsAndRecordsOfItsKindsAndFilterOnly)
{
    create("O0001401", {{"Name", QStringLiteral("Jonas")}, {"LastName", QStringLiteral("Jonaitis")}, {"DriverFlag", 1}});
    const QString clerk = create("O0001401", {{"Name", QStringLiteral("Petras")}, {"LastName", QStringLiteral("Petraitis")},
                                              {"DriverFlag", 0}});
    const char* vehicles = "Lengvieji|Škoda Octavia ŽUV 001|Audi A6 ABC 123";
    const struct { const char *type, *kind, *filter, *rows; } cases[] = {
        {"O4000400", "Group", "'Car'", vehicles}, {"O4000400", "Group", "'Tyre','C'", "Lengvieji"},
        {"O4000400", "Group", "", vehicles},      {"O4000400", "Group", "'Car", vehicles},
        {"O0001401", "C,UserD", "", "Jonas Jonaitis"},
        {"O0001401", "C", "", "Jonas Jonaitis|Petras Petraitis|Sistemos Administratorius +clerk"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        testhost::ScriptedDialogs dialogs;
        dialogs.play([&](QDialog& dialog) {
            auto& selector = as<shell::ObjectSelectorDialog>(dialog);
            const QString rows = shownRows(*selector.tree()).join(QLatin1Char('|'));
            EXPECT_EQ((rows + (selector.setCurrentKey(clerk) ? QStringLiteral(" +clerk") : QString())).toStdString(), c.rows)
                << c.filter;
        });
        auto chooser = selector(QLatin1String(c.type), QLatin1String(c.kind));
        chooser->setFilter(QString::fromLatin1(c.filter));
        chooser->showModal(nullptr);
        EXPECT_EQ(dialogs.shown.size(), 1);
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
        const auto field = [&card](const char* name) { return qobject_cast<QLineEdit*>(card.fieldEditor(QLatin1String(name))); };
        field("Name")->setText(QStringLiteral("Vasaros norma"));
        field("Value")->setText(QStringLiteral("7,5"));
        QLineEdit* perHour = field("DurationValue");
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
    const QString oidr = vx::oid::make(u"O4000603", scalar(QStringLiteral("SELECT MAX(\"ID\") FROM ref_fuel_norm")).toLongLong());
    EXPECT_EQ(rowText(rs, {"OIDR", "Preview"}), oidr + QStringLiteral("|Vasaros norma"));
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
        EXPECT_EQ(QStringList({select.windowTitle(), headerTexts(*model).value(0), rowTexts(*model).join(QLatin1Char(',')),
                               model->index(1, 1).data().toString()})
                      .join(QLatin1Char('|')),
                  QStringLiteral("Pasirinkitė kuro normą|Kuro norma|Vasaros norma,Žiemos norma|9,5"));
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
    const QString tanks = QStringLiteral("O4000604");
    const auto menu = [&](const QString& id, const char* type, const QString& context) {
        return menuKeys(catalogue.GetMenu(id, QLatin1String(type), context)).join(QLatin1Char(' '));
    };
    const auto click = [&](const QString& id, const char* type, const char* key, const QString& context) {
        return catalogue.ClickMenu(id, QLatin1String(type), QLatin1String(key), context).Action;
    };
    EXPECT_EQ(menu(tanks, "CT", QString()), QStringLiteral("1 2"));
    EXPECT_EQ(menu(QStringLiteral("O4000600"), "", QString()), QString());

    testhost::ScriptedDialogs dialogs;
    for (const QString& typed : {QStringLiteral("Dyzelinas"), QStringLiteral("Benzinas")})
        dialogs.play([typed](QDialog& dialog) {
            qobject_cast<QLineEdit*>(as<shell::ObjectCardDialog>(dialog).fieldEditor(QStringLiteral("Name")))->setText(typed);
            dialog.accept();
        });
    EXPECT_EQ(click(tanks, "CT", "2", QString()), vx::ActionReloadList);
    const qint64 group = scalar(QStringLiteral("SELECT \"ID\" FROM ref_fuel_tank_type WHERE \"GroupFlag\" = 1")).toLongLong();
    ASSERT_GT(group, 0);
    const QString groupId = vx::oid::make(tanks, group);
    EXPECT_EQ(menu(groupId, "Group", groupId), QStringLiteral("0 100 1 2 100 4"));

    EXPECT_EQ(click(groupId, "Group", "1", groupId), vx::ActionReloadList);
    const qint64 item = scalar(QStringLiteral("SELECT \"ID\" FROM ref_fuel_tank_type WHERE \"Name\" = ? AND \"ParentID\" = ? "
                                              "AND \"OType\" = ?"),
                               {QStringLiteral("Benzinas"), group, tanks})
                            .toLongLong();
    ASSERT_GT(item, 0) << "the new item goes into the clicked group, typed as an item";

    // A group with members stays; the item goes after the question.
    testhost::ScriptedMessages asked;
    asked.answer(QMessageBox::Ok);
    asked.answer(QMessageBox::Ok);
    EXPECT_EQ(click(groupId, "Group", "4", groupId), vx::ActionNothing);
    const QString itemId = vx::oid::make(tanks, item);
    EXPECT_EQ(click(itemId, "O4000604", "4", itemId), vx::ActionDeleted);
    ASSERT_EQ(asked.messages.size(), 2);
    EXPECT_EQ(asked.messages.first().text, QStringLiteral("Ar tikrai norite panaikinti?"));
}

} // namespace
