// The card pattern at work: a small vehicle form built from the shared card
// pieces (card base, number field, choice field), loaded from a real vehicle
// editor, and the number field's editing keys. The report list and its
// totals row are the trip sheet's lists' tests; a period's date pair under
// both order rules is the trip sheet, tyre and vehicle record tests'.

#include "module/card_factory.h"
#include "module/card_pattern/card_base.h"
#include "module/card_pattern/choice_field.h"
#include "module/card_pattern/number_field.h"
#include "module/catalogue.h"
#include "module/type_list_controllers.h"
#include "platform/contract/object_id.h"
#include "tests/support/shown_state.h"
#include "tests/support/module_host.h"

#include <QFocusEvent>
#include <QTest>
#include <QVBoxLayout>

#include <stdexcept>

namespace {

using testhost::ModuleFixture;

// A vehicle's name, length and type, as the module's cards are built.
class SampleVehicleCard final : public CardBase {
public:
    SampleVehicleCard()
    {
        setObjectName(QStringLiteral("frmSampleVehicle"));
        setWindowTitle(QStringLiteral("Automobilis"));
        txtName = new QLineEdit(this);
        txtLength = new NumberField(this);
        txtLength->setDecimals(2).setZeroWhenEmpty(true);
        txtType = new ChoiceField(this);
        txtType->setChoice(QStringLiteral("O4000607"), QStringLiteral("Pasirinkite tipą"), QStringLiteral("T"));
        auto* layout = new QVBoxLayout(this);
        for (QWidget* control : std::initializer_list<QWidget*>{txtName, txtLength, txtType})
            layout->addWidget(control);

        watch(txtName, &QLineEdit::textChanged);
        watch(txtLength, &QLineEdit::textChanged);
        watch(txtType, &ChoiceField::objectChanged);
    }

    using CardBase::runHandler;

    QLineEdit* txtName;
    NumberField* txtLength;
    ChoiceField* txtType;

protected:
    void loadForm() override
    {
        const vx::RecordFields fields = vxObjectUIO()->Fields();
        txtName->setText(Catalogue::TextOrEmpty(fields.value(QStringLiteral("Name"))));
        txtLength->setValue(Catalogue::DoubleOrZero(fields.value(QStringLiteral("CarLenth"))));
        txtType->showObject(vx::oid::make(u"O4000607", Catalogue::LongOrZero(fields.value(QStringLiteral("TypeID")))));
    }
};

void focus(QWidget* widget, QEvent::Type type, Qt::FocusReason reason = Qt::OtherFocusReason)
{
    QFocusEvent event(type, reason);
    QApplication::sendEvent(widget, &event);
}

class CardPattern : public ModuleFixture {
protected:
    void SetUp() override
    {
        ModuleFixture::SetUp();
        module::registerCard(QStringLiteral("frmSampleVehicle"), [] { return std::make_unique<SampleVehicleCard>(); });
    }

    // A vehicle of type "Vilkikas", and its sample card.
    std::unique_ptr<SampleVehicleCard> openVehicle()
    {
        type = create(QStringLiteral("O4000607"), fields({{"Name", QStringLiteral("Vilkikas")}}));
        car = create(QStringLiteral("O4000400"), fields({{"Name", QStringLiteral("Volvo")}, {"CarLenth", 4.5},
                                                         {"TypeID", vx::oid::recordNumber(type)}}));
        const vx::CardRef card =
            module::createCard(QStringLiteral("frmSampleVehicle"), controller<UI4000400>()->GetVxObject(car));
        return std::unique_ptr<SampleVehicleCard>(dynamic_cast<SampleVehicleCard*>(card.widget.data()));
    }

