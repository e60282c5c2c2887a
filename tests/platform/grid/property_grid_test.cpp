// The host's property grid on a real store: one editor per field by its type,
// values written into the record as they are typed, several records as rows,
// saving with its code and error text, and the extra pages with their events.

#include "platform/shell/property_grid.h"
#include "platform/shell/reference_chooser.h"
#include "tests/support/store_fixture.h"

#include <QDateTimeEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

namespace {

class PropertyGridTest : public StoreFixture {
protected:
    void prepare() override
    {
        trip = createId("O4000100", {{"OType", QStringLiteral("Trip")}, {"Name", QStringLiteral("KL-1")}});
        grid = std::make_unique<shell::PropertyGrid>(session_);
    }

    QString line(double distance) { return create("O4000200", {{"TransportTripID", trip}, {"Distance", distance}}); }

    template <typename Editor>
    Editor* editor(const char* name)
    {
        return grid->findChild<Editor*>(QString::fromLatin1(name));
    }

    static void typeInto(QLineEdit* field, const char* text)
    {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, QString::fromLatin1(text));
    }

    qint64 trip = 0;
    std::unique_ptr<shell::PropertyGrid> grid;
};

TEST_F(PropertyGridTest, EachFieldGetsAnEditorOfItsKindButNotTheOwnerOrTreeFields)
{
    grid->setVxObjectUIO(read(line(12.5)));
    grid->showRecord();
    EXPECT_TRUE(editor<shell::ReferenceChooser>("selUserID"));
    EXPECT_TRUE(editor<shell::ReferenceChooser>("selTransportRouteID"));
    EXPECT_TRUE(editor<QDateTimeEdit>("dtpDate"));
    EXPECT_TRUE(editor<QLineEdit>("txtNote"));
    ASSERT_TRUE(editor<QLineEdit>("txtDistance"));
    EXPECT_EQ(editor<QLineEdit>("txtDistance")->text(), QStringLiteral("12,5"));
    EXPECT_FALSE(grid->fieldEditor(QStringLiteral("TransportTripID")));

    grid->setVxObjectUIO(read(create("O4000601", {{"Name", QStringLiteral("A – B")}})));
    grid->showRecord();
    EXPECT_FALSE(grid->fieldEditor(QStringLiteral("ParentID")));
    EXPECT_FALSE(grid->fieldEditor(QStringLiteral("GroupFlag")));
    EXPECT_EQ(editor<QLineEdit>("txtName")->text(), QStringLiteral("A – B"));
}

TEST_F(PropertyGridTest, TypingWritesTheRecordAndTellsTheFieldAndValue)
{
    const vx::VxObjectUIOPtr record = read(line(1));
    grid->setVxObjectUIO(record);
    grid->showRecord();
    QSignalSpy changed(grid.get(), &vx::VxGridControl::fieldChanged);
    typeInto(editor<QLineEdit>("txtDistance"), "42,5");
    ASSERT_FALSE(changed.isEmpty());
    EXPECT_EQ(changed.last().at(0).toString(), QStringLiteral("Distance"));
    EXPECT_DOUBLE_EQ(changed.last().at(1).toDouble(), 42.5);
    EXPECT_DOUBLE_EQ(record->Fields().value(QStringLiteral("Distance")).toDouble(), 42.5);

    // The owner writes a field itself and has the grid show it; no change is told back.
    changed.clear();
    record->Fields().setValue(QStringLiteral("Note"), QStringLiteral("pastaba"));
    grid->refreshField(QStringLiteral("Note"));
    EXPECT_EQ(editor<QLineEdit>("txtNote")->text(), QStringLiteral("pastaba"));
    EXPECT_TRUE(changed.isEmpty());
}

TEST_F(PropertyGridTest, TextThatIsNoNumberIsNotSavedAndNamesItsField)
{
    const QString id = line(3);
    grid->setVxObjectUIO(read(id));
    grid->showRecord();
    typeInto(editor<QLineEdit>("txtDuration"), "2h");
    EXPECT_NE(grid->save(), 0);
    EXPECT_TRUE(grid->errorText().contains(QStringLiteral("įveskite skaičių"))) << grid->errorText().toStdString();
    EXPECT_EQ(editor<QLineEdit>("txtDuration")->text(), QStringLiteral("2h")); // kept as typed
    typeInto(editor<QLineEdit>("txtDuration"), "2,25");
    EXPECT_EQ(grid->save(), 0);
    EXPECT_DOUBLE_EQ(read(id)->Fields().value(QStringLiteral("Duration")).toDouble(), 2.25);
}

TEST_F(PropertyGridTest, RowsSaveWhatChangedAndARefusalShowsItsRow)
{
    const QString first = line(10), second = line(20);
    const QList<vx::VxObjectUIOPtr> records = {read(first), read(second)};
    grid->setVxObjects(records, 1);
    grid->showRecord();
    auto* rows = editor<QListWidget>("lstRecords");
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->count(), 2);
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(editor<QLineEdit>("txtDistance")->text(), QStringLiteral("20"));

    rows->setCurrentRow(0);
    EXPECT_EQ(grid->currentRecord(), records.at(0));
    typeInto(editor<QLineEdit>("txtDistance"), "11");
    EXPECT_EQ(grid->save(), 0);
    EXPECT_DOUBLE_EQ(read(first)->Fields().value(QStringLiteral("Distance")).toDouble(), 11.0);

    grid->setCurrentRow(1);
    records.at(1)->Fields().setValue(QStringLiteral("TransportTripID"), 987654); // no such trip sheet
    grid->setCurrentRow(0);
    EXPECT_NE(grid->save(), 0);
    EXPECT_FALSE(grid->errorText().isEmpty());
    EXPECT_EQ(grid->currentRow(), 1);
}

TEST_F(PropertyGridTest, PagesCarryListsAndTellWhichWasSelectedOrClicked)
{
    grid->setVxObjectUIO(read(line(1)));
    QTreeWidget* traffic = grid->addPage(QStringLiteral("Kelionės lapai"), QStringLiteral("Traffic"));
    ASSERT_TRUE(traffic);
    grid->showRecord();
    auto* pages = editor<QTabWidget>("tabPages");
    ASSERT_EQ(pages->count(), 2);
    EXPECT_EQ(pages->tabText(1), QStringLiteral("Kelionės lapai"));

    QSignalSpy selected(grid.get(), &vx::VxGridControl::pageSelected);
    QSignalSpy pressed(grid.get(), &vx::VxGridControl::pageMouseDown);
    pages->setCurrentIndex(1);
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected.first().at(0).toInt(), 1);
    QTest::mouseClick(traffic->viewport(), Qt::RightButton);
    ASSERT_EQ(pressed.size(), 1);
    EXPECT_EQ(pressed.first().at(0).value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(pressed.first().at(1).toString(), QStringLiteral("Traffic"));
}

} // namespace
