// The named properties of the object editors on a real store: the parent
// group, the vehicle's norms and tanks, the names asked of the business object
// with a leading "Get", how a failure reaches the user, and the reference
// item's form from the host's catalogue framework.

#include "module/type_list_controllers.h"
#include "module/type_object_editors.h"
#include "platform/contract/object_id.h"
#include "platform/contract/vx_card.h"
#include "platform/contract/vx_grid_control.h"
#include "platform/shell/host_cards/catalogue_editor.h"
#include "platform/shell/host_cards/host_card.h"
#include "tests/support/shown_state.h"
#include "tests/support/module_host.h"

#include <QLineEdit>

namespace {

using testhost::ModuleFixture;

class ObjectEditors : public ModuleFixture {
protected:
    QString item(const char* typeId, const char* name, QVariantMap more = {})
    {
        more.insert(QStringLiteral("Name"), QString::fromUtf8(name));
        return create(QLatin1String(typeId), more);
    }
    QString group(const char* typeId, const char* name)
    {
        return item(typeId, name, fields({{"GroupFlag", 1}, {"OType", QStringLiteral("Group")}}));
    }
    static qint64 number(const QString& id) { return vx::oid::recordNumber(id); }

    // The editor as a card gets it: from the type's list controller.
    template <typename Controller>
    vx::VxObjectUIOPtr open(const QString& id)
    {
        vx::VxObjectUIOPtr editor = controller<Controller>()->GetVxObject(id);
        EXPECT_TRUE(editor) << id.toStdString();
        return editor;
    }
};

TEST_F(ObjectEditors, ParentIsTheEditorOfTheRecordsGroup)
{
    const QString fleet = group("O4000400", "Vilnius");
    const QString car = item("O4000400", "Volvo", fields({{"ParentID", number(fleet)}}));
    const QString stock = group("O4000800", "Sandėlis");
    const QString tyre = item("O4000800", "Michelin", fields({{"ParentID", number(stock)}}));

    // The parent's id, editor class and kind.
    struct Case { vx::VxObjectUIOPtr editor; QString parent; };
    for (const Case& c : {Case{open<UI4000400>(car), fleet + QStringLiteral(" UIO4000400 Group")},
                          Case{open<UI4000800>(tyre), stock + QStringLiteral(" UIO4000800 Group")}}) {
        const vx::CallResult result = c.editor->Properties(QStringLiteral("Parent"), QString());
        EXPECT_EQ(result.Code, 0);
        const auto parent = result.Value.value<vx::VxObjectUIOPtr>();
        ASSERT_TRUE(parent);
        EXPECT_EQ(QStringList({parent->OIDR(), parent->className(), parent->OType()}).join(u' '), c.parent);
        // Only the reference item editor reads names without regard to case.
        EXPECT_FALSE(c.editor->Properties(QStringLiteral("parent"), QString()).Value.isValid());
    }
}

// A vehicle gives its fuel norms and tanks; other names are asked of the
// business object with "Get" in front.
TEST_F(ObjectEditors, NamedListsComeFromTheStore)
{
    const QString car = item("O4000400", "Volvo");
    const QString diesel = item("O4000602", "Dyzelinas");
    const QString norm = item("O4000603", "Vasara", fields({{"Value", 28.5}, {"TransportFuelTypeID", number(diesel)}}));
    const QString tankType = item("O4000604", "Pagrindinis");
    create(QStringLiteral("O4000500"), fields({{"TransportCarID", number(car)}, {"TransportFuelNormID", number(norm)}}));
    create(QStringLiteral("O4001200"), fields({{"TransportCarID", number(car)}, {"TransportFuelTankTypeID", number(tankType)}}));
    const QString sheet = create(QStringLiteral("O4000100"), fields({{"Date", QDate(2026, 11, 10)}, {"TransportCarID", number(car)}}));
    const QString route = item("O4000601", "Vilnius–Kaunas", fields({{"Distance", 105.0}}));
    create(QStringLiteral("O4000200"), fields({{"TransportTripID", number(sheet)}, {"TransportRouteID", number(route)},
                                               {"Distance", 105.0}}));
    // The first row's name field, when checked.
    const struct { vx::VxObjectUIOPtr editor; const char* name; QString param; const char16_t* firstName; } cases[] = {
        {open<UI4000400>(car), "O4000500", QStringLiteral("ignored"), nullptr},
        {open<UI4000400>(car), "O4001200", QStringLiteral("ignored"), nullptr},
        {open<UI4000600>(route), "TransportTripRoutes", QStringLiteral("'%1'").arg(sheet), u"TransportRouteName"},
    };
    for (const auto& c : cases) {
        const vx::CallResult result = c.editor->Properties(QLatin1String(c.name), c.param);
        EXPECT_EQ(result.Code, 0) << c.name << ": " << result.Message.toStdString();
        const auto rows = result.Value.value<vx::RecordsetPtr>();
        ASSERT_TRUE(rows) << c.name;
        ASSERT_EQ(rows->RecordCount(), 1) << c.name;
        if (c.firstName) {
            EXPECT_EQ(rows->value(c.firstName).toString(), QStringLiteral("Vilnius–Kaunas"));
        }
    }
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(ObjectEditors, AFailedNameIsShownOnceAndTravelsInTheResult)
{
    const QString car = item("O4000400", "Volvo");
    const QString tyre = item("O4000800", "Michelin");
    const QString route = item("O4000601", "Vilnius–Kaunas");
    struct Case { vx::VxObjectUIOPtr editor; QString name; QString param; };
    // An unterminated quote is a parameter text no call accepts.
    const QString broken = QStringLiteral("'7");
    const QList<Case> cases = {
        {open<UI4000400>(car), QStringLiteral("CarDrivers"), broken},
        {open<UI4000400>(car), QStringLiteral("TypeName"), broken},
        {open<UI4000800>(tyre), QStringLiteral("TyreHistory"), broken},
        {open<UI4000900>(QStringLiteral("O4000900")), QStringLiteral("CheckTyreInUse"), broken},
        {open<UI4000600>(route), QStringLiteral("NoSuchList"), QString()},
    };
    vx::CallResult result;
    for (const Case& c : cases) {
        result = c.editor->Properties(c.name, c.param);
        EXPECT_TRUE(result.Code != 0 && !result.Message.isEmpty() && !result.Value.isValid()) << c.name.toStdString();
        EXPECT_EQ(testhost::takeShown(messages), "Warning|Kelmira|" + result.Message.toStdString() + "|Ok");
    }
    EXPECT_TRUE(result.Message.contains(QStringLiteral("GetNoSuchList")))
        << "the business object was asked for " << result.Message.toStdString();
}

TEST_F(ObjectEditors, NamesOutsideAnEditorsTableAnswerEmptyWithoutAsking)
{
    const QString car = item("O4000400", "Volvo");
    const QString tyre = item("O4000800", "Michelin");
    const QString broken = QStringLiteral("'7");
    struct Case { vx::VxObjectUIOPtr editor; QString name; };
    const QList<Case> cases = {
        {open<UI4000400>(car), QStringLiteral("TyreHistory")},
        {open<UI4000400>(car), QStringLiteral("GetObjectForm")},
        {open<UI4000800>(tyre), QStringLiteral("CarDrivers")},
        {open<UI4000800>(tyre), QStringLiteral("O4000500")},
        {open<UI4000900>(QStringLiteral("O4000900")), QStringLiteral("Parent")},
        {open<UI4000300>(QStringLiteral("O4000300")), QStringLiteral("TyreHistory")},
        {open<UI4001000>(QStringLiteral("O4001000")), QStringLiteral("CarDrivers")},
    };
    for (const Case& c : cases) {
        const vx::CallResult result = c.editor->Properties(c.name, broken);
        const vx::CallResult method = c.editor->Methods(QStringLiteral("Print"), broken);
        EXPECT_TRUE(result.Code == 0 && !result.Value.isValid() && method.Code == 0 && !method.Value.isValid() &&
                    c.editor->GetGUID().isEmpty())
            << c.editor->className().toStdString() << " " << c.name.toStdString();
    }
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(ObjectEditors, TheReferenceItemTakesItsFormFromTheHostInAnyLetterCase)
{
    host->objects.hostEditors.insert(QStringLiteral("O0001601"),
                                     std::make_shared<shell::CatalogueEditor>(
                                         shell::HostCardContext{session, host, {}},
                                         session->createEditor(QStringLiteral("O0001601"))));
    const QString fuel = item("O4000602", "Dyzelinas");
    const vx::VxObjectUIOPtr fuelType = open<UI4000600>(fuel);

    for (const char* name : {"GetObjectForm", "getobjectform", "GETOBJECTFORM"}) {
        const vx::CallResult result = fuelType->Properties(QLatin1String(name), QStringLiteral("x"));
        EXPECT_EQ(result.Code, 0) << name;
        const std::unique_ptr<QWidget> widget(result.Value.value<vx::CardRef>().widget.data());
        const vx::VxCard* form = vx::cardOf(result.Value.value<vx::CardRef>());
        ASSERT_TRUE(form) << name;
        EXPECT_EQ(form->vxObjectUIO(), fuelType) << name << ": the host's card shows the item through its own editor";
        const auto* card = dynamic_cast<shell::HostCard*>(widget.get());
        ASSERT_TRUE(card && card->grid()) << name;
        const auto* shown = card->grid()->findChild<QLineEdit*>(QStringLiteral("txtName"));
        ASSERT_TRUE(shown) << name << ": the item's own fields, not its catalogue's";
        EXPECT_EQ(shown->text(), QStringLiteral("Dyzelinas"));
    }

    // The layer's plain catalogue editor makes no card: there is none to hand on.
    host->objects.hostEditors.insert(QStringLiteral("O0001601"), session->createEditor(QStringLiteral("O0001601")));
    const vx::CallResult none = fuelType->Properties(QStringLiteral("GetObjectForm"), QString());
    EXPECT_NE(none.Code, 0);
    EXPECT_FALSE(none.Value.isValid());
}

} // namespace