    QString type, car;
};

// Writing, the write button and closing with changes are the trip sheet card's tests.
TEST_F(CardPattern, ACardLoadsFromItsEditorAndNothingDoneWhileLoadingIsAChange)
{
    EXPECT_TRUE(module::createCard(QStringLiteral("frmNoSuchCard"), nullptr).isNull()) << "an unknown card is none";
    const auto card = openVehicle();
    ASSERT_TRUE(card);
    EXPECT_EQ(QStringList({card->txtName->text(), card->txtLength->text(), card->txtType->text(), card->txtType->objectId()}),
              QStringList({QStringLiteral("Volvo"), QStringLiteral("4,50"), QStringLiteral("Vilkikas"), type}));
    EXPECT_FALSE(card->isChanged());

    {
        SampleVehicleCard::LoadingGuard outer(*card);
        {
            SampleVehicleCard::LoadingGuard inner(*card);
            card->txtName->setText(QStringLiteral("A"));
        }
        card->txtLength->setText(QStringLiteral("5"));
        EXPECT_TRUE(card->isLoading()) << "until the outer guard ends";
    }
    EXPECT_FALSE(card->isLoading());
    EXPECT_FALSE(card->isChanged());
    card->txtLength->setText(QStringLiteral("6"));
    EXPECT_TRUE(card->isChanged());
}

TEST_F(CardPattern, AChosenObjectIsAChange)
{
    const auto card = openVehicle();
    const QString trailer = create(QStringLiteral("O4000607"), {{QStringLiteral("Name"), QStringLiteral("Priekaba")}});
    factory->selectors.script->key = QStringLiteral("O4000600") + trailer;
    factory->selectors.script->caption = QStringLiteral("Priekaba");

    EXPECT_EQ(card->txtType->choose(), trailer);
    EXPECT_EQ(card->txtType->text(), QStringLiteral("Priekaba"));
    EXPECT_TRUE(card->txtType->recordNumber() == vx::oid::recordNumber(trailer) && card->isChanged());
    EXPECT_TRUE(factory->selectors.script->setup.contains(QStringLiteral("Kind=T")));

    // Another id behind the same name is still another object.
    card->txtType->showObject(type);
    card->setChanged(false);
    Catalogue::SetTag(card->txtType, trailer);
    EXPECT_EQ(card->txtType->text(), QStringLiteral("Vilkikas"));
    EXPECT_TRUE(card->isChanged());
}

TEST_F(CardPattern, AFailingHandlerIsReportedOnceAndAConversionErrorEndsItQuietly)
{
    const auto card = openVehicle();
    EXPECT_FALSE(card->runHandler([] { throw std::runtime_error("Nepavyko."); }));
    EXPECT_FALSE(card->runHandler(
        [&] { card->vxObjectUIO()->Fields().setValue(QStringLiteral("CarLenth"), QStringLiteral("ilgas")); }));
    EXPECT_TRUE(card->runHandler([] {}));
    EXPECT_EQ(testhost::takeShown(messages), "Critical|Kelmira|Nepavyko.|Ok");
}

// What typing keeps and leaving makes of a number is mostly each card's
// number field test (vehicle, tyre, trip sheet and entry dialogs); here the
// settings no card's test types into.
TEST(NumberField, TypingKeepsANumberAndLeavingNormalisesIt)
{
    struct Case { int decimals; bool allowMinus, zeroWhenEmpty; const char *typed, *whileTyping, *afterLeaving; };
    const Case cases[] = {
        {0, false, false, "3.9", "39", "39"}, {3, false, false, "", "", ""}, {2, true, false, "-", "-", ""}};
    for (const Case& c : cases) {
        NumberField field;
        field.setDecimals(c.decimals).setAllowMinus(c.allowMinus).setZeroWhenEmpty(c.zeroWhenEmpty);
        QTest::keyClicks(&field, QString::fromLatin1(c.typed));
        EXPECT_EQ(field.text(), QString::fromLatin1(c.whileTyping)) << c.typed;
        focus(&field, QEvent::FocusOut, Qt::TabFocusReason);
        EXPECT_EQ(field.text(), QString::fromLatin1(c.afterLeaving)) << c.typed;
    }
}

TEST(NumberField, EditingKeysStillWorkAPopupIsNoLeavingAndFocusSelectsAll)
{
    NumberField field;
    field.setDecimals(2);
    QTest::keyClicks(&field, QStringLiteral("125"));
    QTest::keyClick(&field, Qt::Key_Backspace);
    QTest::keyClick(&field, Qt::Key_Left);
    QTest::keyClick(&field, Qt::Key_Period);
    EXPECT_EQ(field.text(), QStringLiteral("1,2"));
    focus(&field, QEvent::FocusOut, Qt::PopupFocusReason);
    EXPECT_EQ(field.text(), QStringLiteral("1,2"));
    field.setValue(3.14159);
    EXPECT_EQ(field.text(), QStringLiteral("3,14"));
    EXPECT_DOUBLE_EQ(field.value(), 3.14);

    // Focus selects the whole text, so typing replaces the number.
    field.setCursorPosition(2);
    focus(&field, QEvent::FocusIn);
    EXPECT_EQ(field.selectedText(), QStringLiteral("3,14"));
    QTest::keyClicks(&field, QStringLiteral("8"));
    EXPECT_EQ(field.text(), QStringLiteral("8"));
}

} // namespace
